// Host memory for plug-ins: AI MdMemory handles and SP Blocks.
#include "host/suites/core_suites.hpp"
#include "host/host_context.hpp"
#include "host/suites/memory_pool.hpp"
#include "sdk/tv_errors.h"

namespace tovrins::host {
namespace {

TvErr newHandle(uint32_t size, TvMemoryHandle* handle)
{
    if (TvErr err = checkFault(kTvAIMdMemorySuite, "newHandle"))
        return err;
    MemoryPool* pool = hostContext().memory;
    if (!pool || !handle)
        return TV_ERR_BAD_PARAMETER;
    *handle = pool->allocate(size);
    return 0;
}

TvErr disposeHandle(TvMemoryHandle handle)
{
    if (TvErr err = checkFault(kTvAIMdMemorySuite, "disposeHandle"))
        return err;
    MemoryPool* pool = hostContext().memory;
    return pool && pool->release(handle) ? 0 : TV_ERR_BAD_PARAMETER;
}

TvErr getPointer(TvMemoryHandle handle, void** pointer)
{
    if (TvErr err = checkFault(kTvAIMdMemorySuite, "getPointer"))
        return err;
    MemoryPool* pool = hostContext().memory;
    void* p = pool ? pool->pointer(handle) : nullptr;
    if (!p || !pointer)
        return TV_ERR_BAD_PARAMETER;
    *pointer = p;
    return 0;
}

TvErr allocateBlock(uint32_t size, const char* debugName, void** block)
{
    if (TvErr err = checkFault(kTvSPBlocksSuite, "allocateBlock"))
        return err;
    BlockPool* pool = hostContext().blocks;
    if (!pool || !block)
        return TV_ERR_BAD_PARAMETER;
    *block = pool->allocate(size, debugName ? debugName : "");
    return 0;
}

TvErr freeBlock(void* block)
{
    if (TvErr err = checkFault(kTvSPBlocksSuite, "freeBlock"))
        return err;
    BlockPool* pool = hostContext().blocks;
    return pool && pool->release(block) ? 0 : TV_ERR_BAD_PARAMETER;
}

} // namespace

const TvAIMdMemorySuiteV1& mdMemorySuite()
{
    static constexpr TvAIMdMemorySuiteV1 table{newHandle, disposeHandle, getPointer};
    return table;
}

const TvSPBlocksSuiteV2& spBlocksSuite()
{
    static constexpr TvSPBlocksSuiteV2 table{allocateBlock, freeBlock};
    return table;
}

} // namespace tovrins::host
