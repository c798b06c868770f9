/* AI Layer Suite: the layers of the current document. */
#ifndef TOVRINS_SDK_TV_AI_LAYER_H
#define TOVRINS_SDK_TV_AI_LAYER_H

#include "sdk/tv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kTvAILayerSuite "AI Layer Suite"
#define kTvAILayerSuiteVersion 9

typedef struct TvAILayerSuiteV9 {
    /* Inserts a new, empty, visible and unlocked layer: the topmost with
     * TV_PLACE_ABOVE_ALL, the bottommost with TV_PLACE_BELOW_ALL; reference
     * may be null for those orders. */
    TvErr (*insertLayer)(TvLayerHandle reference, int16_t paintOrder, TvLayerHandle* layer);
    /* New art goes into the current layer. */
    TvErr (*setCurrentLayer)(TvLayerHandle layer);
} TvAILayerSuiteV9;

#ifdef __cplusplus
}
#endif

#endif
