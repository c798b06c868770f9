/* ADM Notifier Suite: acquired with the others, not called by the plug-in. */
#ifndef TOVRINS_SDK_TV_ADM_NOTIFIER_H
#define TOVRINS_SDK_TV_ADM_NOTIFIER_H

#include "sdk/tv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kTvADMNotifierSuite "ADM Notifier Suite"
#define kTvADMNotifierSuiteVersion 1

typedef struct TvADMNotifierSuiteV1 {
    void* reserved;
} TvADMNotifierSuiteV1;

#ifdef __cplusplus
}
#endif

#endif
