/* SP Blocks Suite: blocks of host memory that outlive a message. */
#ifndef TOVRINS_SDK_TV_SP_BLOCKS_H
#define TOVRINS_SDK_TV_SP_BLOCKS_H

#include "sdk/tv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kTvSPBlocksSuite "SP Blocks Suite"
#define kTvSPBlocksSuiteVersion 2

typedef struct TvSPBlocksSuiteV2 {
    /* Allocates size bytes, zero-filled, into *block; debugName labels the
     * block in the host's leak accounting. */
    TvErr (*allocateBlock)(uint32_t size, const char* debugName, void** block);
    /* Frees a block from allocateBlock; an unknown block is refused. */
    TvErr (*freeBlock)(void* block);
} TvSPBlocksSuiteV2;

#ifdef __cplusplus
}
#endif

#endif
