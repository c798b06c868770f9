// Host memory handed to plug-ins: memory handles (AI MdMemory Suite) and
// blocks (SP Blocks Suite), with live counts so tests can find leaks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "sdk/tv_types.h"

namespace tovrins::host {

// Relocatable memory behind opaque handles, validated on every use.
class MemoryPool {
public:
    TvMemoryHandle allocate(uint32_t size);
    bool release(TvMemoryHandle handle);
    // Null for an unknown handle.
    void* pointer(TvMemoryHandle handle);
    uint32_t size(TvMemoryHandle handle) const;
    size_t liveCount() const { return live_.size(); }

private:
    struct Block {
        std::unique_ptr<std::byte[]> bytes;
        uint32_t size = 0;
    };
    uintptr_t nextId_ = 1;
    std::unordered_map<uintptr_t, Block> live_;
};

// Fixed blocks addressed by their pointer.
class BlockPool {
public:
    void* allocate(uint32_t size, std::string debugName);
    bool release(void* block);
    size_t liveCount() const { return live_.size(); }
    // The label given to a live block, empty for an unknown one.
    std::string nameOf(const void* block) const;

private:
    struct Block {
        std::unique_ptr<std::byte[]> bytes;
        std::string name;
    };
    std::unordered_map<const void*, Block> live_;
};

} // namespace tovrins::host
