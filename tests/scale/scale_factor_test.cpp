// Series of scale factors as the engine advances them, one call per copy.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "scale/scale_copy_values.hpp"
#include "tests/support/host_doubles.hpp"

namespace tovrins {
namespace {

using test::kAlmostOne;
using test::ScriptedRandom;

std::vector<float> factorSeries(int32_t mode, int32_t n, float s, RandomSource& random)
{
    std::vector<float> series;
    float f = 1.0f;
    for (int32_t i = 0; i < n; ++i) {
        scaleAdvanceFactor(mode, i, n, s, f, random);
        series.push_back(f);
    }
    return series;
}

std::vector<float> factorSeries(int32_t mode, int32_t n, float s)
{
    ScriptedRandom noDraws;
    auto series = factorSeries(mode, n, s, noDraws);
    EXPECT_EQ(noDraws.draws(), 0u) << "mode " << mode;
    return series;
}

TEST(ScaleFactor, DefaultStepShrinksGeometrically)
{
    const float s = 96.0f * 0.01f;
    const auto series = factorSeries(0, 7, s);
    for (int32_t i = 0; i < 7; ++i)
        EXPECT_NEAR(series[i], std::pow(0.96, i + 1), 1e-6) << "copy " << i;
}

TEST(ScaleFactor, FullStepKeepsTheOriginalSize)
{
    for (float f : factorSeries(0, 10, 1.0f))
        EXPECT_EQ(f, 1.0f);
}

TEST(ScaleFactor, ZeroStepCollapsesAndNegativeStepMirrorsInTurn)
{
    for (float f : factorSeries(0, 4, 0.0f))
        EXPECT_EQ(f, 0.0f);
    EXPECT_EQ(factorSeries(0, 4, -0.5f), (std::vector<float>{-0.5f, 0.25f, -0.125f, 0.0625f}));
}

TEST(ScaleFactor, SkipResetsEveryOddCopy)
{
    EXPECT_EQ(factorSeries(4, 6, 0.5f), (std::vector<float>{0.5f, 1.0f, 0.5f, 1.0f, 0.5f, 1.0f}));
}

TEST(ScaleFactor, ThresholdTestsTheFactorBeforeMultiplying)
{
    EXPECT_EQ(factorSeries(9, 8, 2.0f), (std::vector<float>{2, 4, 8, 16, 10, 20, 10, 20}));
}

TEST(ScaleFactor, DeterministicModes)
{
    EXPECT_EQ(factorSeries(1, 3, 0.5f), (std::vector<float>{0.5f, 0.5f, 0.5f}));
    // f s / (i + 1): 0.5, 0.125, 0.125 / 6.
    const auto accelerating = factorSeries(2, 3, 0.5f);
    EXPECT_FLOAT_EQ(accelerating[1], 0.125f);
    EXPECT_FLOAT_EQ(accelerating[2], 0.125f / 6.0f);
    EXPECT_EQ(factorSeries(6, 2, 0.5f), (std::vector<float>{0.25f, 0.0625f}));
    // s f f / (s + 1): s = 3 gives 0.75, then 3 * 0.5625 / 4.
    const auto jumps = factorSeries(7, 2, 3.0f);
    EXPECT_FLOAT_EQ(jumps[0], 0.75f);
    EXPECT_FLOAT_EQ(jumps[1], 3.0f * 0.5625f / 4.0f);
    // Odd copies once the step, even copies twice.
    EXPECT_EQ(factorSeries(11, 4, 0.5f), (std::vector<float>{1.0f, 0.5f, 0.5f, 0.25f}));
    EXPECT_EQ(factorSeries(12, 3, 0.25f), (std::vector<float>{1.25f, 1.5f, 1.75f}));
    EXPECT_EQ(factorSeries(13, 3, 0.25f), (std::vector<float>{0.75f, 0.5f, 0.25f}));
}

TEST(ScaleFactor, DirectionReversedGrowsWithTheCopyIndex)
{
    // The quotient (i + 1) / n must not be truncated to an integer.
    const auto series = factorSeries(3, 3, 1.0f);
    EXPECT_FLOAT_EQ(series[0], 4.0f / 3.0f);
    EXPECT_FLOAT_EQ(series[1], 4.0f / 3.0f * 5.0f / 3.0f);
    EXPECT_FLOAT_EQ(series[2], 4.0f / 3.0f * 5.0f / 3.0f * 2.0f);
}

TEST(ScaleFactor, RandomModesDrawOncePerCopy)
{
    ScriptedRandom random({0.5f, 0.25f, 0.0f, kAlmostOne});
    EXPECT_EQ(factorSeries(5, 2, 0.8f, random), (std::vector<float>{0.4f, 0.2f}));
    // Total random ignores the step and stays below 2.
    const auto total = factorSeries(8, 2, 123.0f, random);
    EXPECT_EQ(total[0], 0.0f);
    EXPECT_LT(total[1], 2.0f);
    EXPECT_NEAR(total[1], 2.0f, 1e-6);
    EXPECT_EQ(random.draws(), 4u);
}

TEST(ScaleFactor, EitherWayAddsOrSubtractsByOneSignDraw)
{
    // 0.5 itself counts as negative.
    ScriptedRandom random({0.75f, 0.5f, 0.25f, 0.51f});
    EXPECT_EQ(factorSeries(10, 4, 0.25f, random), (std::vector<float>{1.25f, 1.0f, 0.75f, 1.0f}));
    EXPECT_EQ(random.draws(), 4u);
}

TEST(ScaleFactor, UnknownModeLeavesTheFactor)
{
    ScriptedRandom noDraws;
    for (int32_t mode : {-1, 14, 100}) {
        float f = 0.7f;
        scaleAdvanceFactor(mode, 0, 7, 0.5f, f, noDraws);
        EXPECT_EQ(f, 0.7f) << "mode " << mode;
    }
    EXPECT_EQ(noDraws.draws(), 0u);
}

} // namespace
} // namespace tovrins
