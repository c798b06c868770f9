// An ordered list of ids (a layer's art, a group's children, the layers),
// bottom to top. A document may hold a layer per copy, so a short list
// lives inline and costs no allocation; copies go on top or at the bottom,
// so both ends are cheap; and deleting from a list of a million is cheap
// too: the id leaves a hole (0, never an id) and the holes are squeezed out
// once they outnumber the ids. Callers keep, per id, the slot it sits in (a
// hint, checked before use), and ask for its index only when they need it:
// a tree of hole counts, built when first needed, answers in O(log n).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <vector>

namespace tovrins::host {

class IdList {
public:
    using value_type = uint64_t;
    using size_type = size_t;
    static constexpr size_t inlineCapacity = 2;
    static constexpr size_t npos = SIZE_MAX;

    // Steps over the holes; the ends of the list are never holes.
    class const_iterator {
    public:
        using iterator_category = std::bidirectional_iterator_tag;
        using value_type = uint64_t;
        using difference_type = std::ptrdiff_t;
        using pointer = const uint64_t*;
        using reference = const uint64_t&;

        const_iterator() = default;
        const_iterator(const uint64_t* at, const uint64_t* end) : at_(at), end_(end) { }
        reference operator*() const { return *at_; }
        const_iterator& operator++()
        {
            do
                ++at_;
            while (at_ != end_ && *at_ == 0);
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator was = *this;
            ++*this;
            return was;
        }
        const_iterator& operator--()
        {
            do
                --at_;
            while (*at_ == 0);
            return *this;
        }
        const_iterator operator--(int)
        {
            const_iterator was = *this;
            --*this;
            return was;
        }
        friend bool operator==(const const_iterator& a, const const_iterator& b) { return a.at_ == b.at_; }

    private:
        const uint64_t* at_ = nullptr;
        const uint64_t* end_ = nullptr;
    };
    using iterator = const_iterator;
    using const_reverse_iterator = std::reverse_iterator<const_iterator>;
    using reverse_iterator = const_reverse_iterator;

    // Where insert put an id; moved says other ids changed slots too, so
    // their callers' hints need renewing.
    struct Placed {
        size_t slot;
        bool moved;
    };

    IdList() = default;
    IdList(std::initializer_list<value_type> ids)
    {
        for (value_type id : ids)
            push_back(id);
    }
    IdList(const IdList& other) { *this = other; }
    IdList(IdList&& other) noexcept { *this = std::move(other); }
    IdList& operator=(const IdList& other);
    IdList& operator=(IdList&& other) noexcept;
    ~IdList() = default;

    size_t size() const { return end_ - head_ - holes_; }
    bool empty() const { return end_ == head_; }
    const_iterator begin() const { return {data() + head_, data() + end_}; }
    const_iterator end() const { return {data() + end_, data() + end_}; }
    const_reverse_iterator rbegin() const { return const_reverse_iterator(end()); }
    const_reverse_iterator rend() const { return const_reverse_iterator(begin()); }
    value_type front() const { return data()[head_]; }
    value_type back() const { return data()[end_ - 1]; }
    // Linear while the list has holes: for reading a few, not for walking.
    value_type operator[](size_t index) const;
    value_type at(size_t index) const
    {
        if (index >= size())
            throw std::out_of_range("IdList::at");
        return (*this)[index];
    }

    void push_back(value_type id) { insert(size(), id); }
    // Puts id at index (0 the bottom, size() the top).
    Placed insert(size_t index, value_type id);
    // The slot id is in, trying hint first; npos when it is not here.
    size_t slotOf(value_type id, size_t hint) const;
    // How many ids lie below the one in slot.
    size_t indexOfSlot(size_t slot) const;
    // The id above the one in slot; 0 for the top one.
    value_type nextAfter(size_t slot) const;
    // Takes out the id in slot; true when the others changed slots.
    bool eraseSlot(size_t slot);
    // Every id with its slot (after a move, to renew the hints).
    template <class F> void forEachSlot(F&& visit) const
    {
        for (size_t slot = head_; slot < end_; ++slot)
            if (data()[slot] != 0)
                visit(slot, data()[slot]);
    }
    // Empties the list, keeping its room.
    void clear();

    friend bool operator==(const IdList& a, const IdList& b)
    {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

private:
    uint64_t* data() { return heap_ ? heap_.get() : inline_; }
    const uint64_t* data() const { return heap_ ? heap_.get() : inline_; }
    // Moves the ids to new storage of the given capacity, starting at
    // slot head, without holes.
    void relocate(size_t capacity, size_t head);
    // Closes the holes in place.
    void squeeze();
    void markHole(size_t slot);
    void dropHole(size_t slot);
    void buildHoleTree() const;
    size_t holesBelow(size_t slot) const;

    // The counts first: asking whether a list is empty, or how long, then
    // reads the start of it alone.
    size_t head_ = 0; // the ids and holes are slots head_ .. end_
    size_t end_ = 0;
    size_t holes_ = 0;
    size_t capacity_ = inlineCapacity;
    std::unique_ptr<uint64_t[]> heap_; // null while the ids fit inline
    uint64_t inline_[inlineCapacity] = {};
    // A Fenwick tree of holes per slot, kept while valid (built on the
    // first index asked for while there are holes).
    mutable std::vector<uint32_t> holeTree_;
};

} // namespace tovrins::host
