/* AI Path Style Suite: fill, stroke and opacity of art. */
#ifndef TOVRINS_SDK_TV_AI_PATH_STYLE_H
#define TOVRINS_SDK_TV_AI_PATH_STYLE_H

#include "sdk/tv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kTvAIPathStyleSuite "AI Path Style Suite"
#define kTvAIPathStyleSuiteVersion 5

typedef struct TvAIPathStyleSuiteV5 {
    TvErr (*getPathStyle)(TvArtHandle art, TvPathStyle* style);
    /* SEGM on a locked or hidden layer. */
    TvErr (*setPathStyle)(TvArtHandle art, const TvPathStyle* style);
    /* result = first * t + second * (1 - t) per component of fill and
     * stroke, stroke width and opacity; a second paint of another kind is
     * converted to the first's kind; none and other kinds stay as in first. */
    TvErr (*interpolatePathStyles)(const TvPathStyle* first, const TvPathStyle* second, TvPathStyle* result, TvReal t);
} TvAIPathStyleSuiteV5;

#ifdef __cplusplus
}
#endif

#endif
