/* AI Random Suite: the host's random numbers, reproducible from its seed. */
#ifndef TOVRINS_SDK_TV_AI_RANDOM_H
#define TOVRINS_SDK_TV_AI_RANDOM_H

#include "sdk/tv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kTvAIRandomSuite "AI Random Suite"
#define kTvAIRandomSuiteVersion 3

typedef struct TvAIRandomSuiteV3 {
    /* The next number of the host's sequence, from 0 (included) to 1
     * (excluded). */
    TvReal (*floatRandom)(void);
} TvAIRandomSuiteV3;

#ifdef __cplusplus
}
#endif

#endif
