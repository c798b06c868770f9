// Objects addressed by their ids, kept in blocks of slots: finding one is
// an index, not a hash. A preview makes and drops ids by the hundred
// thousand, so a slot keeps the room its last object had (a copy of a path
// into it allocates nothing), and a block whose objects are all gone waits
// as a spare for the ids that come next. Objects never move while they
// live, so pointers to them stay good as others come and go.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

namespace tovrins::host {

// T has a public `id`; 0 marks a vacant slot, so 0 is never an id. The ids
// start at firstId: two kinds of object can each keep their slots dense in
// ranges of their own.
template <class T> class IdSlots {
public:
    static constexpr unsigned blockBits = 10;
    static constexpr uint64_t blockSize = uint64_t{1} << blockBits;

    explicit IdSlots(uint64_t firstId = 1) : firstId_(firstId) { }
    uint64_t firstId() const { return firstId_; }

    size_t size() const { return live_; }

    T* find(uint64_t id) { return const_cast<T*>(std::as_const(*this).find(id)); }
    const T* find(uint64_t id) const
    {
        if (id == 0 || id < firstId_)
            return nullptr;
        const uint64_t block = (id - firstId_) >> blockBits;
        if (block >= blocks_.size() || !blocks_[block].slots)
            return nullptr;
        const T& slot = blocks_[block].slots[(id - firstId_) & (blockSize - 1)];
        return slot.id == id ? &slot : nullptr;
    }
    T& at(uint64_t id) { return const_cast<T&>(std::as_const(*this).at(id)); }
    const T& at(uint64_t id) const
    {
        const T* found = find(id);
        if (!found)
            throw std::out_of_range("IdSlots::at: no object with this id");
        return *found;
    }

    // Puts value (copied or moved: a copy reuses the slot's room) under id,
    // which must be free.
    template <class U> T& put(uint64_t id, U&& value)
    {
        Block& block = freeBlockFor(id);
        T& slot = block.slots[(id - firstId_) & (blockSize - 1)];
        slot = std::forward<U>(value); // may throw: the slot stays free
        markLive(block, slot, id);
        return slot;
    }

    // The slot for id, which must be free, as its last object left it (the
    // caller sets every field, and keeps what room it can).
    T& claim(uint64_t id)
    {
        Block& block = freeBlockFor(id);
        T& slot = block.slots[(id - firstId_) & (blockSize - 1)];
        markLive(block, slot, id);
        return slot;
    }

    // Moves the object out; its slot becomes free.
    T take(uint64_t id)
    {
        T out = std::move(at(id));
        vacate(id);
        return out;
    }

    // Frees id's slot, leaving its room for the next object there.
    void erase(uint64_t id)
    {
        at(id); // throws for a free slot
        vacate(id);
    }

    // Lets go of the spare blocks' memory (when a command ends: the next
    // previews are the ones that reuse them).
    void releaseSpares() { spares_.clear(); }

    // Every object, in the order of their ids.
    template <class F> void forEach(F&& visit) const
    {
        for (const Block& block : blocks_) {
            if (!block.slots)
                continue;
            for (uint64_t i = 0; i < blockSize; ++i)
                if (block.slots[i].id != 0)
                    visit(block.slots[i]);
        }
    }

private:
    struct Block {
        std::unique_ptr<T[]> slots; // null while none of its ids live
        uint64_t live = 0;
    };

    Block& freeBlockFor(uint64_t id)
    {
        if (id == 0 || id < firstId_ || find(id))
            throw std::invalid_argument("IdSlots: the id is 0, below the first id or taken");
        const uint64_t index = (id - firstId_) >> blockBits;
        if (index >= blocks_.size())
            blocks_.resize(index + 1);
        Block& block = blocks_[index];
        if (!block.slots) {
            if (spares_.empty()) {
                block.slots = std::make_unique<T[]>(blockSize);
            } else {
                block.slots = std::move(spares_.back());
                spares_.pop_back();
            }
        }
        return block;
    }

    void markLive(Block& block, T& slot, uint64_t id)
    {
        slot.id = id;
        ++block.live;
        ++live_;
    }

    void vacate(uint64_t id)
    {
        Block& block = blocks_[(id - firstId_) >> blockBits];
        block.slots[(id - firstId_) & (blockSize - 1)].id = 0;
        --live_;
        if (--block.live == 0)
            spares_.push_back(std::move(block.slots));
    }

    uint64_t firstId_;
    std::vector<Block> blocks_; // block i holds ids firstId_ + i * blockSize onwards
    std::vector<std::unique_ptr<T[]>> spares_;
    size_t live_ = 0;
};

} // namespace tovrins::host
