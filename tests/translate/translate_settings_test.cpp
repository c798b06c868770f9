#include "translate/translate_settings.hpp"

#include <array>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "shell/colour_target.hpp"
#include "tests/support/host_doubles.hpp"

namespace tovrins {
namespace {

using Words = std::array<uint32_t, kFilterParamsWords>;

constexpr std::size_t kFirstSectionWord = 62;
constexpr std::size_t kPreviewAppliedWord = 2;
constexpr std::size_t kFilterKindWord = 18;
constexpr std::size_t kBoundsSavedWord = 41;

Words wordsOf(const FilterParams& params)
{
    Words words;
    std::memcpy(words.data(), &params, sizeof params);
    return words;
}

// Every word set to a value no setting takes, to see which words were written.
FilterParams sentinelBlock()
{
    FilterParams params;
    std::memset(&params, 0xA5, sizeof params);
    return params;
}

FilterParams defaults()
{
    FilterParams params = sentinelBlock();
    writeDefaults(params, FilterKind::Translate);
    return params;
}

// Words outside the translate section and the three header words stay.
void expectOnlyTranslateWordsWritten(const FilterParams& params, bool filterKindWritten)
{
    const Words words = wordsOf(params);
    const Words untouched = wordsOf(sentinelBlock());
    for (std::size_t w = 0; w < kFirstSectionWord; ++w) {
        if (w == kPreviewAppliedWord || w == kBoundsSavedWord || (filterKindWritten && w == kFilterKindWord)) {
            continue;
        }
        EXPECT_EQ(words[w], untouched[w]) << "word " << w;
    }
}

TEST(TranslateDefaults, WritesTheSectionAndThreeHeaderWordsOnly)
{
    const FilterParams p = defaults();
    EXPECT_EQ(p.filterKind, 3);
    EXPECT_EQ(p.translatePreviewApplied, 0);
    EXPECT_EQ(p.translateBoundsSaved, 0);
    EXPECT_EQ(p.translateInterpolate, 0);
    EXPECT_EQ(p.translatePreset, 0);
    EXPECT_EQ(p.translateCopies, 7);
    EXPECT_EQ(p.translateCopiesPerLayer, 1);
    EXPECT_EQ(p.translatePlacement, 0);
    EXPECT_EQ(p.translateVariation, 0);
    EXPECT_EQ(p.translateLayerOption, 1);
    EXPECT_EQ(p.translateColourPercent, 100.0f);
    EXPECT_EQ(p.translateZoom, 100.0f);
    EXPECT_EQ(p.translateHorizontal, 10.0f);
    EXPECT_EQ(p.translateVertical, 10.0f);
    EXPECT_EQ(p.translateDeleteOriginal, 1);
    EXPECT_EQ(p.translateBaseOnOriginal, 1);
    EXPECT_EQ(p.translatePreview, 1);
    EXPECT_EQ(p.translatePlaceAbove, 1);
    expectOnlyTranslateWordsWritten(p, true);
}

// A section with every word away from its default.
FilterParams scrambled()
{
    FilterParams p = sentinelBlock();
    p.translateInterpolate = 9;
    p.translatePreset = 4;
    p.translateCopies = 55;
    p.translateCopiesPerLayer = 12;
    p.translatePlacement = 17;
    p.translateVariation = 13;
    p.translateLayerOption = 2;
    p.translateColourPercent = 33.0f;
    p.translateZoom = 250.0f;
    p.translateHorizontal = -3.5f;
    p.translateVertical = 77.0f;
    p.translateDeleteOriginal = 0;
    p.translateBaseOnOriginal = 0;
    p.translatePreview = 0;
    p.translatePlaceAbove = 0;
    p.translatePreviewApplied = 1;
    return p;
}

struct PresetCase {
    int32_t preset;
    int32_t copies;
    int32_t copiesPerLayer;
    float horizontal;
    float vertical;
    int32_t placement;
    int32_t variation;
};

class TranslatePreset : public ::testing::TestWithParam<PresetCase> { };

TEST_P(TranslatePreset, ResetsThenAppliesItsChangesKeepingZoom)
{
    const PresetCase c = GetParam();
    FilterParams p = scrambled();
    translateApplyPreset(p, c.preset);

    FilterParams expected = defaults();
    expected.translatePreset = c.preset;
    expected.translateZoom = 250.0f;
    expected.translateCopies = c.copies;
    expected.translateCopiesPerLayer = c.copiesPerLayer;
    expected.translateHorizontal = c.horizontal;
    expected.translateVertical = c.vertical;
    expected.translatePlacement = c.placement;
    expected.translateVariation = c.variation;

    const Words got = wordsOf(p);
    const Words want = wordsOf(expected);
    for (std::size_t w = kFirstSectionWord; w < kFilterParamsWords; ++w) {
        EXPECT_EQ(got[w], want[w]) << "word " << w;
    }
    EXPECT_EQ(p.translatePreviewApplied, 0);
    EXPECT_EQ(p.translateLayerOption, 1) << "presets always choose layer option 1";
    // Presets touch neither the kind nor the saved bounds.
    EXPECT_EQ(p.filterKind, sentinelBlock().filterKind);
    EXPECT_EQ(p.translateBoundsSaved, sentinelBlock().translateBoundsSaved);
    expectOnlyTranslateWordsWritten(p, false);
}

INSTANTIATE_TEST_SUITE_P(
    AllPresets, TranslatePreset,
    ::testing::Values(PresetCase{0, 7, 1, 10.0f, 10.0f, 0, 0}, PresetCase{1, 20, 1, 20.0f, 0.0f, 0, 0},
                      PresetCase{2, 20, 1, -20.0f, 0.0f, 0, 0}, PresetCase{3, 20, 1, -20.0f, 20.0f, 2, 0},
                      PresetCase{4, 200, 1, 2.0f, 0.0f, 0, 0}, PresetCase{5, 7, 2, 10.0f, 10.0f, 0, 0},
                      PresetCase{6, 30, 1, 10.0f, 10.0f, 6, 1}, PresetCase{7, 30, 1, 10.0f, 10.0f, 8, 0},
                      PresetCase{8, 122, 1, 65.0f, 80.0f, 21, 12}));

// The words that Tumble must never change.
struct Kept {
    int32_t preset, layerOption, deleteOriginal, baseOnOriginal, preview, placeAbove;
    float zoom;
    bool operator==(const Kept&) const = default;
};

Kept keptOf(const FilterParams& p)
{
    return {p.translatePreset,
            p.translateLayerOption,
            p.translateDeleteOriginal,
            p.translateBaseOnOriginal,
            p.translatePreview,
            p.translatePlaceAbove,
            p.translateZoom};
}

TEST(TranslateTumble, WithEveryConditionFalseOnlyResetsAndDrawsNine)
{
    FilterParams p = scrambled();
    const Kept before = keptOf(p);
    // copies, h (two), v (two), colour test, placement test, interpolate, layer test
    test::ScriptedRandom random({0.5f, 0.25f, 0.75f, 0.75f, 0.125f, 0.3f, 0.2f, 0.5f, 0.1f});
    translateDrawRandomSettings(p, random);

    EXPECT_EQ(random.draws(), 9u);
    EXPECT_EQ(p.translateCopies, 101);
    EXPECT_FLOAT_EQ(p.translateHorizontal, -40.0f) << "80 r1 - 80 r2, r1 first";
    EXPECT_FLOAT_EQ(p.translateVertical, 50.0f);
    EXPECT_EQ(p.translateColourPercent, 100.0f);
    EXPECT_EQ(p.translatePlacement, 17) << "kept when the test fails";
    EXPECT_EQ(p.translateVariation, 13);
    EXPECT_EQ(p.translateInterpolate, 7);
    EXPECT_EQ(p.translateCopiesPerLayer, 1) << "reset, not kept";
    EXPECT_EQ(p.translatePreviewApplied, 0);
    EXPECT_EQ(keptOf(p), before);
    expectOnlyTranslateWordsWritten(p, false);
}

TEST(TranslateTumble, WithEveryConditionTrueDrawsThirteenInOrder)
{
    FilterParams p = scrambled();
    const Kept before = keptOf(p);
    test::ScriptedRandom random({0.0f,                       // copies
                                 0.5f, 0.5f, 1.0f / 8, 0.0f, // h, v
                                 0.61f, 0.5f,                // colour
                                 0.51f, 0.5f, 0.25f,         // placement, variation
                                 0.5f,                       // interpolate
                                 0.71f, 0.5f});              // copies per layer
    translateDrawRandomSettings(p, random);

    EXPECT_EQ(random.draws(), 13u);
    EXPECT_EQ(p.translateCopies, 1);
    EXPECT_FLOAT_EQ(p.translateHorizontal, 0.0f);
    EXPECT_FLOAT_EQ(p.translateVertical, 10.0f);
    EXPECT_FLOAT_EQ(p.translateColourPercent, 85.0f);
    EXPECT_EQ(p.translatePlacement, 14) << "trunc(29 * 0.5)";
    EXPECT_EQ(p.translateVariation, 4) << "trunc(18 * 0.25)";
    EXPECT_EQ(p.translateInterpolate, 7);
    EXPECT_EQ(p.translateCopiesPerLayer, 4);
    EXPECT_EQ(keptOf(p), before);
}

TEST(TranslateTumble, NeverReachesTheLastEntriesEvenWithDrawsNearOne)
{
    FilterParams p = defaults();
    test::ConstantRandom random(0.99999994f);
    translateDrawRandomSettings(p, random);

    EXPECT_EQ(random.draws(), 13u);
    EXPECT_EQ(p.translateCopies, 200);
    EXPECT_EQ(p.translatePlacement, 28);
    EXPECT_EQ(p.translateVariation, 17);
    EXPECT_EQ(p.translateInterpolate, 13);
    EXPECT_EQ(p.translateCopiesPerLayer, 6);
    EXPECT_NEAR(p.translateHorizontal, 0.0f, 1e-5f);
    EXPECT_NEAR(p.translateColourPercent, 70.0f, 1e-4f);
}

TEST(TranslateTumble, ThresholdsAreStrict)
{
    FilterParams p = defaults();
    // 100 r equal to 50 picks no placement; exactly representable draws.
    test::ScriptedRandom random({0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f});
    translateDrawRandomSettings(p, random);
    EXPECT_EQ(random.draws(), 9u);
    EXPECT_EQ(p.translatePlacement, 0);
    EXPECT_EQ(p.translateVariation, 0);
}

TEST(TranslatePopupLabels, ListsHaveTheirLengthsAndExactLabels)
{
    const auto placement = translatePopupLabels(33);
    ASSERT_EQ(placement.size(), 30u);
    EXPECT_EQ(placement[0], " Translation settings");
    EXPECT_EQ(placement[2], " Three pronged ");
    EXPECT_EQ(placement[12], " Random throughout document ");
    EXPECT_EQ(placement[23], " Center (document center approach");
    EXPECT_EQ(placement[29], " Opposites");

    const auto variation = translatePopupLabels(34);
    ASSERT_EQ(variation.size(), 19u);
    EXPECT_EQ(variation[0], " Translation variations");
    EXPECT_EQ(variation[15], " Distance, rotation");
    EXPECT_EQ(variation[18], " Increase 5");

    const auto layer = translatePopupLabels(35);
    ASSERT_EQ(layer.size(), 3u);
    EXPECT_EQ(layer[0], " Layer options - paths on new layers");
    EXPECT_EQ(layer[2], " No Layers");

    const auto presets = translatePopupLabels(36);
    ASSERT_EQ(presets.size(), 9u);
    EXPECT_EQ(presets[0], " Default/Reset");
    EXPECT_EQ(presets[8], " Rapid impact ");

    const auto interpolate = translatePopupLabels(39);
    ASSERT_EQ(interpolate.size(), kInterpolateTargetLabels.size());
    EXPECT_EQ(interpolate.data(), kInterpolateTargetLabels.data());
}

TEST(TranslatePopupLabels, EveryLabelStartsWithASpace)
{
    for (const int32_t item : {33, 34, 35, 36, 39}) {
        for (const std::string_view label : translatePopupLabels(item)) {
            ASSERT_FALSE(label.empty());
            EXPECT_EQ(label.front(), ' ') << "item " << item << " '" << std::string(label) << "'";
        }
    }
}

TEST(TranslatePopupLabels, OtherItemsHaveNoList)
{
    for (const int32_t item : {0, 4, 32, 37, 38, 40, -33}) {
        EXPECT_TRUE(translatePopupLabels(item).empty()) << "item " << item;
    }
}

} // namespace
} // namespace tovrins
