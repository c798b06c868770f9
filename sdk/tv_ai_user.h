/* AI User Suite: number and text conversions in the host's format. */
#ifndef TOVRINS_SDK_TV_AI_USER_H
#define TOVRINS_SDK_TV_AI_USER_H

#include "sdk/tv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kTvAIUserSuite "AI User Suite"
#define kTvAIUserSuiteVersion 5

typedef struct TvAIUserSuiteV5 {
    /* Writes value with the given number of decimals as a length-prefixed
     * string into text, which holds 256 bytes. */
    TvErr (*realToText)(TvReal value, int16_t decimals, unsigned char* text);
    /* Reads a length-prefixed number; -50 when it is not a number. */
    TvErr (*textToReal)(const unsigned char* text, TvReal* value);
} TvAIUserSuiteV5;

#ifdef __cplusplus
}
#endif

#endif
