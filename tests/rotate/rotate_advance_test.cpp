#include <cstdint>
#include <numbers>
#include <vector>

#include <gtest/gtest.h>

#include "rotate/rotate_copy_values.hpp"
#include "tests/support/host_doubles.hpp"

namespace tovrins {
namespace {

using test::ScriptedRandom;
using test::StdMath;

// Runs copies 0 to size - 1 of a series from a = 0 and collects a after each.
std::vector<float> offsetSeries(int32_t mode, float v, std::size_t copies, RandomSource& random)
{
    std::vector<float> values;
    float a = 0.0f;
    const auto n = static_cast<int32_t>(copies);
    for (int32_t i = 0; i < n; ++i) {
        rotateAdvanceOffset(mode, i, n, v, a, random);
        values.push_back(a);
    }
    return values;
}

std::vector<float> offsetSeries(int32_t mode, float v, std::size_t copies)
{
    ScriptedRandom none;
    return offsetSeries(mode, v, copies, none);
}

using Series = std::vector<float>;

TEST(RotateAdvanceOffset, DeterministicModes)
{
    EXPECT_EQ(offsetSeries(0, 25.0f, 3), (Series{0, 0, 0}));
    EXPECT_EQ(offsetSeries(1, 3.0f, 3), (Series{3, 3, 3}));
    EXPECT_EQ(offsetSeries(2, 10.0f, 3), (Series{10, 20, 30}));
    EXPECT_EQ(offsetSeries(3, 12.0f, 3), (Series{12, 18, 22}));
    EXPECT_EQ(offsetSeries(4, 10.0f, 3), (Series{10, 30, 60}));
    EXPECT_EQ(offsetSeries(5, 12.0f, 3), (Series{3, 7, 13}));
    EXPECT_EQ(offsetSeries(6, 1.0f, 3), (Series{4, 7, 9}));
    EXPECT_EQ(offsetSeries(7, 10.0f, 5), (Series{10, 10, 20, 20, 30}));
    EXPECT_EQ(offsetSeries(9, 3.0f, 2), (Series{9, 18}));
    EXPECT_EQ(offsetSeries(14, 10.0f, 5), (Series{20, 30, 50, 60, 80}));
}

TEST(RotateAdvanceOffset, ModeZeroHoldsAnEarlierValueAtZero)
{
    ScriptedRandom none;
    float a = 17.0f;
    rotateAdvanceOffset(0, 3, 7, 5.0f, a, none);
    EXPECT_EQ(a, 0.0f);
}

TEST(RotateAdvanceOffset, LimitsFallBackAfterPassingFiveSteps)
{
    EXPECT_EQ(offsetSeries(12, 10.0f, 9), (Series{10, 20, 30, 40, 50, 60, 50, 60, 50}));
    EXPECT_EQ(offsetSeries(12, -10.0f, 7), (Series{-10, -20, -30, -40, -50, -60, -50}));
}

TEST(RotateAdvanceOffset, RandomModesDrawAndReplaceOrAdd)
{
    ScriptedRandom random({0.5f, 0.25f, 0.75f, 0.5f, 0.5f, 0.25f, 0.75f, 0.5f});
    float a = 100.0f;
    rotateAdvanceOffset(8, 0, 5, 10.0f, a, random); // a + r v
    EXPECT_FLOAT_EQ(a, 105.0f);
    rotateAdvanceOffset(10, 1, 5, 8.0f, a, random); // r v, replacing
    EXPECT_FLOAT_EQ(a, 2.0f);
    rotateAdvanceOffset(11, 2, 5, 8.0f, a, random); // sign draw above 0.5: +
    EXPECT_FLOAT_EQ(a, 4.0f);
    rotateAdvanceOffset(11, 3, 5, 8.0f, a, random); // exactly 0.5 is not above: -
    EXPECT_FLOAT_EQ(a, -2.0f);
    rotateAdvanceOffset(13, 4, 5, 8.0f, a, random);
    EXPECT_FLOAT_EQ(a, 6.0f);
    rotateAdvanceOffset(13, 4, 5, 8.0f, a, random);
    EXPECT_FLOAT_EQ(a, -2.0f);
    EXPECT_EQ(random.draws(), 8u);
}

TEST(RotateAdvanceOffset, UnknownModesChangeNothingAndDrawNothing)
{
    ScriptedRandom none;
    for (int32_t mode : {15, 16, -1, 1000}) {
        float a = 7.5f;
        rotateAdvanceOffset(mode, 2, 5, 3.0f, a, none);
        EXPECT_EQ(a, 7.5f) << mode;
    }
    EXPECT_EQ(none.draws(), 0u);
}

TEST(RotateAdvanceOffset, RoundsOnlyTheFinalSum)
{
    // 4097 squared needs 25 bits; rounding the square first would lose the 1.
    ScriptedRandom none;
    float a = -16785408.0f;
    rotateAdvanceOffset(9, 0, 1, 4097.0f, a, none);
    EXPECT_EQ(a, 1.0f);
}

TEST(RotateAdvanceAngle, DefaultAddsAndAsSetReplaces)
{
    ScriptedRandom none;
    StdMath math;
    float a = 0.0f;
    rotateAdvanceAngle(0, 0, 3, 0.25f, a, none, math);
    rotateAdvanceAngle(0, 1, 3, 0.25f, a, none, math);
    EXPECT_EQ(a, 0.5f);
    rotateAdvanceAngle(1, 2, 3, 0.25f, a, none, math);
    EXPECT_EQ(a, 0.25f);
    EXPECT_EQ(math.conversions(), 0u);
}

TEST(RotateAdvanceAngle, FullCircleOverFourCopiesIgnoresTheStep)
{
    ScriptedRandom none;
    StdMath math;
    float a = 0.0f;
    for (int32_t i = 0; i < 4; ++i)
        rotateAdvanceAngle(2, i, 4, 123.0f, a, none, math);
    EXPECT_EQ(math.conversions(), 4u);
    EXPECT_NEAR(a, 2.0f * std::numbers::pi_v<float>, 1e-5f);
}

TEST(RotateAdvanceAngle, SemiAndQuarterCircleSpreadOverTheCopies)
{
    ScriptedRandom none;
    StdMath math;
    float semi = 0.0f;
    float quarter = 0.0f;
    for (int32_t i = 0; i < 3; ++i) {
        rotateAdvanceAngle(3, i, 3, 1.0f, semi, none, math);
        rotateAdvanceAngle(4, i, 3, 1.0f, quarter, none, math);
    }
    EXPECT_NEAR(semi, std::numbers::pi_v<float>, 1e-5f);
    EXPECT_NEAR(quarter, std::numbers::pi_v<float> / 2.0f, 1e-5f);
}

TEST(RotateAdvanceAngle, HigherModesAreTheOffsetModesShiftedByTwo)
{
    StdMath math;
    struct Case {
        int32_t angleMode;
        std::vector<float> draws;
    };
    const Case cases[] = {{5, {}},
                          {6, {}},
                          {7, {}},
                          {8, {}},
                          {9, {}},
                          {10, {0.5f, 0.25f, 0.75f, 0.1f}},
                          {11, {}},
                          {12, {0.5f, 0.25f, 0.75f, 0.1f}},
                          {13, {0.75f, 0.5f, 0.25f, 0.5f, 0.9f, 0.1f, 0.2f, 0.3f}},
                          {14, {}},
                          {15, {0.75f, 0.25f, 0.5f, 0.9f}},
                          {16, {}}};
    for (const Case& c : cases) {
        ScriptedRandom angleDraws(c.draws);
        ScriptedRandom offsetDraws(c.draws);
        float angle = 0.0f;
        float offset = 0.0f;
        for (int32_t i = 0; i < 4; ++i) {
            rotateAdvanceAngle(c.angleMode, i, 4, 1.5f, angle, angleDraws, math);
            rotateAdvanceOffset(c.angleMode - 2, i, 4, 1.5f, offset, offsetDraws);
            EXPECT_EQ(angle, offset) << "mode " << c.angleMode << " copy " << i;
        }
        EXPECT_EQ(angleDraws.draws(), c.draws.size()) << "mode " << c.angleMode;
    }
}

TEST(RotateAdvanceAngle, SkipAndDoubledAlternate)
{
    ScriptedRandom none;
    StdMath math;
    float skip = 0.0f;
    float doubled = 0.0f;
    std::vector<float> skips;
    std::vector<float> doubles;
    for (int32_t i = 0; i < 4; ++i) {
        rotateAdvanceAngle(9, i, 4, 0.5f, skip, none, math);
        rotateAdvanceAngle(16, i, 4, 0.5f, doubled, none, math);
        skips.push_back(skip);
        doubles.push_back(doubled);
    }
    EXPECT_EQ(skips, (Series{0.5f, 0.5f, 1.0f, 1.0f}));
    EXPECT_EQ(doubles, (Series{1.0f, 1.5f, 2.5f, 3.0f}));
}

TEST(RotateAdvanceAngle, UnknownModesChangeNothing)
{
    ScriptedRandom none;
    StdMath math;
    for (int32_t mode : {17, -1, 99}) {
        float a = 0.75f;
        rotateAdvanceAngle(mode, 1, 4, 0.5f, a, none, math);
        EXPECT_EQ(a, 0.75f) << mode;
    }
    EXPECT_EQ(math.conversions(), 0u);
    EXPECT_EQ(none.draws(), 0u);
}

} // namespace
} // namespace tovrins
