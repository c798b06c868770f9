#include "translate/translate_copy_values.hpp"

#include <numbers>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/host_doubles.hpp"

namespace tovrins {
namespace {

using test::ConstantRandom;
using test::ScriptedRandom;
using test::StdMath;

// A run of one sequence: the engine's working steps and running offset.
struct Sequence {
    int32_t variation;
    int32_t n;
    float h;
    float v;
    float width = 1000.0f;
    float depth = 1000.0f;
    float x = 0.0f;
    float y = 0.0f;

    void advance(int32_t i, RandomSource& random, HostMath& math)
    {
        TranslateRunning running{h, v, x, y};
        translateAdvanceOffset(variation, i, n, {width, depth}, running, random, math);
        h = running.h;
        v = running.v;
        x = running.x;
        y = running.y;
    }

    // x after each copy of the sequence.
    std::vector<float> xs(RandomSource& random, HostMath& math)
    {
        std::vector<float> out;
        for (int32_t i = 0; i < n; ++i) {
            advance(i, random, math);
            out.push_back(x);
        }
        return out;
    }
};

TEST(TranslateAdvanceOffset, SkipGrowsOnEvenCopiesOnly)
{
    Sequence run{6, 4, 3.0f, -2.0f};
    ConstantRandom random(0.5f);
    StdMath math;
    const std::vector<std::pair<float, float>> expected{{3, -2}, {3, -2}, {6, -4}, {6, -4}};
    for (int32_t i = 0; i < run.n; ++i) {
        run.advance(i, random, math);
        EXPECT_EQ(run.x, expected[i].first) << "copy " << i;
        EXPECT_EQ(run.y, expected[i].second) << "copy " << i;
    }
}

TEST(TranslateAdvanceOffset, ThresholdFallsBackToFiveStepsEachAxisOnItsOwn)
{
    ConstantRandom random(0.5f);
    StdMath math;
    Sequence run{11, 9, 1.0f, -2.0f};
    std::vector<float> ys;
    std::vector<float> xs;
    for (int32_t i = 0; i < run.n; ++i) {
        run.advance(i, random, math);
        xs.push_back(run.x);
        ys.push_back(run.y);
    }
    // An offset equal in size to 5h still grows.
    EXPECT_EQ(xs, (std::vector<float>{1, 2, 3, 4, 5, 6, 5, 6, 5}));
    EXPECT_EQ(ys, (std::vector<float>{-2, -4, -6, -8, -10, -12, -10, -12, -10}));

    // One axis past its threshold while the other is still below.
    Sequence mixed{11, 1, 1.0f, 1.0f, 1000.0f, 1000.0f, 7.0f, 2.0f};
    mixed.advance(0, random, math);
    EXPECT_EQ(mixed.x, 5.0f);
    EXPECT_EQ(mixed.y, 3.0f);
}

TEST(TranslateAdvanceOffset, BounceBackFlipsTheStepOnTheCopyAfterLeavingTheRange)
{
    ConstantRandom random(0.5f);
    StdMath math;
    Sequence run{12, 11, 30.0f, 0.0f, 100.0f, 100.0f};
    EXPECT_EQ(run.xs(random, math), (std::vector<float>{30, 60, 90, 120, 90, 60, 30, 0, -30, 0, 30}));
    EXPECT_EQ(run.h, 30.0f) << "flipped twice";

    // The flip stays in the working step for what follows.
    Sequence once{12, 5, 30.0f, 0.0f, 100.0f, 100.0f};
    once.xs(random, math);
    EXPECT_EQ(once.h, -30.0f);

    // Equal to the width keeps the direction.
    Sequence edge{12, 5, 30.0f, 0.0f, 90.0f, 100.0f};
    EXPECT_EQ(edge.xs(random, math), (std::vector<float>{30, 60, 90, 120, 90}));
}

TEST(TranslateAdvanceOffset, BounceBackUsesTheDepthForY)
{
    ConstantRandom random(0.5f);
    StdMath math;
    // Beyond the depth but inside the width.
    Sequence run{12, 3, 0.0f, 10.0f, 100.0f, 50.0f, 0.0f, 55.0f};
    run.advance(0, random, math);
    EXPECT_EQ(run.y, 45.0f);
    EXPECT_EQ(run.v, -10.0f);
    EXPECT_EQ(run.h, 0.0f);
}

TEST(TranslateAdvanceOffset, IncreaseFiveDoublesTheStepFromCopyFive)
{
    ConstantRandom random(0.5f);
    StdMath math;
    Sequence run{18, 12, 2.0f, 1.0f};
    float previous = 0.0f;
    for (int32_t i = 0; i < run.n; ++i) {
        run.advance(i, random, math);
        const float expected = i < 5 ? 2.0f : i < 10 ? 4.0f : 6.0f;
        EXPECT_EQ(run.x - previous, expected) << "copy " << i;
        previous = run.x;
    }
    EXPECT_EQ(run.y, 5.0f + 10.0f + 6.0f);
}

TEST(TranslateAdvanceOffset, RapidMovesTheSameWayForANegativeStep)
{
    ConstantRandom random(0.5f);
    StdMath math;
    Sequence negative{8, 3, -3.0f, -0.5f};
    Sequence positive{8, 3, 3.0f, 0.5f};
    const std::vector<float> steps{9, 18, 27};
    EXPECT_EQ(negative.xs(random, math), steps);
    EXPECT_EQ(positive.xs(random, math), steps);
    EXPECT_EQ(negative.y, positive.y);
    EXPECT_GT(negative.y, 0.0f);
}

TEST(TranslateAdvanceOffset, IntegerFactorsOfTheStep)
{
    ConstantRandom random(0.5f);
    StdMath math;
    struct Case {
        int32_t variation;
        float expectedX;
    };
    // i = 3 of n = 7, h = 8, starting from x = 1.
    for (const Case c : {Case{2, 1 + 8.0f / 4}, Case{3, 1 + 8.0f * 4}, Case{4, 1 + 8.0f / 5}, Case{5, 1 + 8.0f * 5},
                         Case{0, 9.0f}, Case{1, 8.0f}, Case{16, 9.0f}, Case{17, 8.0f}}) {
        Sequence run{c.variation, 7, 8.0f, 8.0f, 1000.0f, 1000.0f, 1.0f, 1.0f};
        run.advance(3, random, math);
        EXPECT_FLOAT_EQ(run.x, c.expectedX) << "variation " << c.variation;
    }
    // " x-uniform, y-as is" and " x-as is, y-uniform" treat the axes apart.
    Sequence xUniform{16, 7, 2.0f, 5.0f, 1000.0f, 1000.0f, 1.0f, 1.0f};
    xUniform.advance(0, random, math);
    EXPECT_EQ(xUniform.y, 5.0f);
    Sequence yUniform{17, 7, 2.0f, 5.0f, 1000.0f, 1000.0f, 1.0f, 1.0f};
    yUniform.advance(0, random, math);
    EXPECT_EQ(yUniform.y, 6.0f);
}

TEST(TranslateAdvanceOffset, RandomModesDrawForYFirst)
{
    StdMath math;
    ScriptedRandom random({0.25f, 0.75f, 0.25f, 0.75f});
    Sequence walk{7, 2, 8.0f, 8.0f, 1000.0f, 1000.0f, 1.0f, 1.0f};
    walk.advance(0, random, math);
    EXPECT_EQ(walk.y, 3.0f);
    EXPECT_EQ(walk.x, 7.0f);

    Sequence total{9, 2, 8.0f, 8.0f, 1000.0f, 1000.0f, 1.0f, 1.0f};
    total.advance(0, random, math);
    EXPECT_EQ(total.y, 2.0f) << "replaces the offset";
    EXPECT_EQ(total.x, 6.0f);
    EXPECT_EQ(random.draws(), 4u);
}

TEST(TranslateAdvanceOffset, TotalRandomButConstrainedUsesOneDrawOfTheVerticalStep)
{
    StdMath math;
    ScriptedRandom random({0.5f, 0.25f});
    Sequence run{10, 2, 100.0f, 0.0f};
    run.advance(0, random, math);
    EXPECT_EQ(run.x, 0.0f);
    EXPECT_EQ(run.y, 0.0f);

    Sequence vertical{10, 2, 100.0f, 8.0f};
    vertical.advance(0, random, math);
    EXPECT_EQ(vertical.x, 2.0f);
    EXPECT_EQ(vertical.y, 2.0f);
    EXPECT_EQ(random.draws(), 2u);
}

TEST(TranslateAdvanceOffset, DrunkenPathSignsHalfIsNegative)
{
    StdMath math;
    ScriptedRandom random({0.5f, 0.5000001f, 0.9f, 0.1f});
    Sequence run{13, 2, 4.0f, 3.0f};
    run.advance(0, random, math);
    EXPECT_EQ(run.x, -4.0f);
    EXPECT_EQ(run.y, 3.0f);
    run.advance(1, random, math);
    EXPECT_EQ(run.x, 0.0f);
    EXPECT_EQ(run.y, 0.0f);
}

TEST(TranslateAdvanceOffset, StrangeRouteAddsTheOldDistanceToBothAxes)
{
    ConstantRandom random(0.5f);
    StdMath math;
    Sequence run{14, 1, 1.0f, 2.0f, 1000.0f, 1000.0f, 3.0f, 4.0f};
    run.advance(0, random, math);
    ASSERT_EQ(math.rootArgs, std::vector<float>{25.0f});
    EXPECT_EQ(run.x, 9.0f);
    EXPECT_EQ(run.y, 11.0f);
}

TEST(TranslateAdvanceOffset, DistanceRotationTakesVAsDegrees)
{
    ConstantRandom random(0.5f);
    StdMath math;
    Sequence run{15, 1, 10.0f, 90.0f, 1000.0f, 1000.0f, 1.0f, 1.0f};
    run.advance(0, random, math);
    ASSERT_EQ(math.radiansArgs, std::vector<float>{90.0f});
    EXPECT_NEAR(run.x, 1.0f, 1e-5f);
    EXPECT_NEAR(run.y, 11.0f, 1e-5f);
    EXPECT_EQ(run.v, 90.0f);
}

TEST(TranslateAdvanceOffset, OnlyTheRandomModesDrawAndOnlySomeUseMath)
{
    for (int32_t variation = -1; variation <= 19; ++variation) {
        ConstantRandom random(0.3f);
        StdMath math;
        Sequence run{variation, 7, 2.0f, 3.0f};
        run.advance(2, random, math);
        const std::size_t expectedDraws = variation == 7 || variation == 9 || variation == 13 ? 2
            : variation == 10                                                                 ? 1
                                                                                              : 0;
        EXPECT_EQ(random.draws(), expectedDraws) << "variation " << variation;
        const std::size_t expectedMath = variation == 14 ? 1 : variation == 15 ? 3 : 0;
        EXPECT_EQ(math.calls(), expectedMath) << "variation " << variation;
    }
}

TEST(TranslateAdvanceOffset, UnknownVariationLeavesEverythingAlone)
{
    ConstantRandom random(0.3f);
    StdMath math;
    for (const int32_t variation : {-1, 19, 1000}) {
        Sequence run{variation, 7, 2.0f, 3.0f, 1.0f, 1.0f, 5.0f, -6.0f};
        run.advance(2, random, math);
        EXPECT_EQ(run.x, 5.0f);
        EXPECT_EQ(run.y, -6.0f);
        EXPECT_EQ(run.h, 2.0f);
        EXPECT_EQ(run.v, 3.0f);
    }
}

} // namespace
} // namespace tovrins
