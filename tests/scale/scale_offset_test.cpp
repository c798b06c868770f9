// Series of horizontal and vertical offsets as the engine advances them.
#include <gtest/gtest.h>

#include <vector>

#include "scale/scale_copy_values.hpp"
#include "tests/support/host_doubles.hpp"

namespace tovrins {
namespace {

using test::ScriptedRandom;

using OffsetFunction = void (*)(int32_t, int32_t, int32_t, float, float&, RandomSource&);

std::vector<float> offsetSeries(OffsetFunction next, int32_t mode, int32_t n, float d, RandomSource& random)
{
    std::vector<float> series;
    float o = 0.0f;
    for (int32_t i = 0; i < n; ++i) {
        next(mode, i, n, d, o, random);
        series.push_back(o);
    }
    return series;
}

// The same series from both axes, which share every mode but 10 and 11.
std::vector<float> bothAxes(int32_t mode, int32_t n, float d)
{
    ScriptedRandom noDraws;
    const auto horizontal = offsetSeries(scaleAdvanceHorizontalOffset, mode, n, d, noDraws);
    const auto vertical = offsetSeries(scaleAdvanceVerticalOffset, mode, n, d, noDraws);
    EXPECT_EQ(horizontal, vertical) << "mode " << mode;
    EXPECT_EQ(noDraws.draws(), 0u) << "mode " << mode;
    return horizontal;
}

TEST(ScaleOffset, DeterministicModes)
{
    EXPECT_EQ(bothAxes(0, 3, 10.0f), (std::vector<float>{0, 0, 0}));
    EXPECT_EQ(bothAxes(1, 3, 10.0f), (std::vector<float>{10, 10, 10}));
    EXPECT_EQ(bothAxes(2, 3, 10.0f), (std::vector<float>{10, 20, 30}));
    EXPECT_EQ(bothAxes(3, 3, 12.0f), (std::vector<float>{12, 18, 22}));
    EXPECT_EQ(bothAxes(4, 3, 1.0f), (std::vector<float>{1, 3, 6}));
    // d / (n - i + 1) and (n - i + 1) d with n = 3.
    EXPECT_EQ(bothAxes(5, 3, 12.0f), (std::vector<float>{3, 7, 13}));
    EXPECT_EQ(bothAxes(6, 3, 1.0f), (std::vector<float>{4, 7, 9}));
    EXPECT_EQ(bothAxes(7, 4, 5.0f), (std::vector<float>{5, 5, 10, 10}));
    EXPECT_EQ(bothAxes(9, 2, 3.0f), (std::vector<float>{9, 18}));
    EXPECT_EQ(bothAxes(14, 3, 1.0f), (std::vector<float>{2, 3, 5}));
    EXPECT_EQ(bothAxes(15, 4, 1.0f), (std::vector<float>{1, -2, -1, 0}));
}

TEST(ScaleOffset, ThresholdFallsBackOnceTheSquareExceedsTheLimit)
{
    EXPECT_EQ(bothAxes(12, 8, 2.0f), (std::vector<float>{2, 4, 6, 8, 10, 12, 10, 12}));
}

TEST(ScaleOffset, NegativeStepsRunBackwards)
{
    EXPECT_EQ(bothAxes(2, 3, -4.0f), (std::vector<float>{-4, -8, -12}));
    EXPECT_EQ(bothAxes(12, 8, -2.0f), (std::vector<float>{-2, -4, -6, -8, -10, -12, -10, -12}));
}

TEST(ScaleOffset, RandomStarAndEitherWayAccumulate)
{
    ScriptedRandom random({0.5f, 0.25f, 0.9f, 0.5f});
    EXPECT_EQ(offsetSeries(scaleAdvanceHorizontalOffset, 8, 2, 8.0f, random), (std::vector<float>{4, 6}));
    EXPECT_EQ(offsetSeries(scaleAdvanceVerticalOffset, 13, 2, 3.0f, random), (std::vector<float>{3, 0}));
    EXPECT_EQ(random.draws(), 4u);
}

TEST(ScaleOffset, SignedAndUnsignedRandomSwapBetweenAxes)
{
    // Unsigned: one draw. Signed: the sign draw first, then the size.
    ScriptedRandom unsignedDraws({0.25f, 0.75f});
    float o = 99.0f;
    scaleAdvanceHorizontalOffset(10, 0, 7, 8.0f, o, unsignedDraws);
    EXPECT_EQ(o, 2.0f);
    scaleAdvanceVerticalOffset(11, 1, 7, 8.0f, o, unsignedDraws);
    EXPECT_EQ(o, 6.0f);
    EXPECT_EQ(unsignedDraws.draws(), 2u);

    ScriptedRandom signedDraws({0.4f, 0.5f, 0.9f, 0.25f});
    scaleAdvanceHorizontalOffset(11, 0, 7, 8.0f, o, signedDraws);
    EXPECT_EQ(o, -4.0f);
    scaleAdvanceVerticalOffset(10, 1, 7, 8.0f, o, signedDraws);
    EXPECT_EQ(o, 2.0f);
    EXPECT_EQ(signedDraws.draws(), 4u);
}

TEST(ScaleOffset, OnlyVerticalRandomAtMostCanGoNegative)
{
    const std::vector<float> draws{0.1f, 0.3f, 0.2f, 0.7f, 0.45f, 0.05f, 0.3f, 0.9f};
    ScriptedRandom horizontalRandom(draws);
    for (float o : offsetSeries(scaleAdvanceHorizontalOffset, 10, 8, 5.0f, horizontalRandom))
        EXPECT_GE(o, 0.0f);

    ScriptedRandom verticalRandom(draws);
    const auto vertical = offsetSeries(scaleAdvanceVerticalOffset, 10, 4, 5.0f, verticalRandom);
    const std::vector<float> expected{-1.5f, -3.5f, -0.25f, -4.5f};
    ASSERT_EQ(vertical.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_FLOAT_EQ(vertical[i], expected[i]) << "copy " << i;
}

TEST(ScaleOffset, UnknownModeLeavesTheOffset)
{
    ScriptedRandom noDraws;
    for (int32_t mode : {-1, 16, 40}) {
        float horizontal = 3.5f;
        float vertical = -2.5f;
        scaleAdvanceHorizontalOffset(mode, 0, 7, 10.0f, horizontal, noDraws);
        scaleAdvanceVerticalOffset(mode, 0, 7, 10.0f, vertical, noDraws);
        EXPECT_EQ(horizontal, 3.5f) << "mode " << mode;
        EXPECT_EQ(vertical, -2.5f) << "mode " << mode;
    }
    EXPECT_EQ(noDraws.draws(), 0u);
}

} // namespace
} // namespace tovrins
