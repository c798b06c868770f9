#include "host/document/id_slots.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace tovrins::host {
namespace {

struct Item {
    uint64_t id = 0;
    std::string text;
    std::vector<int> values;
};

using Slots = IdSlots<Item>;
constexpr uint64_t block = Slots::blockSize;

std::vector<uint64_t> idsOf(const Slots& slots)
{
    std::vector<uint64_t> out;
    slots.forEach([&out](const Item& item) { out.push_back(item.id); });
    return out;
}

TEST(IdSlotsTest, FindsOnlyLiveIdsAcrossBlocks)
{
    Slots slots;
    EXPECT_EQ(slots.find(0), nullptr);
    EXPECT_EQ(slots.find(1), nullptr);
    EXPECT_EQ(slots.find(5 * block), nullptr); // past every block
    // Ids at the edges of blocks, and one far beyond with empty blocks between.
    for (uint64_t id : {uint64_t{1}, block - 1, block, 7 * block + 3})
        slots.put(id, Item{0, "item " + std::to_string(id), {}});
    EXPECT_EQ(slots.size(), 4u);
    EXPECT_EQ(slots.at(block).text, "item " + std::to_string(block));
    EXPECT_EQ(slots.find(block)->id, block);
    EXPECT_EQ(slots.find(block + 1), nullptr); // same block, never put
    EXPECT_EQ(slots.find(3 * block), nullptr); // a block never made
    EXPECT_EQ(idsOf(slots), (std::vector<uint64_t>{1, block - 1, block, 7 * block + 3}));
    EXPECT_THROW(slots.at(2), std::out_of_range);
    EXPECT_THROW(slots.put(block, Item{}), std::invalid_argument); // taken
    EXPECT_THROW(slots.put(0, Item{}), std::invalid_argument);
    EXPECT_THROW(slots.erase(2), std::out_of_range);
}

TEST(IdSlotsTest, TakenAndErasedIdsStopResolvingAndComeBackWhole)
{
    Slots slots;
    slots.put(3, Item{0, "three", {1, 2, 3}});
    slots.put(4, Item{0, "four", {}});
    const Item* four = slots.find(4);
    Item taken = slots.take(3);
    EXPECT_EQ(taken.id, 3u);
    EXPECT_EQ(taken.values, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(slots.find(3), nullptr);
    EXPECT_EQ(slots.find(4), four); // the others stay where they were
    slots.erase(4);
    EXPECT_EQ(slots.find(4), nullptr);
    EXPECT_EQ(slots.size(), 0u);
    EXPECT_TRUE(idsOf(slots).empty());
    // The block was emptied and went spare; the same id comes back with
    // what it held, nothing of the slot's last object.
    slots.put(3, std::move(taken));
    EXPECT_EQ(slots.at(3).text, "three");
    EXPECT_EQ(slots.at(3).values, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(slots.size(), 1u);
}

TEST(IdSlotsTest, ASpareBlockServesLaterIdsAndLiveObjectsNeverMove)
{
    Slots slots;
    // A first run of ids fills a block and starts the next, as a preview does.
    for (uint64_t id = 1; id < block + 10; ++id)
        slots.put(id, Item{0, "", std::vector<int>(8, static_cast<int>(id))});
    const Item* kept = slots.find(block + 5);
    for (uint64_t id = 1; id < block; ++id)
        slots.erase(id); // the first block empties
    // The next run lands in blocks made from the spare; the one still
    // holding live ids is untouched.
    for (uint64_t id = 3 * block; id < 4 * block; ++id) {
        const Item& from = slots.at(block + 5);
        slots.put(id, from); // copied from another slot of the same store
    }
    EXPECT_EQ(slots.find(block + 5), kept);
    EXPECT_EQ(kept->values, std::vector<int>(8, static_cast<int>(block + 5)));
    EXPECT_EQ(slots.at(4 * block - 1).values, kept->values);
    EXPECT_EQ(slots.at(4 * block - 1).id, 4 * block - 1);
    EXPECT_EQ(slots.find(5), nullptr); // an id of the spare's old block stays gone
    EXPECT_EQ(slots.size(), 10u + block); // ids block to block + 9, and the new run
    slots.releaseSpares();
    EXPECT_EQ(slots.at(3 * block).values, kept->values);
}

TEST(IdSlotsTest, AClaimedSlotKeepsTheRoomItsLastObjectHad)
{
    Slots slots;
    std::vector<int> large(1000, 7);
    slots.put(5, Item{0, std::string(100, 'x'), large});
    slots.erase(5); // its block goes spare
    // A later id in the same place of a block gets the spare's slot 5.
    Item& reused = slots.claim(3 * block + 5);
    EXPECT_EQ(reused.id, 3 * block + 5);
    EXPECT_GE(reused.values.capacity(), 1000u);
    reused.values.clear();
    EXPECT_EQ(slots.find(3 * block + 5), &reused);
    EXPECT_EQ(slots.size(), 1u);
    EXPECT_THROW(slots.claim(3 * block + 5), std::invalid_argument);
}

TEST(IdSlotsTest, ARangeStartingHighKeepsItsSlotsDenseAndRefusesIdsBelowIt)
{
    constexpr uint64_t first = uint64_t{1} << 40;
    Slots slots(first);
    EXPECT_EQ(slots.firstId(), first);
    // Ids of the range's first block edges and of the block after.
    for (uint64_t id : {first, first + block - 1, first + block})
        slots.put(id, Item{0, std::to_string(id - first), {}});
    EXPECT_EQ(slots.at(first).text, "0");
    EXPECT_EQ(slots.at(first + block - 1).text, std::to_string(block - 1));
    EXPECT_EQ(slots.at(first + block).text, std::to_string(block));
    // The same offsets below the range name nothing, and cannot be put.
    for (uint64_t id : {uint64_t{0}, uint64_t{1}, block, first - 1}) {
        EXPECT_EQ(slots.find(id), nullptr) << id;
        EXPECT_THROW(slots.put(id, Item{}), std::invalid_argument) << id;
        EXPECT_THROW(slots.claim(id), std::invalid_argument) << id;
    }
    EXPECT_EQ(slots.find(first + 1), nullptr);
    EXPECT_EQ(idsOf(slots), (std::vector<uint64_t>{first, first + block - 1, first + block}));
    // A block emptied in the range goes spare and serves the next ids.
    slots.erase(first + block);
    Item& reused = slots.claim(first + 2 * block + 7);
    EXPECT_EQ(slots.find(first + 2 * block + 7), &reused);
    EXPECT_EQ(slots.find(first + block), nullptr);
    EXPECT_EQ(slots.size(), 3u);
}

} // namespace
} // namespace tovrins::host
