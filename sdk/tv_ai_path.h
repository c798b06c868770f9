/* AI Path Suite: acquired with the others, not called by the plug-in. */
#ifndef TOVRINS_SDK_TV_AI_PATH_H
#define TOVRINS_SDK_TV_AI_PATH_H

#include "sdk/tv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kTvAIPathSuite "AI Path Suite"
#define kTvAIPathSuiteVersion 4

typedef struct TvAIPathSuiteV4 {
    void* reserved;
} TvAIPathSuiteV4;

#ifdef __cplusplus
}
#endif

#endif
