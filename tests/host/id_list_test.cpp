#include "host/document/id_list.hpp"

#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <unordered_map>
#include <stdexcept>
#include <vector>

namespace tovrins::host {
namespace {

std::vector<uint64_t> ids(const IdList& list) { return {list.begin(), list.end()}; }

void eraseAt(IdList& list, size_t index) { list.eraseSlot(list.slotOf(list.at(index), IdList::npos)); }

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
            list.insert(0, i);
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
    list.insert(2, 9); // middle
    list.insert(list.size(), 8); // top
    EXPECT_EQ(ids(list), (std::vector<uint64_t>{1, 2, 9, 3, 4, 8}));
    eraseAt(list, 0); // bottom
    eraseAt(list, 2); // middle
    eraseAt(list, list.size() - 1); // top
    EXPECT_EQ(ids(list), (std::vector<uint64_t>{2, 9, 4}));
    list.insert(0, 7); // the bottom again, into the room the erase left
    EXPECT_EQ(ids(list), (std::vector<uint64_t>{7, 2, 9, 4}));
    EXPECT_EQ(list, (IdList{7, 2, 9, 4}));
}

TEST(IdListTest, EmptiedFromTheBottomStartsAfresh)
{
    IdList list{1, 2};
    eraseAt(list, 0);
    eraseAt(list, 0);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(list.begin(), list.end());
    list.insert(0, 5);
    list.push_back(6);
    EXPECT_EQ(ids(list), (std::vector<uint64_t>{5, 6}));
}


// The list against a plain vector under a long random run of inserts and
// erases anywhere, with every reader of the order checked as it goes: the
// holes, their squeezing, the room at both ends and the tree of holes must
// never show.
TEST(IdListTest, AgreesWithAVectorUnderRandomInsertsAndErases)
{
    std::mt19937_64 random(20261210);
    IdList list;
    std::vector<uint64_t> model;
    std::unordered_map<uint64_t, size_t> hints; // as the document keeps them
    auto renew = [&] { list.forEachSlot([&](size_t slot, uint64_t id) { hints[id] = slot; }); };
    uint64_t nextId = 1;
    size_t staleHints = 0;
    for (int step = 0; step < 20000; ++step) {
        const auto pick = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n)(random); };
        const size_t roll = pick(99);
        // Grows and shrinks in waves, so both short and long lists are met.
        const bool growing = (step / 2500) % 2 == 0;
        if (model.empty() || roll < (growing ? 55u : 35u)) {
            const size_t index = roll % 3 == 0 ? model.size() : roll % 3 == 1 ? 0 : pick(model.size());
            const uint64_t id = nextId++;
            const IdList::Placed placed = list.insert(index, id);
            model.insert(model.begin() + static_cast<std::ptrdiff_t>(index), id);
            hints[id] = placed.slot;
            if (placed.moved)
                renew();
        } else {
            const size_t index = pick(model.size() - 1);
            const uint64_t id = model[index];
            const size_t slot = list.slotOf(id, hints.at(id));
            ASSERT_NE(slot, IdList::npos) << "step " << step;
            staleHints += slot != hints.at(id);
            ASSERT_EQ(list.indexOfSlot(slot), index) << "step " << step;
            ASSERT_EQ(list.nextAfter(slot), index + 1 < model.size() ? model[index + 1] : 0u) << "step " << step;
            if (list.eraseSlot(slot))
                renew();
            model.erase(model.begin() + static_cast<std::ptrdiff_t>(index));
            hints.erase(id);
        }
        ASSERT_EQ(list.size(), model.size()) << "step " << step;
        if (step % 97 == 0 || model.size() < 8) {
            ASSERT_EQ(ids(list), model) << "step " << step;
            ASSERT_EQ(std::vector<uint64_t>(list.rbegin(), list.rend()),
                      std::vector<uint64_t>(model.rbegin(), model.rend()));
            if (!model.empty()) {
                const size_t probe = pick(model.size() - 1);
                ASSERT_EQ(list[probe], model[probe]);
                ASSERT_EQ(list.front(), model.front());
                ASSERT_EQ(list.back(), model.back());
            }
        }
    }
    EXPECT_EQ(staleHints, 0u) << "a move the list made went unreported";
}

TEST(IdListTest, IndexesCountPastManyHolesAndSurviveAMiddleInsert)
{
    IdList list;
    for (uint64_t id = 1; id <= 1000; ++id)
        list.push_back(id);
    // Every third id out, from the middle outwards: not enough holes to squeeze.
    for (uint64_t id = 3; id <= 999; id += 3)
        EXPECT_FALSE(list.eraseSlot(list.slotOf(id, id - 1))) << id;
    EXPECT_EQ(list.size(), 667u);
    EXPECT_EQ(list.indexOfSlot(list.slotOf(1000, IdList::npos)), 666u);
    EXPECT_EQ(list.indexOfSlot(list.slotOf(500, IdList::npos)), 333u); // 166 of the 499 below are gone
    EXPECT_EQ(list[333], 500u);
    // A middle insert closes the holes first; the order reads the same.
    EXPECT_TRUE(list.insert(333, 5000).moved);
    EXPECT_EQ(list[333], 5000u);
    EXPECT_EQ(list[334], 500u);
    EXPECT_EQ(list.indexOfSlot(list.slotOf(1000, IdList::npos)), 667u);
    EXPECT_EQ(list.slotOf(3, 2), IdList::npos);
}

TEST(IdListTest, MovesAndCopiesKeepTheOrder)
{
    IdList one{7};
    IdList moved = std::move(one);
    EXPECT_TRUE(one.empty());
    EXPECT_EQ(ids(moved), (std::vector<uint64_t>{7}));
    IdList big;
    for (uint64_t id = 1; id <= 40; ++id)
        big.push_back(id);
    for (uint64_t id = 2; id <= 39; ++id)
        big.eraseSlot(big.slotOf(id, IdList::npos));
    IdList copy = big;
    EXPECT_EQ(ids(copy), (std::vector<uint64_t>{1, 40}));
    EXPECT_EQ(copy, big);
    copy = moved; // into room it already has
    EXPECT_EQ(ids(copy), (std::vector<uint64_t>{7}));
    big = std::move(copy);
    EXPECT_EQ(ids(big), (std::vector<uint64_t>{7}));
    EXPECT_THROW(big.insert(3, 9), std::out_of_range);
    EXPECT_THROW(big.eraseSlot(5), std::out_of_range);
}

} // namespace
} // namespace tovrins::host
