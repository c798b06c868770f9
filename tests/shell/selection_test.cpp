#include <vector>

#include "shell/selection.hpp"
#include "tests/shell/shell_fixture.hpp"

namespace tovrins::test {
namespace {

class Selection : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        holdSuites();
        useGlobals();
    }

    std::vector<TvArtHandle> held()
    {
        const auto entries = selectionEntries();
        return {entries.begin(), entries.end()};
    }
};

TEST_F(Selection, AsksForEightSelectedArtTypesInOrder)
{
    host.selected = {artHandle(1)};
    ASSERT_EQ(gatherSelection(), 0);
    const std::vector<std::pair<int16_t, int32_t>> expected{{3, 1}, {2, 1}, {8, 1}, {13, 1},
                                                            {4, 1}, {7, 1}, {9, 1}, {11, 1}};
    EXPECT_EQ(host.requestedTypes, expected);
    EXPECT_TRUE(selectionHeld());
    EXPECT_EQ(globals.selectionCount, 1);
    EXPECT_EQ(firstSelectedArt(), artHandle(1));
}

TEST_F(Selection, CompoundPathMembersBecomeEmptyEntries)
{
    // The compound path 10 holds 11 and 12; 11 is listed before it, 12 after.
    host.selected = {artHandle(11), artHandle(5), artHandle(10), artHandle(12), artHandle(6)};
    host.artTypes[artHandle(10)] = TV_ART_COMPOUND_PATH;
    host.children[artHandle(10)] = {artHandle(11), artHandle(12)};

    ASSERT_EQ(gatherSelection(), 0);
    const std::vector<TvArtHandle> expected{nullptr, artHandle(5), artHandle(10), nullptr, artHandle(6)};
    EXPECT_EQ(held(), expected);
    EXPECT_EQ(globals.selectionCount, 5);
    // A member met after its compound path is not looked at any more.
    EXPECT_EQ(std::count(host.boundsRead.begin(), host.boundsRead.end(), artHandle(12)), 0);
    EXPECT_EQ(firstSelectedArt(), artHandle(5));
}

TEST_F(Selection, NothingSelectedHoldsNoList)
{
    ASSERT_EQ(gatherSelection(), 0);
    EXPECT_FALSE(selectionHeld());
    EXPECT_EQ(globals.selectionCount, -1);
    EXPECT_EQ(globals.selectionList, nullptr);
    EXPECT_TRUE(selectionEntries().empty());
    EXPECT_EQ(firstSelectedArt(), nullptr);
}

TEST_F(Selection, ReleaseTwiceDisposesOnce)
{
    host.selected = {artHandle(1), artHandle(2)};
    ASSERT_EQ(gatherSelection(), 0);
    const TvMemoryHandle list = globals.selectionList;
    releaseSelection();
    releaseSelection();
    EXPECT_EQ(host.disposed, std::vector<TvMemoryHandle>{list});
    EXPECT_EQ(globals.selectionCount, -1);
    EXPECT_EQ(globals.selectionList, nullptr);
}

TEST_F(Selection, RegatherReplacesTheHeldList)
{
    host.selected = {artHandle(1)};
    ASSERT_EQ(gatherSelection(), 0);
    const TvMemoryHandle first = globals.selectionList;
    host.selected = {artHandle(2), artHandle(3)};
    ASSERT_EQ(gatherSelection(), 0);
    EXPECT_EQ(host.disposed, std::vector<TvMemoryHandle>{first});
    EXPECT_EQ(held(), (std::vector<TvArtHandle>{artHandle(2), artHandle(3)}));
    EXPECT_TRUE(host.memory.contains(globals.selectionList));
}

TEST_F(Selection, HostErrorsReleaseTheListAndPassTheCode)
{
    host.selected = {artHandle(1), artHandle(2)};
    host.boundsFailures[artHandle(2)] = TV_ERR_LAYER_LOCKED;
    EXPECT_EQ(gatherSelection(), TV_ERR_LAYER_LOCKED);
    EXPECT_FALSE(selectionHeld());
    EXPECT_EQ(globals.selectionList, nullptr);
    EXPECT_EQ(host.disposed.size(), 1u);
    EXPECT_TRUE(host.memory.empty()) << "the list must not leak";

    host.matchingResult = -108;
    EXPECT_EQ(gatherSelection(), -108);
    EXPECT_EQ(globals.selectionCount, -1);
}

} // namespace
} // namespace tovrins::test
