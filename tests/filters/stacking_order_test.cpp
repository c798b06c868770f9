// Copies placed above keep the stacking order of what they copy: with a red
// square under a blue one, both selected, every copy of the blue square
// paints above the copy of the red one made for the same copy index, and,
// where each object's copies form one series (layer options 0 and 2), above
// all of the red square's copies. Every filter, every layer option.
#include <tuple>

#include "filter_test_support.hpp"

namespace tovrins::filters_test {
namespace {

ArtData square(const char* id, float left, float bottom, float red, float blue)
{
    ArtData a = host::testing::rect(id, left, bottom, left + 100, bottom + 100, true);
    a.style.fill = {TV_COLOR_RGB, {red, 0, blue, 0}};
    return a;
}

// Paint positions, bottom first, of the unselected (copied) art by colour.
struct CopyStack {
    std::vector<size_t> red;
    std::vector<size_t> blue;
};

CopyStack copyStack(const DocumentData& d)
{
    CopyStack stack;
    size_t position = 0;
    for (const LayerData& layer : d.layers) {
        for (const ArtData& art : layer.art) {
            if (!art.selected)
                (art.style.fill.components[0] > 0.5f ? stack.red : stack.blue).push_back(position);
            ++position;
        }
    }
    return stack;
}

class StackingOrder : public ::testing::TestWithParam<std::tuple<const FilterWords*, int>> { };

TEST_P(StackingOrder, CopiesOfTheUpperObjectPaintAboveThoseOfTheLowerOne)
{
    const auto [filter, layerOption] = GetParam();
    testing::PluginHarness h;
    h.bench.open(oneLayer({square("red", 100, 100, 1, 0), square("blue", 150, 150, 0, 1)}));
    host::ScriptedFrontEnd frontEnd = scripted(
        {host::DialogAction::setText(item::layerOption, std::to_string(layerOption)),
         host::DialogAction::setText(item::placeAbove, "1"), host::DialogAction::setText(item::deleteOriginal, "0"),
         host::DialogAction::setText(item::copies, "4")});
    const host::CommandOutcome outcome = h.run(h.filter(filter->title), frontEnd);
    ASSERT_FALSE(frontEnd.failure()) << *frontEnd.failure();
    ASSERT_EQ(outcome.code, 0);

    const CopyStack stack = copyStack(h.document().data());
    ASSERT_EQ(stack.red.size(), 4u);
    ASSERT_EQ(stack.blue.size(), 4u);
    for (size_t i = 0; i < stack.red.size(); ++i)
        EXPECT_GT(stack.blue[i], stack.red[i]) << "copy " << i;
    if (layerOption != 1) {
        EXPECT_GT(stack.blue.front(), stack.red.back());
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFilterAndLayerOption, StackingOrder,
                         ::testing::Combine(::testing::ValuesIn(kAllFilters), ::testing::Values(0, 1, 2)),
                         [](const auto& info) {
                             return filterName({std::get<0>(info.param), info.index}) + "_LayerOption" +
                                 std::to_string(std::get<1>(info.param));
                         });

} // namespace
} // namespace tovrins::filters_test
