#include <gtest/gtest.h>

#include <array>

#include "shell/copy_engine.hpp"
#include "shell/filter_registry.hpp"

namespace tovrins {
namespace {

using P = FilterParams;

// A filter of its own, with fields of the rotate section, so that a field
// read from the wrong item shows.
constexpr std::array kItems = {
    binding::integer(item::kCopies, &P::rotateCopies),
    binding::integer(item::kCopiesPerLayer, &P::rotateCopiesPerLayer),
    binding::popup(item::kLayerOption, &P::rotateLayerOption),
    binding::check(item::kBaseOnOriginal, &P::rotateBaseOnOriginal),
    binding::check(item::kDeleteOriginal, &P::rotateDeleteOriginal),
    binding::check(item::kPlaceAbove, &P::rotatePlaceAbove),
    binding::real(item::kColourPercent, &P::rotateColourFactor),
    binding::popup(item::kColourTarget, &P::rotateInterpolateMode),
};

FilterRecord recordWith(std::span<const ItemBinding> items)
{
    FilterRecord r{};
    r.words.goRun = &P::scaleGoRun;
    r.words.previewApplied = &P::translatePreviewApplied;
    r.items = items;
    return r;
}

TEST(CopyRunSettings, ReadsTheFieldBoundToEachItem)
{
    FilterParams params{};
    params.rotateCopies = 12;
    params.rotateCopiesPerLayer = 3;
    params.rotateLayerOption = 2;
    params.rotateBaseOnOriginal = 1;
    params.rotateDeleteOriginal = 0;
    params.rotatePlaceAbove = 1;
    params.rotateColourFactor = 42.5f;
    params.rotateInterpolateMode = 9;
    const CopyRunSettings s = copyRunSettings(params, recordWith(kItems), AdvanceOrder::BeforeLayer);
    EXPECT_EQ(s.goRun, &P::scaleGoRun);
    EXPECT_EQ(s.previewApplied, &P::translatePreviewApplied);
    EXPECT_EQ(s.copies, 12);
    EXPECT_EQ(s.copiesPerLayer, 3);
    EXPECT_EQ(s.layerOption, 2);
    EXPECT_TRUE(s.baseOnOriginal);
    EXPECT_FALSE(s.deleteOriginal);
    EXPECT_TRUE(s.placeAbove);
    EXPECT_FLOAT_EQ(s.colourPercent, 42.5f);
    EXPECT_EQ(s.colourTarget, 9);
    EXPECT_TRUE(s.advanceBeforeLayer);
    EXPECT_FALSE(copyRunSettings(params, recordWith(kItems), AdvanceOrder::AfterLayer).advanceBeforeLayer);
}

// A check box is on only at exactly 1, as the dialog writes it.
TEST(CopyRunSettings, CheckBoxesOtherThanOneAreOff)
{
    FilterParams params{};
    params.rotateBaseOnOriginal = 2;
    params.rotateDeleteOriginal = -1;
    params.rotatePlaceAbove = 0;
    const CopyRunSettings s = copyRunSettings(params, recordWith(kItems), AdvanceOrder::AfterLayer);
    EXPECT_FALSE(s.baseOnOriginal);
    EXPECT_FALSE(s.deleteOriginal);
    EXPECT_FALSE(s.placeAbove);
}

TEST(CopyRunSettings, UnboundItemsReadAsZero)
{
    FilterParams params{};
    params.rotateCopies = 5;
    params.rotateColourFactor = 50.0f;
    const std::array<ItemBinding, 1> copiesOnly{kItems[0]};
    const CopyRunSettings s = copyRunSettings(params, recordWith(copiesOnly), AdvanceOrder::AfterLayer);
    EXPECT_EQ(s.copies, 5);
    EXPECT_EQ(s.copiesPerLayer, 0);
    EXPECT_FLOAT_EQ(s.colourPercent, 0.0f);
}

TEST(CopyRunSettings, BindingCheckWantsEveryItemWithAFieldOfItsType)
{
    static_assert(bindsCopyRunItems(kItems));
    std::array<ItemBinding, kItems.size()> items = kItems;
    for (std::size_t k = 0; k < items.size(); ++k) {
        std::array<ItemBinding, kItems.size()> missing = kItems;
        missing[k].item = item::kZoom;
        EXPECT_FALSE(bindsCopyRunItems(missing)) << "item " << kItems[k].item << " left out";
    }
    items[6] = binding::popup(item::kColourPercent, &P::rotateCentreMode); // an integer where a real belongs
    EXPECT_FALSE(bindsCopyRunItems(items));
}

TEST(CopyRunSettings, EveryRegisteredFilterBindsTheRunItems)
{
    for (const FilterRecord* filter : filterRecords())
        EXPECT_TRUE(bindsCopyRunItems(filter->items)) << filter->registeredName;
}

} // namespace
} // namespace tovrins
