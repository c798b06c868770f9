/* ADM Basic Suite: resource strings and alerts. */
#ifndef TOVRINS_SDK_TV_ADM_BASIC_H
#define TOVRINS_SDK_TV_ADM_BASIC_H

#include "sdk/tv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kTvADMBasicSuite "ADM Basic Suite"
#define kTvADMBasicSuiteVersion 2

typedef struct TvADMBasicSuiteV2 {
    /* Reads string index of string list listId from the plug-in's resources
     * (string resource listId + index) into buffer as a C string of at most
     * bufferSize - 1 characters. A missing string reads as empty. */
    TvErr (*getIndexString)(TvPluginRef plugin, int32_t listId, int32_t index, char* buffer, int32_t bufferSize);
    /* Shows text in a modal alert with an OK button. */
    TvErr (*errorAlert)(const char* text);
} TvADMBasicSuiteV2;

#ifdef __cplusplus
}
#endif

#endif
