/* ADM Icon Suite: acquired with the others, not called by the plug-in. */
#ifndef TOVRINS_SDK_TV_ADM_ICON_H
#define TOVRINS_SDK_TV_ADM_ICON_H

#include "sdk/tv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kTvADMIconSuite "ADM Icon Suite"
#define kTvADMIconSuiteVersion 1

typedef struct TvADMIconSuiteV1 {
    void* reserved;
} TvADMIconSuiteV1;

#ifdef __cplusplus
}
#endif

#endif
