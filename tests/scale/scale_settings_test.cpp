// Defaults, presets and popup labels of the scale filter.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <set>
#include <string_view>

#include "colour_target.hpp"
#include "filter_params.hpp"
#include "scale_settings.hpp"

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
    for (std::size_t i = 0; i < w.size(); ++i)
        if (!written.contains(i))
            EXPECT_EQ(w[i], kSentinel) << "word " << i << " was written";
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
    scaleWriteDefaults(p);

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

class ScalePreset : public testing::TestWithParam<PresetCase> {};

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

INSTANTIATE_TEST_SUITE_P(EveryPreset, ScalePreset,
                         testing::Values(PresetCase{0, 7, 0, 96.0f, 96.0f, 0.0f},
                                         PresetCase{1, 7, 0, 70.0f, 70.0f, 0.0f},
                                         PresetCase{2, 7, 3, 70.0f, 70.0f, 0.0f},
                                         PresetCase{3, 20, 0, 96.0f, 96.0f, 100.0f},
                                         PresetCase{4, 20, 0, 90.0f, 96.0f, 0.0f},
                                         PresetCase{5, 7, 8, 70.0f, 70.0f, 0.0f},
                                         PresetCase{6, 200, 22, 99.0f, 99.0f, 0.0f},
                                         PresetCase{7, 200, 22, 99.0f, 99.0f, 10.0f},
                                         // No popup entry: stored, and the reset alone.
                                         PresetCase{8, 7, 0, 96.0f, 96.0f, 0.0f},
                                         PresetCase{-1, 7, 0, 96.0f, 96.0f, 0.0f}));

TEST(ScalePresetReset, RestoresAFreshBlockExceptZoom)
{
    FilterParams fresh = sentinelBlock();
    scaleWriteDefaults(fresh);

    FilterParams edited = fresh;
    scaleApplyPreset(edited, 7);
    edited.scaleZoom = 300.0f;
    edited.scaleLayerOption = 2;
    edited.scaleHorizontalTranslationMode = 0;
    scaleApplyPreset(edited, 0);
    edited.scaleZoom = fresh.scaleZoom;

    EXPECT_EQ(wordsOf(edited), wordsOf(fresh));
}

void expectLabels(int32_t itemId, std::initializer_list<std::string_view> expected)
{
    const auto labels = scalePopupLabels(itemId);
    ASSERT_EQ(labels.size(), expected.size()) << "popup " << itemId;
    std::size_t i = 0;
    for (std::string_view label : expected) {
        EXPECT_EQ(labels[i], label) << "popup " << itemId << " entry " << i;
        ++i;
    }
}

TEST(ScalePopupLabels, CentreModes)
{
    expectLabels(30, {" Copies scaling center default", " Top left path", " Bottom right path", " + Random 100pts",
                      " Circular 500pts (new)", " Circular 500pts (original)", " Use last created path", " (0,0)",
                      " Document center", " Document left", " Document right", " Document bottom",
                      " Document top", " Upwards", " Distant", " Average of all paths", " Random", " Bend",
                      " Splitter 1", " Splitter 2", " Splitter 3", " Splitter 4", " Tentacle 1", " Tentacle 2"});
}

TEST(ScalePopupLabels, TranslationVariationsDifferBetweenAxes)
{
    expectLabels(33, {" Ignore horizontal translation", " Translation as set", " Translation (horizontal) uniform",
                      " Decreasing", " Increasing", " Slow start", " Slow down", " Skip", " Random *", " Rapid",
                      " Random <= ", " Random either way", " Threshold", " Either way", " Doubled",
                      " Uniform variant"});
    expectLabels(34, {" Ignore vertical translation", " Translation as set", " Translation (vertical) uniform",
                      " Decreasing", " Increasing", " Slow Start", " Slow down", " Skip a beat", " Random *",
                      " Rapid", " Random <= ", " Random either way", " Threshold", " Either way", " Doubled",
                      " Uniform variant"});
}

TEST(ScalePopupLabels, ScaleVariationsDifferBetweenAxes)
{
    expectLabels(37, {" Horizontal scaling", " As set", " Accelerating", " Direction Reversed", " Skip", " Random",
                      " Rapid", " Jumps", " Total random", " Threshold", " Either way", " Doubled alternate",
                      " Addition", " Subtraction"});
    expectLabels(38, {" Vertical scaling", " As set", " Accelerating", " Direction reversed", " Skip", " Random",
                      " Rapid", " Jumps", " Total random", " Threshold", " Either way", " Doubled alternate",
                      " Addition", " Subtraction"});
}

TEST(ScalePopupLabels, LayerOptionsPresetsAndColourTargets)
{
    expectLabels(35, {" Layer options - Place on new layer", " All on layer", " No Layers"});
    expectLabels(36, {" Default/Reset", " Rapid scale ", " Random placement ", " To the right ", " Apple core ",
                      " Scale to document centre ", " Tentacles ", " Tentacles spread"});

    const auto interpolate = scalePopupLabels(39);
    ASSERT_EQ(interpolate.size(), 15u);
    EXPECT_EQ(interpolate.front(), " Interpolate 1");
    EXPECT_EQ(interpolate.back(), " Interpolate 15");
    EXPECT_EQ(interpolate.data(), kInterpolateTargetLabels.data());
}

TEST(ScalePopupLabels, OtherItemsHaveNone)
{
    for (int32_t id : {0, 4, 29, 31, 32, 40, 50, 51, 60, -1})
        EXPECT_TRUE(scalePopupLabels(id).empty()) << "item " << id;
}

} // namespace
} // namespace tovrins
