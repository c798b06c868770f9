#include "host/suites/memory_pool.hpp"

namespace tovrins::host {

TvMemoryHandle MemoryPool::allocate(uint32_t size)
{
    const uintptr_t id = nextId_++;
    // One byte at least, so that an empty handle still has a unique pointer.
    live_.emplace(id, Block{std::make_unique<std::byte[]>(size == 0 ? 1 : size), size});
    return reinterpret_cast<TvMemoryHandle>(id);
}

bool MemoryPool::release(TvMemoryHandle handle) { return live_.erase(reinterpret_cast<uintptr_t>(handle)) == 1; }

void* MemoryPool::pointer(TvMemoryHandle handle)
{
    auto it = live_.find(reinterpret_cast<uintptr_t>(handle));
    return it == live_.end() ? nullptr : it->second.bytes.get();
}

uint32_t MemoryPool::size(TvMemoryHandle handle) const
{
    auto it = live_.find(reinterpret_cast<uintptr_t>(handle));
    return it == live_.end() ? 0 : it->second.size;
}

void* BlockPool::allocate(uint32_t size, std::string debugName)
{
    auto bytes = std::make_unique<std::byte[]>(size == 0 ? 1 : size);
    void* p = bytes.get();
    live_.emplace(p, Block{std::move(bytes), std::move(debugName)});
    return p;
}

bool BlockPool::release(void* block) { return live_.erase(block) == 1; }

std::string BlockPool::nameOf(const void* block) const
{
    auto it = live_.find(block);
    return it == live_.end() ? std::string{} : it->second.name;
}

} // namespace tovrins::host
