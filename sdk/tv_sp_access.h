/* SP Access Suite: acquired with the others, not called by the plug-in. */
#ifndef TOVRINS_SDK_TV_SP_ACCESS_H
#define TOVRINS_SDK_TV_SP_ACCESS_H

#include "sdk/tv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kTvSPAccessSuite "SP Access Suite"
#define kTvSPAccessSuiteVersion 3

typedef struct TvSPAccessSuiteV3 {
    void* reserved;
} TvSPAccessSuiteV3;

#ifdef __cplusplus
}
#endif

#endif
