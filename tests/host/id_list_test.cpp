#include "host/document/id_list.hpp"

#include <gtest/gtest.h>

#include <deque>
#include <stdexcept>
#include <vector>

namespace tovrins::host {
namespace {

std::vector<uint64_t> ids(const IdList& list) { return {list.begin(), list.end()}; }

TEST(IdListTest, GrowsAtBothEndsInOrder)
{
    IdList list;
    EXPECT_TRUE(list.empty());
    std::deque<uint64_t> expected;
    // Long runs at the bottom make the list move its ids to make room more
    // than once; the order must come through every move.
    for (uint64_t i = 1; i <= 100; ++i) {
        if (i % 3 == 0) {
            list.push_back(i);
            expected.push_back(i);
        } else {
            list.insert(list.begin(), i);
            expected.push_front(i);
        }
    }
    EXPECT_EQ(ids(list), std::vector<uint64_t>(expected.begin(), expected.end()));
    EXPECT_EQ(list.front(), expected.front());
    EXPECT_EQ(list.back(), expected.back());
    EXPECT_EQ(list[5], expected[5]);
    EXPECT_EQ(list.at(99), expected[99]);
    EXPECT_THROW(list.at(100), std::out_of_range);
    EXPECT_EQ(std::vector<uint64_t>(list.rbegin(), list.rend()),
              std::vector<uint64_t>(expected.rbegin(), expected.rend()));
}

TEST(IdListTest, InsertsAndErasesAnywhere)
{
    IdList list{1, 2, 3, 4};
    list.insert(list.begin() + 2, 9); // middle
    list.insert(list.end(), 8);       // top
    EXPECT_EQ(ids(list), (std::vector<uint64_t>{1, 2, 9, 3, 4, 8}));
    list.erase(list.begin());     // bottom
    list.erase(list.begin() + 2); // middle
    list.erase(list.end() - 1);   // top
    EXPECT_EQ(ids(list), (std::vector<uint64_t>{2, 9, 4}));
    list.insert(list.begin(), 7); // the bottom again, into the room the erase left
    EXPECT_EQ(ids(list), (std::vector<uint64_t>{7, 2, 9, 4}));
    EXPECT_EQ(list, (IdList{7, 2, 9, 4}));
}

TEST(IdListTest, EmptiedFromTheBottomStartsAfresh)
{
    IdList list{1, 2};
    list.erase(list.begin());
    list.erase(list.begin());
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(list.begin(), list.end());
    list.insert(list.begin(), 5);
    list.push_back(6);
    EXPECT_EQ(ids(list), (std::vector<uint64_t>{5, 6}));
}

} // namespace
} // namespace tovrins::host
