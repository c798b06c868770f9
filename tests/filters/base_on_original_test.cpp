// "Base on original" off: with layer options 0 and 2 each copy is made from
// the copy before it, so the transformations compound; with option 1 the
// flag changes nothing.
#include <cmath>

#include "tests/filters/filter_test_support.hpp"

namespace tovrins::filters_test {
namespace {

const std::vector<Point> kRect{{100, 100}, {200, 100}, {200, 150}, {100, 150}};

// The copies in the order they were made: layer option 2 keeps them all in
// "Layer 1", bottom to top, after the deleted original.
std::vector<std::vector<Point>> copiesWithoutBase(testing::PluginHarness& h, host::RegisteredFilter& filter)
{
    h.bench.open(oneSelectedRect());
    host::ScriptedFrontEnd frontEnd = scripted(
        {host::DialogAction::setText(item::layerOption, "2"), host::DialogAction::setText(item::baseOnOriginal, "0")});
    const host::CommandOutcome outcome = h.run(filter, frontEnd);
    EXPECT_FALSE(frontEnd.failure()) << *frontEnd.failure();
    EXPECT_EQ(outcome.code, 0);
    std::vector<std::vector<Point>> out;
    const DocumentData d = h.document().data();
    EXPECT_EQ(d.layers.size(), 1u);
    for (const ArtData& art : d.layers.at(0).art)
        out.push_back(corners(art));
    return out;
}

TEST(BaseOnOriginal, RotateTurnsEachCopyFurtherAboutItsOwnBottomMiddle)
{
    testing::PluginHarness h;
    const auto copies = copiesWithoutBase(h, h.rotate());
    ASSERT_EQ(copies.size(), 7u);
    std::vector<Point> shape = kRect;
    for (int i = 0; i < 7; ++i) {
        // The accumulated angle, (i + 1) x 10 degrees, is applied to the
        // previous copy about the bottom middle of that copy's bounds.
        const Point pivot = boxOf(shape).bottomCentre();
        for (Point& p : shape)
            p = rotated(p, pivot, (i + 1) * 10.0);
        expectPoints(copies[i], shape, 1e-2, "copy " + std::to_string(i));
    }
}

TEST(BaseOnOriginal, ScaleCompoundsTheFactorsAboutEachCopysCentre)
{
    testing::PluginHarness h;
    const auto copies = copiesWithoutBase(h, h.scale());
    ASSERT_EQ(copies.size(), 7u);
    // Copy 1 is 96 % of 92.16 % of the selected rectangle.
    EXPECT_NEAR(boxOf(copies[1]).right - boxOf(copies[1]).left, 100 * 0.96 * 0.9216, 1e-3);
    std::vector<Point> shape = kRect;
    for (int i = 0; i < 7; ++i) {
        const Point pivot = boxOf(shape).centre();
        for (Point& p : shape)
            p = scaled(p, pivot, std::pow(0.96, i + 1));
        expectPoints(copies[i], shape, 1e-3, "copy " + std::to_string(i));
    }
}

TEST(BaseOnOriginal, TranslateMovesEachCopyFromThePreviousOne)
{
    testing::PluginHarness h;
    const auto copies = copiesWithoutBase(h, h.translate());
    ASSERT_EQ(copies.size(), 7u);
    // Neighbours are 10, 20, 30, ... apart along each axis.
    double left = 100;
    for (int i = 0; i < 7; ++i) {
        left += 10.0 * (i + 1);
        EXPECT_NEAR(boxOf(copies[i]).left, left, 1e-3) << "copy " << i;
        EXPECT_NEAR(boxOf(copies[i]).bottom, left, 1e-3) << "copy " << i;
    }
}

class BaseOnOriginalPerCopyIndex : public ::testing::TestWithParam<const FilterWords*> { };

// Layer option 1 always duplicates the selected object.
TEST_P(BaseOnOriginalPerCopyIndex, FlagHasNoEffect)
{
    DocumentData results[2];
    for (int base : {0, 1}) {
        testing::PluginHarness h;
        h.bench.open(twoSelectedRects());
        host::ScriptedFrontEnd frontEnd =
            scripted({host::DialogAction::setText(item::layerOption, "1"),
                      host::DialogAction::setText(item::baseOnOriginal, std::to_string(base))});
        ASSERT_EQ(h.run(h.filter(GetParam()->title), frontEnd).code, 0);
        ASSERT_FALSE(frontEnd.failure()) << *frontEnd.failure();
        EXPECT_EQ(h.params(h.filter(GetParam()->title))->*GetParam()->baseOnOriginal, base);
        results[base] = h.document().data();
    }
    EXPECT_EQ(topLevelArtCount(results[0]), 14u);
    expectSameIgnoringLayerNames(results[0], results[1]);
}

INSTANTIATE_TEST_SUITE_P(AllFilters, BaseOnOriginalPerCopyIndex, ::testing::ValuesIn(kAllFilters), filterName);

} // namespace
} // namespace tovrins::filters_test
