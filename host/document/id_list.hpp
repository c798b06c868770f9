// An ordered list of ids that is cheap at both ends and free while empty:
// copies go on top of a layer or at its bottom, and a document may hold a
// layer per copy, so a layer must cost no allocation until art goes in
// (a std::deque allocates on construction).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace tovrins::host {

class IdList {
public:
    using value_type = uint64_t;
    using iterator = value_type*;
    using const_iterator = const value_type*;
    using reverse_iterator = std::reverse_iterator<iterator>;
    using const_reverse_iterator = std::reverse_iterator<const_iterator>;
    using size_type = size_t;

    IdList() = default;
    IdList(std::initializer_list<value_type> ids) : slots_(ids) { }

    size_t size() const { return slots_.size() - head_; }
    bool empty() const { return size() == 0; }
    iterator begin() { return slots_.data() + head_; }
    iterator end() { return slots_.data() + slots_.size(); }
    const_iterator begin() const { return slots_.data() + head_; }
    const_iterator end() const { return slots_.data() + slots_.size(); }
    reverse_iterator rbegin() { return reverse_iterator(end()); }
    reverse_iterator rend() { return reverse_iterator(begin()); }
    const_reverse_iterator rbegin() const { return const_reverse_iterator(end()); }
    const_reverse_iterator rend() const { return const_reverse_iterator(begin()); }
    value_type front() const { return *begin(); }
    value_type back() const { return slots_.back(); }
    value_type operator[](size_t i) const { return slots_[head_ + i]; }
    value_type at(size_t i) const
    {
        if (i >= size())
            throw std::out_of_range("IdList::at");
        return (*this)[i];
    }

    void push_back(value_type id) { slots_.push_back(id); }

    iterator insert(const_iterator at, value_type id)
    {
        const auto index = static_cast<size_t>(at - begin());
        if (index == 0 && !empty()) {
            if (head_ == 0)
                makeHeadroom();
            slots_[--head_] = id;
            return begin();
        }
        return &*slots_.insert(slots_.begin() + static_cast<std::ptrdiff_t>(head_ + index), id);
    }

    iterator erase(const_iterator at)
    {
        const auto index = static_cast<size_t>(at - begin());
        if (index == 0) {
            ++head_;
            if (empty())
                clear();
            return begin();
        }
        return &*slots_.erase(slots_.begin() + static_cast<std::ptrdiff_t>(head_ + index));
    }

    void clear()
    {
        slots_.clear();
        head_ = 0;
    }

    friend bool operator==(const IdList& a, const IdList& b)
    {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

private:
    // Room at the front as large as the list, so a run of insertions at the
    // bottom costs amortized constant time, as at the top.
    void makeHeadroom()
    {
        const size_t room = std::max<size_t>(size(), 4);
        std::vector<value_type> grown(room + size());
        std::copy(begin(), end(), grown.begin() + static_cast<std::ptrdiff_t>(room));
        slots_ = std::move(grown);
        head_ = room;
    }

    std::vector<value_type> slots_; // the ids are slots_[head_ ..]
    size_t head_ = 0;
};

} // namespace tovrins::host
