/* SP Basic Suite: acquire and release suites by name and version. It is not
 * acquired itself; every message record carries a pointer to it. */
#ifndef TOVRINS_SDK_TV_SP_BASIC_H
#define TOVRINS_SDK_TV_SP_BASIC_H

#include "sdk/tv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kTvSPBasicSuite "SP Basic Suite"
#define kTvSPBasicSuiteVersion 4

typedef struct TvSPBasicSuiteV4 {
    /* Any phase. Stores the suite's function table in *suite and counts one
     * more reference to it; S!Fd for an unknown name or version. */
    TvErr (*acquireSuite)(const char* name, int32_t version, const void** suite);
    /* Any phase. Drops one reference taken by acquireSuite; S!Fd when the
     * suite is not held. */
    TvErr (*releaseSuite)(const char* name, int32_t version);
    /* Any phase. Non-zero when the two C strings are equal. */
    TvBool (*isEqual)(const char* first, const char* second);
} TvSPBasicSuiteV4;

typedef TvSPBasicSuiteV4 TvSPBasicSuite;

#ifdef __cplusplus
}
#endif

#endif
