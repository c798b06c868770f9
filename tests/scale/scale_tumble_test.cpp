// The "Tumble" settings: which draw goes where, and what a failed chance keeps.
#include <gtest/gtest.h>

#include <cstring>

#include "shell/filter_params.hpp"
#include "scale/scale_settings.hpp"
#include "tests/support/host_doubles.hpp"

namespace tovrins {
namespace {

using test::kAlmostOne;
using test::ScriptedRandom;

// A block as the user left it before pressing the button.
FilterParams editedBlock()
{
    FilterParams p{};
    writeDefaults(p, FilterKind::Scale);
    p.scalePreviewApplied = 1;
    p.scalePreset = 5;
    p.scaleCopies = 42;
    p.scaleCopiesPerLayer = 9;
    p.scaleCentreMode = 17;
    p.scaleHorizontalScaleMode = 13;
    p.scaleVerticalScaleMode = 11;
    p.scaleHorizontalTranslationMode = 15;
    p.scaleVerticalTranslationMode = 0;
    p.scaleLayerOption = 2;
    p.scaleInterpolate = 14;
    p.scaleColourPercent = 12.5f;
    p.scaleZoom = 321.0f;
    p.scaleHorizontalScale = -50.0f;
    p.scaleVerticalScale = 300.0f;
    p.scaleHorizontalTranslation = 77.0f;
    p.scaleVerticalTranslation = -66.0f;
    p.scalePreview = 0;
    p.scaleBaseOnOriginal = 0;
    p.scaleDeleteOriginal = 0;
    p.scalePlaceAbove = 0;
    return p;
}

void expectUntouchedByTumble(const FilterParams& before, const FilterParams& after)
{
    EXPECT_EQ(after.scaleLayerOption, before.scaleLayerOption);
    EXPECT_EQ(after.scalePreview, before.scalePreview);
    EXPECT_EQ(after.scaleBaseOnOriginal, before.scaleBaseOnOriginal);
    EXPECT_EQ(after.scaleDeleteOriginal, before.scaleDeleteOriginal);
    EXPECT_EQ(after.scalePlaceAbove, before.scalePlaceAbove);
    EXPECT_EQ(after.scalePreset, before.scalePreset);
    EXPECT_EQ(after.scaleZoom, before.scaleZoom);
    EXPECT_EQ(after.filterKind, before.filterKind);
    EXPECT_EQ(after.scaleBoundsSaved, before.scaleBoundsSaved);
    EXPECT_EQ(std::memcmp(&after.rotateInterpolateMode, &before.rotateInterpolateMode, 20 * 4), 0);
    EXPECT_EQ(std::memcmp(&after.translateInterpolate, &before.translateInterpolate, 15 * 4), 0);
}

TEST(ScaleTumble, EveryChanceTakenUsesTheDrawsInOrder)
{
    const FilterParams before = editedBlock();
    FilterParams p = before;
    ScriptedRandom random({0.5f,                             // copies
                           0.25f, 0.75f, 0.75f, 0.25f,       // horizontal and vertical scale
                           0.8f,  0.5f,  0.25f, 0.25f, 0.5f, // translations
                           0.65f, 0.5f,                      // colour
                           0.75f, 0.5f,                      // centre
                           0.9f,  0.3f,  0.8f,               // scale modes
                           0.71f, 0.45f, 0.1f,               // translation modes
                           0.95f,                            // colour target
                           0.99f, 0.5f});                    // copies per layer
    scaleDrawRandomSettings(p, random);

    EXPECT_EQ(random.draws(), 23u);
    EXPECT_EQ(p.scaleCopies, 101);
    EXPECT_EQ(p.scaleHorizontalScale, 90.0f);
    EXPECT_EQ(p.scaleVerticalScale, 110.0f);
    EXPECT_EQ(p.scaleHorizontalTranslation, 20.0f);
    EXPECT_EQ(p.scaleVerticalTranslation, -20.0f);
    EXPECT_EQ(p.scaleColourPercent, 85.0f);
    EXPECT_EQ(p.scaleCentreMode, 6);
    EXPECT_EQ(p.scaleHorizontalScaleMode, 3);
    EXPECT_EQ(p.scaleVerticalScaleMode, 10);
    EXPECT_EQ(p.scaleHorizontalTranslationMode, 6);
    EXPECT_EQ(p.scaleVerticalTranslationMode, 1);
    EXPECT_EQ(p.scaleInterpolate, 13);
    EXPECT_EQ(p.scaleCopiesPerLayer, 4);
    EXPECT_EQ(p.scalePreviewApplied, 0);
    expectUntouchedByTumble(before, p);
}

TEST(ScaleTumble, FailedChancesDrawOnceAndKeepOrResetTheirFields)
{
    const FilterParams before = editedBlock();
    FilterParams p = before;
    // Each chance just misses its threshold (70, 60, 70, 70, 70, 70).
    ScriptedRandom random({0.0f, 0.5f, 0.5f, 0.5f, 0.5f, 0.69f, 0.59f, 0.69f, 0.69f, 0.69f, 0.0f, 0.69f});
    scaleDrawRandomSettings(p, random);

    EXPECT_EQ(random.draws(), 12u);
    EXPECT_EQ(p.scaleCopies, 1);
    EXPECT_EQ(p.scaleHorizontalScale, 100.0f);
    EXPECT_EQ(p.scaleVerticalScale, 100.0f);
    // Reset by the button itself, whatever the chances give.
    EXPECT_EQ(p.scaleHorizontalTranslation, 0.0f);
    EXPECT_EQ(p.scaleVerticalTranslation, 0.0f);
    EXPECT_EQ(p.scaleColourPercent, 100.0f);
    EXPECT_EQ(p.scaleCopiesPerLayer, 1);
    EXPECT_EQ(p.scalePreviewApplied, 0);
    // Kept from before.
    EXPECT_EQ(p.scaleCentreMode, before.scaleCentreMode);
    EXPECT_EQ(p.scaleHorizontalScaleMode, before.scaleHorizontalScaleMode);
    EXPECT_EQ(p.scaleVerticalScaleMode, before.scaleVerticalScaleMode);
    EXPECT_EQ(p.scaleHorizontalTranslationMode, before.scaleHorizontalTranslationMode);
    EXPECT_EQ(p.scaleVerticalTranslationMode, before.scaleVerticalTranslationMode);
    EXPECT_EQ(p.scaleInterpolate, 0);
    expectUntouchedByTumble(before, p);
}

TEST(ScaleTumble, LargestDrawsStayInsideTheOfferedRanges)
{
    FilterParams p = editedBlock();
    ScriptedRandom random({kAlmostOne,             // copies
                           kAlmostOne, 0.0f,       // horizontal scale at its top
                           0.0f,       kAlmostOne, // vertical scale at its bottom
                           kAlmostOne, kAlmostOne, 0.0f,       0.0f,       kAlmostOne, kAlmostOne,
                           kAlmostOne, kAlmostOne, kAlmostOne, kAlmostOne, kAlmostOne, kAlmostOne,
                           kAlmostOne, kAlmostOne, kAlmostOne, kAlmostOne, kAlmostOne, kAlmostOne});
    scaleDrawRandomSettings(p, random);

    EXPECT_EQ(random.draws(), 23u);
    EXPECT_EQ(p.scaleCopies, 200);
    // Just inside the ranges; storing as float may round onto the bound.
    EXPECT_NEAR(p.scaleHorizontalScale, 120.0f, 1e-4);
    EXPECT_LE(p.scaleHorizontalScale, 120.0f);
    EXPECT_NEAR(p.scaleVerticalScale, 80.0f, 1e-4);
    EXPECT_GE(p.scaleVerticalScale, 80.0f);
    EXPECT_NEAR(p.scaleHorizontalTranslation, 80.0f, 1e-4);
    EXPECT_NEAR(p.scaleVerticalTranslation, -80.0f, 1e-4);
    EXPECT_NEAR(p.scaleColourPercent, 70.0f, 1e-4);
    // Never centre modes 13 to 23, scale mode 13, translation mode 15 or target 14.
    EXPECT_EQ(p.scaleCentreMode, 12);
    EXPECT_EQ(p.scaleHorizontalScaleMode, 12);
    EXPECT_EQ(p.scaleVerticalScaleMode, 12);
    EXPECT_EQ(p.scaleHorizontalTranslationMode, 14);
    EXPECT_EQ(p.scaleVerticalTranslationMode, 14);
    EXPECT_EQ(p.scaleInterpolate, 13);
    EXPECT_EQ(p.scaleCopiesPerLayer, 6);
}

} // namespace
} // namespace tovrins
