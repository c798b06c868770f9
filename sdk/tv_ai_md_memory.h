/* AI MdMemory Suite: relocatable host memory that the host may keep, such
 * as a filter's parameter block and the matching-art list. */
#ifndef TOVRINS_SDK_TV_AI_MD_MEMORY_H
#define TOVRINS_SDK_TV_AI_MD_MEMORY_H

#include "sdk/tv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kTvAIMdMemorySuite "AI MdMemory Suite"
#define kTvAIMdMemorySuiteVersion 1

typedef struct TvAIMdMemorySuiteV1 {
    /* Allocates size bytes, zero-filled, into *handle. */
    TvErr (*newHandle)(uint32_t size, TvMemoryHandle* handle);
    /* Frees a handle from newHandle or from the matching-art suite. */
    TvErr (*disposeHandle)(TvMemoryHandle handle);
    /* The handle's bytes; valid until the handle is disposed. */
    TvErr (*getPointer)(TvMemoryHandle handle, void** pointer);
} TvAIMdMemorySuiteV1;

#ifdef __cplusplus
}
#endif

#endif
