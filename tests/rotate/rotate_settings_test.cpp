#include "rotate/rotate_settings.hpp"

#include <array>
#include <bit>
#include <cstdint>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/host_doubles.hpp"

namespace tovrins {
namespace {

using Words = std::array<uint32_t, kFilterParamsWords>;
constexpr uint32_t kSentinel = 0xA5A5A5A5u;

FilterParams sentinelBlock()
{
    Words words{};
    words.fill(kSentinel);
    return std::bit_cast<FilterParams>(words);
}

constexpr std::size_t kSectionFirst = 19;
constexpr std::size_t kSectionLast = 38;

// Every word outside the section and the listed extras still holds the sentinel.
void expectOnlySectionAnd(const FilterParams& params, std::set<std::size_t> extras)
{
    const Words words = std::bit_cast<Words>(params);
    for (std::size_t w = 0; w < words.size(); ++w) {
        const bool written = (w >= kSectionFirst && w <= kSectionLast) || extras.count(w) > 0;
        if (!written) {
            EXPECT_EQ(words[w], kSentinel) << "word " << w;
        }
    }
}

void expectResetValues(const FilterParams& p)
{
    EXPECT_EQ(p.rotatePreview, 1);
    EXPECT_EQ(p.rotateCopies, 7);
    EXPECT_EQ(p.rotateAngleStep, 10.0f);
    EXPECT_EQ(p.rotateRadialStep, 50.0f);
    EXPECT_EQ(p.rotateHorizontalStep, 0.0f);
    EXPECT_EQ(p.rotateVerticalStep, 0.0f);
    EXPECT_EQ(p.rotateCopiesPerLayer, 1);
    EXPECT_EQ(p.rotateBaseOnOriginal, 1);
    EXPECT_EQ(p.rotateDeleteOriginal, 1);
    EXPECT_EQ(p.rotatePlaceAbove, 1);
    EXPECT_EQ(p.rotateColourFactor, 100.0f);
    EXPECT_EQ(p.rotateCentreMode, 0);
    EXPECT_EQ(p.rotateAngleMode, 0);
    EXPECT_EQ(p.rotateRadialMode, 0);
    EXPECT_EQ(p.rotateHorizontalMode, 1);
    EXPECT_EQ(p.rotateVerticalMode, 1);
    EXPECT_EQ(p.rotateLayerOption, 0);
    EXPECT_EQ(p.rotateInterpolateMode, 0);
}

TEST(RotateDefaults, WritesSectionAndItsThreeHeaderWordsOnly)
{
    FilterParams p = sentinelBlock();
    writeDefaults(p, FilterKind::Rotate);
    expectResetValues(p);
    EXPECT_EQ(p.rotatePreset, 0);
    EXPECT_EQ(p.rotateViewZoom, 100.0f);
    EXPECT_EQ(p.filterKind, 1);
    EXPECT_EQ(p.rotatePreviewApplied, 0);
    EXPECT_EQ(p.rotateBoundsSaved, 0);
    expectOnlySectionAnd(p, {0, 18, 39});
}

TEST(RotatePresets, TouchOnlySectionAndPreviewApplied)
{
    FilterParams p = sentinelBlock();
    rotateApplyPreset(p, 6);
    expectOnlySectionAnd(p, {0});
    // The zoom is not part of the reset, so the sentinel survives in it.
    EXPECT_EQ(std::bit_cast<uint32_t>(p.rotateViewZoom), kSentinel);
}

struct PresetCase {
    int32_t preset;
    void (*change)(FilterParams&);
};

TEST(RotatePresets, EachPresetIsTheResetPlusItsOwnValues)
{
    const PresetCase cases[] = {
        {0, [](FilterParams&) {}},
        {1, [](FilterParams& e) { e.rotateAngleStep = 2.0f; }},
        {2, [](FilterParams& e) { e.rotateRadialStep = 200.0f; }},
        {3,
         [](FilterParams& e) {
             e.rotateRadialStep = 200.0f;
             e.rotateCopies = 36;
         }},
        {4,
         [](FilterParams& e) {
             e.rotateRadialStep = 200.0f;
             e.rotateRadialMode = 3;
         }},
        {5,
         [](FilterParams& e) {
             e.rotateCopies = 50;
             e.rotateAngleStep = 0.5f;
             e.rotateAngleMode = 6;
         }},
        {6,
         [](FilterParams& e) {
             e.rotateRadialMode = 4;
             e.rotateCopies = 36;
             e.rotateRadialStep = 1.0f;
         }},
        {7,
         [](FilterParams& e) {
             e.rotateRadialMode = 11;
             e.rotateCopies = 36;
             e.rotateRadialStep = 100.0f;
         }},
        {8,
         [](FilterParams& e) {
             e.rotateCopies = 36;
             e.rotateRadialStep = 200.0f;
             e.rotateHorizontalMode = 2;
         }},
        {9,
         [](FilterParams& e) {
             e.rotateCopies = 36;
             e.rotateCentreMode = 5;
         }},
        {10,
         [](FilterParams& e) {
             e.rotateCopies = 36;
             e.rotateCentreMode = 12;
         }},
        {11, [](FilterParams&) {}},
        {-3, [](FilterParams&) {}},
    };
    for (const PresetCase& c : cases) {
        SCOPED_TRACE("preset " + std::to_string(c.preset));
        FilterParams expected{};
        writeDefaults(expected, FilterKind::Rotate);
        expected.rotateViewZoom = 42.0f;
        expected.rotatePreset = c.preset;
        c.change(expected);

        // Start from a thoroughly changed block so that the reset shows.
        FilterParams actual = expected;
        actual.rotateAngleStep = -7.0f;
        actual.rotateHorizontalStep = 12.0f;
        actual.rotateVerticalStep = 13.0f;
        actual.rotateCentreMode = 9;
        actual.rotateInterpolateMode = 4;
        actual.rotatePlaceAbove = 0;
        actual.rotatePreview = 0;
        actual.rotatePreviewApplied = 1;
        rotateApplyPreset(actual, c.preset);
        EXPECT_EQ(std::bit_cast<Words>(actual), std::bit_cast<Words>(expected));
    }
}

// A block whose every tumble-drawn field is visibly different from a draw.
FilterParams tumbleStart()
{
    FilterParams p{};
    writeDefaults(p, FilterKind::Rotate);
    p.rotateHorizontalStep = 5.0f;
    p.rotateVerticalStep = 6.0f;
    p.rotateHorizontalMode = 9;
    p.rotateVerticalMode = 10;
    p.rotateCopiesPerLayer = 4;
    p.rotateColourFactor = 55.0f;
    p.rotateLayerOption = 2;
    p.rotatePreset = 7;
    p.rotateBaseOnOriginal = 0;
    p.rotateViewZoom = 300.0f;
    p.rotatePreviewApplied = 1;
    return p;
}

TEST(RotateTumble, AllOptionalStepsTakenDrawsNineteenInOrder)
{
    FilterParams p = tumbleStart();
    test::ScriptedRandom random({
        0.5f,          // copies
        0.75f,         // angle step
        0.5f,          // radial step
        0.71f,         // horizontal/vertical steps: taken
        0.5f,   0.25f, // horizontal step
        0.125f, 0.75f, // vertical step
        0.61f,         // colour factor: taken
        0.5f,          // colour factor
        0.99f,         // centre mode
        0.5f,          // angle mode
        0.0f,          // radial mode
        0.8f,          // modes: taken
        0.5f,   0.9f,  // horizontal, vertical modes
        0.3f,          // interpolate mode
        0.75f,         // copies per layer: taken
        0.99f,         // copies per layer
    });
    rotateDrawRandomSettings(p, random);
    EXPECT_EQ(random.draws(), 19u);
    EXPECT_EQ(p.rotateCopies, 101);
    EXPECT_FLOAT_EQ(p.rotateAngleStep, 90.0f);
    EXPECT_FLOAT_EQ(p.rotateRadialStep, 100.0f);
    EXPECT_FLOAT_EQ(p.rotateHorizontalStep, 20.0f);
    EXPECT_FLOAT_EQ(p.rotateVerticalStep, -50.0f);
    EXPECT_FLOAT_EQ(p.rotateColourFactor, 85.0f);
    EXPECT_EQ(p.rotateCentreMode, 12);
    EXPECT_EQ(p.rotateAngleMode, 8);
    EXPECT_EQ(p.rotateRadialMode, 0);
    EXPECT_EQ(p.rotateHorizontalMode, 7);
    EXPECT_EQ(p.rotateVerticalMode, 12);
    EXPECT_EQ(p.rotateInterpolateMode, 4);
    EXPECT_EQ(p.rotateCopiesPerLayer, 6);
    EXPECT_EQ(p.rotatePreviewApplied, 0);
    // Never drawn.
    EXPECT_EQ(p.rotateLayerOption, 2);
    EXPECT_EQ(p.rotatePreset, 7);
    EXPECT_EQ(p.rotateBaseOnOriginal, 0);
    EXPECT_EQ(p.rotateViewZoom, 300.0f);
}

TEST(RotateTumble, FailedTestsSkipTheirDrawsAndLeaveTheResetValues)
{
    FilterParams p = tumbleStart();
    // Draws just below the 70 and 60 percent thresholds fail the tests.
    test::ScriptedRandom random({0.0f, 0.5f, 0.0f, 0.7f, 0.59f, 0.0f, 0.0f, 0.0f, 0.7f, 0.5f, 0.5f});
    rotateDrawRandomSettings(p, random);
    EXPECT_EQ(random.draws(), 11u);
    EXPECT_EQ(p.rotateCopies, 1);
    EXPECT_FLOAT_EQ(p.rotateAngleStep, 0.0f);
    EXPECT_FLOAT_EQ(p.rotateRadialStep, -50.0f);
    EXPECT_EQ(p.rotateHorizontalStep, 0.0f);
    EXPECT_EQ(p.rotateVerticalStep, 0.0f);
    EXPECT_EQ(p.rotateColourFactor, 100.0f);
    EXPECT_EQ(p.rotateHorizontalMode, 9);
    EXPECT_EQ(p.rotateVerticalMode, 10);
    EXPECT_EQ(p.rotateCopiesPerLayer, 1);
    EXPECT_EQ(p.rotateInterpolateMode, 7);
}

TEST(RotateTumble, DrawsJustBelowOneStayInRange)
{
    FilterParams p = tumbleStart();
    const float top = 0.99999994f; // the largest float below 1
    test::ScriptedRandom random(std::vector<float>(19, top));
    rotateDrawRandomSettings(p, random);
    EXPECT_EQ(random.draws(), 19u);
    EXPECT_EQ(p.rotateCopies, 200);
    EXPECT_LT(p.rotateAngleStep, 180.0f);
    EXPECT_LT(p.rotateRadialStep, 250.0f);
    EXPECT_NEAR(p.rotateHorizontalStep, 0.0f, 1e-5f);
    EXPECT_GE(p.rotateColourFactor, 70.0f);
    EXPECT_EQ(p.rotateCentreMode, 12);
    EXPECT_EQ(p.rotateAngleMode, 15);
    EXPECT_EQ(p.rotateRadialMode, 13);
    EXPECT_EQ(p.rotateHorizontalMode, 13);
    EXPECT_EQ(p.rotateInterpolateMode, 13);
    EXPECT_EQ(p.rotateCopiesPerLayer, 6);
}

TEST(RotatePopups, ListSizesAndLabelsKeepTheirSpaces)
{
    EXPECT_EQ(rotatePopupLabels(30).size(), 15u);
    EXPECT_EQ(rotatePopupLabels(31).size(), 17u);
    EXPECT_EQ(rotatePopupLabels(35).size(), 3u);
    EXPECT_EQ(rotatePopupLabels(36).size(), 11u);
    EXPECT_EQ(rotatePopupLabels(39).size(), 15u);
    for (int32_t id : {32, 33, 34})
        EXPECT_EQ(rotatePopupLabels(id).size(), 15u) << id;

    EXPECT_EQ(rotatePopupLabels(30)[1], " Path(s) top ");
    EXPECT_EQ(rotatePopupLabels(30)[6], " Path split increase");
    EXPECT_EQ(rotatePopupLabels(30)[14], " xxxxx ");
    EXPECT_EQ(rotatePopupLabels(31)[12], " Total random <=");
    EXPECT_EQ(rotatePopupLabels(31)[16], " Doubled rotation");
    EXPECT_EQ(rotatePopupLabels(36)[1], " Bunched ");
    EXPECT_EQ(rotatePopupLabels(36)[6], " Spiral");
    EXPECT_EQ(rotatePopupLabels(35)[2], " No layers");
    EXPECT_EQ(rotatePopupLabels(39)[14], " Interpolate 15");
}

TEST(RotatePopups, OffsetListsDifferPerDirection)
{
    const auto radial = rotatePopupLabels(32);
    const auto horizontal = rotatePopupLabels(33);
    const auto vertical = rotatePopupLabels(34);
    EXPECT_EQ(radial[2], " Radius translation uniform");
    EXPECT_EQ(horizontal[2], " Uniform");
    EXPECT_EQ(radial[10], " Random <=");
    EXPECT_EQ(horizontal[10], " Random <= ");
    EXPECT_EQ(vertical[10], " Random <= ");
    EXPECT_EQ(horizontal[0], " Ignore horizontal translation");
    EXPECT_EQ(vertical[0], " Ignore vertical translation");
    EXPECT_EQ(vertical[1], " Vertical translation as set");
    for (std::size_t k = 2; k < 15; ++k)
        EXPECT_EQ(horizontal[k], vertical[k]) << k;
}

TEST(RotatePopups, UnknownItemsHaveNoLabels)
{
    for (int32_t id : {0, 29, 37, 38, 40, -30})
        EXPECT_TRUE(rotatePopupLabels(id).empty()) << id;
}

} // namespace
} // namespace tovrins
