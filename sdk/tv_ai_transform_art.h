/* AI Transform Art Suite: transforming art by a matrix. */
#ifndef TOVRINS_SDK_TV_AI_TRANSFORM_ART_H
#define TOVRINS_SDK_TV_AI_TRANSFORM_ART_H

#include "sdk/tv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kTvAITransformArtSuite "AI Transform Art Suite"
#define kTvAITransformArtSuiteVersion 1

enum {
    TV_TRANSFORM_OBJECTS = 1,
    TV_TRANSFORM_FILL_GRADIENTS = 2,
    TV_TRANSFORM_FILL_PATTERNS = 4,
    TV_TRANSFORM_STROKE_PATTERNS = 8,
    TV_TRANSFORM_SCALE_LINES = 16
};

typedef struct TvAITransformArtSuiteV1 {
    /* Transforms art by matrix; with TV_TRANSFORM_SCALE_LINES stroke widths
     * are multiplied by lineScale. With TV_TRANSFORM_OBJECTS, a matrix
     * that is not finite (what an overflowing computation leaves) or that
     * would carry the art's points beyond the range of coordinates is
     * refused with !rng; a lineScale that is not finite with -50. Either
     * changes nothing; SEGM on a locked or hidden layer. */
    TvErr (*transformArt)(TvArtHandle art, const TvRealMatrix* matrix, TvReal lineScale, int32_t flags);
} TvAITransformArtSuiteV1;

#ifdef __cplusplus
}
#endif

#endif
