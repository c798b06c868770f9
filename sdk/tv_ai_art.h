/* AI Art Suite: the objects of the current document. */
#ifndef TOVRINS_SDK_TV_AI_ART_H
#define TOVRINS_SDK_TV_AI_ART_H

#include "sdk/tv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kTvAIArtSuite "AI Art Suite"
#define kTvAIArtSuiteVersion 9

typedef struct TvAIArtSuiteV9 {
    /* Deletes the art and everything inside it; SEGM on a locked or hidden
     * layer. */
    TvErr (*disposeArt)(TvArtHandle art);
    /* Copies art. paintOrder TV_PLACE_ABOVE_ALL puts the copy on top of the
     * current layer, TV_PLACE_BELOW_ALL at its bottom; prep is the reference
     * object, not needed for those orders. The copy starts unselected. SEGM
     * when the current layer is locked or hidden. */
    TvErr (*duplicateArt)(TvArtHandle art, int16_t paintOrder, TvArtHandle prep, TvArtHandle* newArt);
    /* One of TV_ART_GROUP, TV_ART_PATH, TV_ART_COMPOUND_PATH, TV_ART_TEXT,
     * TV_ART_PLACED. */
    TvErr (*getArtType)(TvArtHandle art, int16_t* type);
    /* The bottommost child of a group or compound path; null when none. */
    TvErr (*getArtFirstChild)(TvArtHandle art, TvArtHandle* child);
    /* The next object above in the same container; null after the last. */
    TvErr (*getArtSibling)(TvArtHandle art, TvArtHandle* sibling);
    /* The bounds of the art in document coordinates. */
    TvErr (*getArtBounds)(TvArtHandle art, TvRealRect* bounds);
} TvAIArtSuiteV9;

#ifdef __cplusplus
}
#endif

#endif
