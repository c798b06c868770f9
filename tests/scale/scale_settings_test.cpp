// Defaults, presets and popup labels of the scale filter.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <set>
#include <string_view>

#include "shell/colour_target.hpp"
#include "shell/filter_params.hpp"
#include "scale/scale_settings.hpp"

namespace tovrins {
namespace {

using Words = std::array<uint32_t, kFilterParamsWords>;

constexpr uint32_t kSentinel = 0xA5A5A5A5u;

Words wordsOf(const FilterParams& p)
{
    Words w{};
    std::memcpy(w.data(), &p, sizeof p);
    return w;
}

FilterParams sentinelBlock()
{
    FilterParams p;
    Words w;
    w.fill(kSentinel);
    std::memcpy(&p, w.data(), sizeof p);
    return p;
}

// Every word outside `written` still holds the sentinel.
void expectOnlyWritten(const FilterParams& p, const std::set<std::size_t>& written)
{
    const Words w = wordsOf(p);
    for (std::size_t i = 0; i < w.size(); ++i) {
        if (!written.contains(i)) {
            EXPECT_EQ(w[i], kSentinel) << "word " << i << " was written";
        }
    }
}

std::set<std::size_t> scaleSectionWords()
{
    std::set<std::size_t> words;
    for (std::size_t i = 42; i <= 61; ++i)
        words.insert(i);
    return words;
}

TEST(ScaleDefaults, FreshBlockHoldsTheDefaultsAndNothingElse)
{
    FilterParams p = sentinelBlock();
    writeDefaults(p, FilterKind::Scale);

    EXPECT_EQ(p.filterKind, 2);
    EXPECT_EQ(p.scalePreviewApplied, 0);
    EXPECT_EQ(p.scaleBoundsSaved, 0);
    EXPECT_EQ(p.scalePreview, 1);
    EXPECT_EQ(p.scaleBaseOnOriginal, 1);
    EXPECT_EQ(p.scaleDeleteOriginal, 1);
    EXPECT_EQ(p.scalePlaceAbove, 1);
    EXPECT_EQ(p.scaleInterpolate, 0);
    EXPECT_EQ(p.scalePreset, 0);
    EXPECT_EQ(p.scaleCopies, 7);
    EXPECT_EQ(p.scaleCopiesPerLayer, 1);
    EXPECT_EQ(p.scaleCentreMode, 0);
    EXPECT_EQ(p.scaleHorizontalScaleMode, 0);
    EXPECT_EQ(p.scaleVerticalScaleMode, 0);
    EXPECT_EQ(p.scaleHorizontalTranslationMode, 2);
    EXPECT_EQ(p.scaleVerticalTranslationMode, 2);
    EXPECT_EQ(p.scaleLayerOption, 0);
    EXPECT_EQ(p.scaleColourPercent, 100.0f);
    EXPECT_EQ(p.scaleZoom, 100.0f);
    EXPECT_EQ(p.scaleHorizontalScale, 96.0f);
    EXPECT_EQ(p.scaleVerticalScale, 96.0f);
    EXPECT_EQ(p.scaleHorizontalTranslation, 0.0f);
    EXPECT_EQ(p.scaleVerticalTranslation, 0.0f);

    std::set<std::size_t> written = scaleSectionWords();
    written.insert({1, 18, 40});
    expectOnlyWritten(p, written);
}

struct PresetCase {
    int32_t preset;
    int32_t copies;
    int32_t centreMode;
    float horizontalScale;
    float verticalScale;
    float horizontalTranslation;
};

class ScalePreset : public testing::TestWithParam<PresetCase> { };

TEST_P(ScalePreset, ResetsThenWritesItsOwnValues)
{
    const PresetCase c = GetParam();
    FilterParams p = sentinelBlock();
    p.scaleZoom = 250.0f;
    scaleApplyPreset(p, c.preset);

    EXPECT_EQ(p.scalePreset, c.preset);
    EXPECT_EQ(p.scaleCopies, c.copies);
    EXPECT_EQ(p.scaleCentreMode, c.centreMode);
    EXPECT_EQ(p.scaleHorizontalScale, c.horizontalScale);
    EXPECT_EQ(p.scaleVerticalScale, c.verticalScale);
    EXPECT_EQ(p.scaleHorizontalTranslation, c.horizontalTranslation);
    EXPECT_EQ(p.scaleVerticalTranslation, 0.0f);

    // The reset part, the same for every preset.
    EXPECT_EQ(p.scalePreview, 1);
    EXPECT_EQ(p.scaleColourPercent, 100.0f);
    EXPECT_EQ(p.scaleCopiesPerLayer, 1);
    EXPECT_EQ(p.scaleBaseOnOriginal, 1);
    EXPECT_EQ(p.scaleDeleteOriginal, 1);
    EXPECT_EQ(p.scalePlaceAbove, 1);
    EXPECT_EQ(p.scalePreviewApplied, 0);
    EXPECT_EQ(p.scaleHorizontalScaleMode, 0);
    EXPECT_EQ(p.scaleVerticalScaleMode, 0);
    EXPECT_EQ(p.scaleLayerOption, 0);
    EXPECT_EQ(p.scaleInterpolate, 0);
    // Uniform translation, so presets 3 and 7 actually move the copies.
    EXPECT_EQ(p.scaleHorizontalTranslationMode, 2);
    EXPECT_EQ(p.scaleVerticalTranslationMode, 2);

    EXPECT_EQ(p.scaleZoom, 250.0f);
    std::set<std::size_t> written = scaleSectionWords();
    written.insert(1); // scalePreviewApplied
    expectOnlyWritten(p, written);
}

INSTANTIATE_TEST_SUITE_P(
    EveryPreset, ScalePreset,
    testing::Values(PresetCase{0, 7, 0, 96.0f, 96.0f, 0.0f}, PresetCase{1, 7, 0, 70.0f, 70.0f, 0.0f},
                    PresetCase{2, 7, 3, 70.0f, 70.0f, 0.0f}, PresetCase{3, 20, 0, 96.0f, 96.0f, 100.0f},
                    PresetCase{4, 20, 0, 90.0f, 96.0f, 0.0f}, PresetCase{5, 7, 8, 70.0f, 70.0f, 0.0f},
                    PresetCase{6, 200, 22, 99.0f, 99.0f, 0.0f}, PresetCase{7, 200, 22, 99.0f, 99.0f, 10.0f},
                    // No popup entry: stored, and the reset alone.
                    PresetCase{8, 7, 0, 96.0f, 96.0f, 0.0f}, PresetCase{-1, 7, 0, 96.0f, 96.0f, 0.0f}));

TEST(ScalePresetReset, RestoresAFreshBlockExceptZoom)
{
    FilterParams fresh = sentinelBlock();
    writeDefaults(fresh, FilterKind::Scale);

    FilterParams edited = fresh;
    scaleApplyPreset(edited, 7);
    edited.scaleZoom = 300.0f;
    edited.scaleLayerOption = 2;
    edited.scaleHorizontalTranslationMode = 0;
    scaleApplyPreset(edited, 0);
    edited.scaleZoom = fresh.scaleZoom;

    EXPECT_EQ(wordsOf(edited), wordsOf(fresh));
}

struct LabelCase {
    int32_t itemId;
    std::size_t count;
    std::size_t entry;
    std::string_view label;
};

// Sizes, both ends of each list, the entries where the paired lists differ
// and the labels whose spacing is easy to lose.
TEST(ScalePopupLabels, EntriesSitAtTheirIds)
{
    const LabelCase cases[] = {
        {30, 24, 0, " Copies scaling center default"},
        {30, 24, 3, " + Random 100pts"},
        {30, 24, 7, " (0,0)"},
        {30, 24, 15, " Average of all paths"},
        {30, 24, 23, " Tentacle 2"},
        {33, 16, 0, " Ignore horizontal translation"},
        {34, 16, 0, " Ignore vertical translation"},
        {33, 16, 2, " Translation (horizontal) uniform"},
        {34, 16, 2, " Translation (vertical) uniform"},
        {33, 16, 5, " Slow start"},
        {34, 16, 5, " Slow Start"},
        {33, 16, 7, " Skip"},
        {34, 16, 7, " Skip a beat"},
        {33, 16, 10, " Random <= "},
        {34, 16, 10, " Random <= "},
        {33, 16, 11, " Random either way"},
        {34, 16, 15, " Uniform variant"},
        {35, 3, 0, " Layer options - Place on new layer"},
        {35, 3, 2, " No Layers"},
        {36, 8, 0, " Default/Reset"},
        {36, 8, 1, " Rapid scale "},
        {36, 8, 5, " Scale to document centre "},
        {36, 8, 6, " Tentacles "},
        {36, 8, 7, " Tentacles spread"},
        {37, 14, 0, " Horizontal scaling"},
        {38, 14, 0, " Vertical scaling"},
        {37, 14, 3, " Direction Reversed"},
        {38, 14, 3, " Direction reversed"},
        {37, 14, 11, " Doubled alternate"},
        {38, 14, 13, " Subtraction"},
        {39, 15, 0, " Interpolate 1"},
        {39, 15, 14, " Interpolate 15"},
    };
    for (const LabelCase& c : cases) {
        const auto labels = scalePopupLabels(c.itemId);
        ASSERT_EQ(labels.size(), c.count) << "popup " << c.itemId;
        EXPECT_EQ(labels[c.entry], c.label) << "popup " << c.itemId << " entry " << c.entry;
    }
}

TEST(ScalePopupLabels, PairedListsShareAllOtherEntries)
{
    const auto expectSameExcept = [](int32_t a, int32_t b, std::set<std::size_t> differing) {
        const auto first = scalePopupLabels(a);
        const auto second = scalePopupLabels(b);
        ASSERT_EQ(first.size(), second.size());
        for (std::size_t i = 0; i < first.size(); ++i) {
            if (differing.contains(i)) {
                EXPECT_NE(first[i], second[i]) << "entry " << i;
            } else {
                EXPECT_EQ(first[i], second[i]) << "entry " << i;
            }
        }
    };
    expectSameExcept(33, 34, {0, 2, 5, 7});
    expectSameExcept(37, 38, {0, 3});
}

TEST(ScalePopupLabels, EveryListIsDistinctAndLeadsWithASpace)
{
    for (int32_t id : {30, 33, 34, 35, 36, 37, 38, 39}) {
        const auto labels = scalePopupLabels(id);
        const std::set<std::string_view> distinct(labels.begin(), labels.end());
        EXPECT_EQ(distinct.size(), labels.size()) << "popup " << id;
        for (std::string_view label : labels)
            EXPECT_TRUE(label.size() > 1 && label[0] == ' ' && label[1] != ' ')
                << "popup " << id << " '" << label << "'";
    }
    EXPECT_EQ(scalePopupLabels(39).data(), kInterpolateTargetLabels.data());
}

TEST(ScalePopupLabels, OtherItemsHaveNone)
{
    for (int32_t id : {0, 4, 29, 31, 32, 40, 50, 51, 60, -1})
        EXPECT_TRUE(scalePopupLabels(id).empty()) << "item " << id;
}

} // namespace
} // namespace tovrins
