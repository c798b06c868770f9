#include "host/document/id_list.hpp"

#include <utility>

namespace tovrins::host {

IdList& IdList::operator=(const IdList& other)
{
    if (this == &other)
        return *this;
    const size_t n = other.size();
    if (n > capacity_) {
        heap_ = std::make_unique_for_overwrite<uint64_t[]>(n);
        capacity_ = n;
    }
    uint64_t* to = data();
    size_t w = 0;
    for (value_type id : other)
        to[w++] = id;
    head_ = 0;
    end_ = w;
    holes_ = 0;
    holeTree_.clear();
    return *this;
}

IdList& IdList::operator=(IdList&& other) noexcept
{
    if (this == &other)
        return *this;
    heap_ = std::move(other.heap_);
    std::copy(std::begin(other.inline_), std::end(other.inline_), inline_);
    capacity_ = std::exchange(other.capacity_, inlineCapacity);
    head_ = std::exchange(other.head_, 0);
    end_ = std::exchange(other.end_, 0);
    holes_ = std::exchange(other.holes_, 0);
    holeTree_ = std::move(other.holeTree_);
    other.holeTree_.clear();
    return *this;
}

IdList::value_type IdList::operator[](size_t index) const
{
    if (holes_ == 0)
        return data()[head_ + index];
    auto it = begin();
    std::advance(it, static_cast<std::ptrdiff_t>(index));
    return *it;
}

IdList::Placed IdList::insert(size_t index, value_type id)
{
    const size_t n = size();
    if (index > n)
        throw std::out_of_range("IdList::insert");
    if (index == 0 && n > 0) { // the bottom, into the room below
        bool moved = false;
        if (head_ == 0) {
            // Room below as large as the list, so a run at the bottom costs
            // amortized constant time, as at the top.
            const size_t room = std::max<size_t>(n, 4);
            relocate(capacity_ + room, room);
            moved = true;
        }
        data()[--head_] = id;
        return {head_, moved};
    }
    bool moved = false;
    if (index != n && holes_ != 0) { // a middle insert moves ids anyway
        squeeze();
        moved = true;
    }
    if (end_ == capacity_) {
        moved = moved || holes_ != 0; // without holes every id keeps its slot
        relocate(capacity_ + std::max<size_t>(n, 4), head_);
    }
    if (index == n) {
        data()[end_] = id;
        return {end_++, moved};
    }
    uint64_t* ids = data();
    const size_t slot = head_ + index;
    std::copy_backward(ids + slot, ids + end_, ids + end_ + 1);
    ids[slot] = id;
    ++end_;
    holeTree_.clear();
    return {slot, true};
}

size_t IdList::slotOf(value_type id, size_t hint) const
{
    const uint64_t* ids = data();
    if (hint >= head_ && hint < end_ && ids[hint] == id)
        return hint;
    for (size_t slot = head_; slot < end_; ++slot)
        if (ids[slot] == id)
            return slot;
    return npos;
}

size_t IdList::indexOfSlot(size_t slot) const
{
    if (holes_ == 0)
        return slot - head_;
    constexpr size_t shortList = 64; // counted directly, without a tree
    if (slot - head_ <= shortList)
        return static_cast<size_t>(std::count_if(data() + head_, data() + slot, [](uint64_t id) { return id != 0; }));
    if (holeTree_.empty())
        buildHoleTree();
    return slot - head_ - holesBelow(slot);
}

IdList::value_type IdList::nextAfter(size_t slot) const
{
    const uint64_t* ids = data();
    for (size_t s = slot + 1; s < end_; ++s)
        if (ids[s] != 0)
            return ids[s];
    return 0;
}

bool IdList::eraseSlot(size_t slot)
{
    if (slot < head_ || slot >= end_ || data()[slot] == 0)
        throw std::out_of_range("IdList::eraseSlot");
    markHole(slot);
    // The ends are never holes, so front and back stay a read.
    while (head_ < end_ && data()[head_] == 0)
        dropHole(head_++);
    while (end_ > head_ && data()[end_ - 1] == 0)
        dropHole(--end_);
    if (head_ == end_) {
        clear();
        return false;
    }
    constexpr size_t fewHoles = 16;
    if (holes_ > fewHoles && holes_ > size()) {
        squeeze();
        return true;
    }
    return false;
}

void IdList::clear()
{
    head_ = 0;
    end_ = 0;
    holes_ = 0;
    holeTree_.clear();
}

void IdList::relocate(size_t capacity, size_t head)
{
    auto grown = std::make_unique_for_overwrite<uint64_t[]>(capacity);
    const uint64_t* from = data();
    size_t w = head;
    for (size_t r = head_; r < end_; ++r)
        if (from[r] != 0)
            grown[w++] = from[r];
    heap_ = std::move(grown);
    capacity_ = capacity;
    head_ = head;
    end_ = w;
    holes_ = 0;
    holeTree_.clear();
}

void IdList::squeeze()
{
    uint64_t* ids = data();
    size_t w = head_;
    for (size_t r = head_; r < end_; ++r)
        if (ids[r] != 0)
            ids[w++] = ids[r];
    end_ = w;
    holes_ = 0;
    holeTree_.clear();
}

void IdList::markHole(size_t slot)
{
    data()[slot] = 0;
    ++holes_;
    for (size_t i = slot + 1; !holeTree_.empty() && i <= capacity_; i += i & (~i + 1))
        ++holeTree_[i];
}

void IdList::dropHole(size_t slot)
{
    --holes_;
    for (size_t i = slot + 1; !holeTree_.empty() && i <= capacity_; i += i & (~i + 1))
        --holeTree_[i];
}

void IdList::buildHoleTree() const
{
    holeTree_.assign(capacity_ + 1, 0);
    const uint64_t* ids = data();
    for (size_t i = 1; i <= capacity_; ++i) {
        const size_t slot = i - 1;
        if (slot >= head_ && slot < end_ && ids[slot] == 0)
            ++holeTree_[i];
        if (const size_t up = i + (i & (~i + 1)); up <= capacity_)
            holeTree_[up] += holeTree_[i];
    }
}

size_t IdList::holesBelow(size_t slot) const
{
    size_t holes = 0;
    for (size_t i = slot; i > 0; i -= i & (~i + 1))
        holes += holeTree_[i];
    return holes;
}

} // namespace tovrins::host
