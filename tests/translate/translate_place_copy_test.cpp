#include "translate/translate_copy_values.hpp"

#include <cmath>
#include <numbers>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/host_doubles.hpp"

namespace tovrins {
namespace {

using test::ConstantRandom;
using test::ScriptedRandom;
using test::StdMath;

constexpr float kTolerance = 1e-4f;
// Bounds of the new copy; their centre is (20, 30).
constexpr TvRealRect kBounds{10.0f, 40.0f, 30.0f, 20.0f};
constexpr float kMx = 20.0f;
constexpr float kMy = 30.0f;

TranslateCopyInputs inputs(int32_t i, int32_t n, float x, float y, int32_t s = 0)
{
    return {i, s, n, kBounds, {0.0f, 0.0f}, 10.0f, 400.0f, 300.0f, x, y};
}

using Move = TranslateCopyPlacement;

Move place(int32_t placement, const TranslateCopyInputs& in, RandomSource& random, HostMath& math)
{
    Move m{-999.0f, -999.0f};
    translatePlaceCopy(placement, in, m, random, math);
    return m;
}

Move place(int32_t placement, const TranslateCopyInputs& in)
{
    ConstantRandom random(0.5f);
    StdMath math;
    return place(placement, in, random, math);
}

::testing::AssertionResult movesTo(const Move& m, float x, float y)
{
    if (std::fabs(m.tx - x) <= kTolerance && std::fabs(m.ty - y) <= kTolerance) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "moved by (" << m.tx << ", " << m.ty << "), expected (" << x << ", " << y
                                         << ")";
}

TEST(TranslatePlaceCopy, OriginalPathCenterStartsAtTheStepAndCircles)
{
    ConstantRandom random(0.5f);
    StdMath math;
    TranslateRunning running{12.0f, 7.0f, 0.0f, 0.0f};
    const float& x = running.x;
    const float& y = running.y;
    translateAdvanceOffset(0, 0, 8, {400.0f, 300.0f}, running, random, math);
    EXPECT_TRUE(movesTo(place(1, inputs(0, 8, x, y)), 12.0f, 0.0f));
    // A quarter of the way round: all on the vertical radius.
    EXPECT_TRUE(movesTo(place(1, inputs(2, 8, 36.0f, 21.0f)), 0.0f, 21.0f));
    EXPECT_TRUE(movesTo(place(1, inputs(4, 8, 36.0f, 21.0f)), -36.0f, 0.0f));
}

TEST(TranslatePlaceCopy, TheAngleIsIndexTimes360OverCount)
{
    StdMath math;
    ConstantRandom random(0.5f);
    place(1, inputs(3, 7, 1.0f, 1.0f), random, math);
    ASSERT_EQ(math.radiansArgs.size(), 1u);
    EXPECT_EQ(math.radiansArgs[0], 1080.0f / 7.0f);
}

TEST(TranslatePlaceCopy, DoubleAndTripleAnglesAreTakenAfterConversion)
{
    ConstantRandom random(0.5f);
    StdMath twist;
    place(15, inputs(1, 7, 1.0f, 1.0f), random, twist);
    const float a = twist.degreesToRadians(360.0f / 7.0f);
    EXPECT_EQ(twist.cosineArgs, std::vector<float>{a + a});
    EXPECT_EQ(twist.sineArgs, std::vector<float>{a});

    StdMath twister;
    place(16, inputs(1, 7, 1.0f, 1.0f), random, twister);
    EXPECT_EQ(twister.cosineArgs, std::vector<float>{a * 3.0f});
    EXPECT_EQ(twister.sineArgs, std::vector<float>{a + a});
}

TEST(TranslatePlaceCopy, CircularFamiliesAtAnEighthTurn)
{
    const float c = std::cos(std::numbers::pi_v<float> / 4);
    const auto at = [](int32_t placement, int32_t s = 0) { return place(placement, inputs(1, 8, 2.0f, 3.0f, s)); };
    EXPECT_TRUE(movesTo(at(15), 0.0f, 3.0f * c));
    EXPECT_TRUE(movesTo(at(16), -2.0f * c, 3.0f));
    EXPECT_TRUE(movesTo(at(18), 2.0f * (c + c), 0.0f));
    EXPECT_TRUE(movesTo(at(19), 2.0f * (c - c), 3.0f * (c - c)));
    EXPECT_TRUE(movesTo(at(9), -2.0f * c, 3.0f * c)) << "odd copy reflected";
    EXPECT_TRUE(movesTo(place(9, inputs(2, 8, 2.0f, 3.0f)), 0.0f, 3.0f));
    EXPECT_TRUE(movesTo(at(27, 2), 3.0f * 2.0f * c, 3.0f * 3.0f * c));
    EXPECT_TRUE(movesTo(at(28, 0), 2.0f * c, 3.0f * c));
    EXPECT_TRUE(movesTo(at(28, 1), 2.0f * c, -3.0f * c));
    EXPECT_TRUE(movesTo(at(29, 2), 2.0f * c, 3.0f * c));
    EXPECT_TRUE(movesTo(at(29, 3), -2.0f * c, -3.0f * c));
}

TEST(TranslatePlaceCopy, ThreeProngedWithSixCopies)
{
    const float x = 4.0f, y = 5.0f;
    for (int32_t i : {0, 3})
        EXPECT_TRUE(movesTo(place(2, inputs(i, 6, x, y)), x, 0.0f));
    for (int32_t i : {1, 4})
        EXPECT_TRUE(movesTo(place(2, inputs(i, 6, x, y)), 0.0f, y));
    for (int32_t i : {2, 5})
        EXPECT_TRUE(movesTo(place(2, inputs(i, 6, x, y)), x, y));
}

TEST(TranslatePlaceCopy, MissionOrbitAndSquaredFallBackToTheTwistAfterTheQuarters)
{
    const float x = 4.0f, y = 5.0f;
    const std::vector<Move> orbit{{x, y}, {-x, y}, {-x, -y}, {x, -y}};
    const std::vector<Move> squared{{0, y}, {x, 0}, {0, -y}, {-x, 0}};
    for (int32_t i = 0; i < 4; ++i) {
        EXPECT_TRUE(movesTo(place(13, inputs(i, 7, x, y)), orbit[i].tx, orbit[i].ty));
        EXPECT_TRUE(movesTo(place(14, inputs(i, 7, x, y)), squared[i].tx, squared[i].ty));
    }
    for (int32_t i = 4; i < 7; ++i) {
        const Move twist = place(15, inputs(i, 7, x, y));
        EXPECT_TRUE(movesTo(place(13, inputs(i, 7, x, y)), twist.tx, twist.ty));
        EXPECT_TRUE(movesTo(place(14, inputs(i, 7, x, y)), twist.tx, twist.ty));
    }
    // With q = 2 each quadrant holds two copies.
    EXPECT_TRUE(movesTo(place(13, inputs(3, 8, x, y)), -x, y));
    EXPECT_TRUE(movesTo(place(14, inputs(7, 8, x, y)), -x, 0.0f));
}

TEST(TranslatePlaceCopy, LinedStacksQuartersAndWritesNothingAfterThem)
{
    const float x = 4.0f;
    const std::vector<float> ty{0, 0, 10, 10, 20, 20, 30, 30};
    for (int32_t i = 0; i < 8; ++i) {
        EXPECT_TRUE(movesTo(place(17, inputs(i, 9, x, 99.0f)), x, ty[i])) << "copy " << i;
    }
    ConstantRandom random(0.5f);
    StdMath math;
    TranslateCopyPlacement held{1.5f, -2.5f};
    translatePlaceCopy(17, inputs(8, 9, x, 99.0f), held, random, math);
    EXPECT_EQ(held.tx, 1.5f);
    EXPECT_EQ(held.ty, -2.5f);
    // Below four copies there are no quarters: the engine's (0, 0) stays.
    TranslateCopyPlacement start{};
    for (int32_t i = 0; i < 3; ++i)
        translatePlaceCopy(17, inputs(i, 3, x, 5.0f), start, random, math);
    EXPECT_EQ(start.tx, 0.0f);
    EXPECT_EQ(start.ty, 0.0f);
}

TEST(TranslatePlaceCopy, CenterTranslateLastCopyLandsOnTheOffset)
{
    ConstantRandom random(0.5f);
    StdMath math;
    TranslateRunning running{6.0f, -3.0f, 0.0f, 0.0f};
    const float& x = running.x;
    const float& y = running.y;
    Move m{};
    for (int32_t i = 0; i < 4; ++i) {
        translateAdvanceOffset(0, i, 4, {400.0f, 300.0f}, running, random, math);
        m = place(22, inputs(i, 4, x, y));
        if (i == 0) {
            EXPECT_TRUE(movesTo(m, (6.0f - kMx) / 4, (-3.0f - kMy) / 4));
        }
    }
    EXPECT_FLOAT_EQ(kMx + m.tx, x);
    EXPECT_FLOAT_EQ(kMy + m.ty, y);
}

TEST(TranslatePlaceCopy, CenterApproachesLandOnTheirTargets)
{
    const float x = 5.0f, y = 7.0f;
    const Move document = place(23, inputs(2, 3, x, y));
    EXPECT_FLOAT_EQ(kMx + document.tx, 200.0f + x);
    EXPECT_FLOAT_EQ(kMy + document.ty, 150.0f + y);

    TranslateCopyInputs first = inputs(0, 2, x, y);
    first.anchor = {100.0f, -40.0f};
    const Move half = place(24, first);
    EXPECT_FLOAT_EQ(half.tx, (100.0f + x - kMx) / 2);
    EXPECT_FLOAT_EQ(half.ty, (-40.0f + y - kMy) / 2);
}

TEST(TranslatePlaceCopy, RandomThroughoutDocumentDrawsXThenY)
{
    StdMath math;
    ScriptedRandom random({0.25f, 0.5f});
    const Move m = place(12, inputs(0, 7, 3.0f, 3.0f), random, math);
    EXPECT_EQ(random.draws(), 2u);
    EXPECT_FLOAT_EQ(kMx + m.tx, 100.0f);
    EXPECT_FLOAT_EQ(kMy + m.ty, 150.0f);
}

TEST(TranslatePlaceCopy, TriAngledHandsTheFixedAngleToTheHostAsRadians)
{
    ConstantRandom random(0.5f);
    const float cosK = std::cos(19.09859f);
    const float sinK = std::sin(19.09859f);
    const float x = 10.0f, y = 20.0f;
    const std::vector<std::pair<int32_t, Move>> cases{
        {0, {x * cosK, y * sinK}}, {5, {x * cosK, y * sinK}}, {6, {x * cosK, -y * sinK}}, {11, {x * cosK, -y * sinK}},
        {12, {-x * cosK, 0.0f}},   {17, {-x * cosK, 0.0f}},   {18, {x * cosK, y * sinK}}};
    for (const auto& [i, expected] : cases) {
        StdMath math;
        EXPECT_TRUE(movesTo(place(21, inputs(i, 30, x, y), random, math), expected.tx, expected.ty));
        EXPECT_TRUE(math.radiansArgs.empty()) << "copy " << i;
        for (const float arg : math.cosineArgs)
            EXPECT_EQ(arg, 19.09859f);
        for (const float arg : math.sineArgs)
            EXPECT_EQ(arg, 19.09859f);
    }
}

struct SignCase {
    int32_t placement;
    int32_t i;
    int32_t s;
    float tx;
    float ty;
};

class TranslatePlacementPattern : public ::testing::TestWithParam<SignCase> { };

// x = 2, y = 3 throughout.
TEST_P(TranslatePlacementPattern, Move)
{
    const SignCase c = GetParam();
    EXPECT_TRUE(movesTo(place(c.placement, inputs(c.i, 40, 2.0f, 3.0f, c.s)), c.tx, c.ty));
}

INSTANTIATE_TEST_SUITE_P(Placements, TranslatePlacementPattern,
                         ::testing::Values(SignCase{0, 5, 1, 2, 3},
                                           // Zigzag, pyramid, steps, two pronged scale by the copy index.
                                           SignCase{3, 4, 0, 8, 0}, SignCase{3, 5, 0, 10, 3}, SignCase{5, 4, 0, 8, 0},
                                           SignCase{5, 3, 0, 6, 3}, SignCase{6, 4, 0, 8, 12}, SignCase{6, 5, 0, 12, 15},
                                           SignCase{7, 4, 0, 8, 12}, SignCase{7, 5, 0, 12, 3},
                                           // Outward cross turns through the quadrants.
                                           SignCase{4, 4, 0, 2, 3}, SignCase{4, 5, 0, -2, 3}, SignCase{4, 6, 0, -2, -3},
                                           SignCase{4, 7, 0, 2, -3},
                                           // Reflections by copy parity.
                                           SignCase{8, 2, 1, 2, 3}, SignCase{8, 3, 0, 2, -3}, SignCase{10, 3, 0, -2, 3},
                                           SignCase{26, 2, 1, 2, 3}, SignCase{26, 1, 0, -2, -3},
                                           // Up-down in fives.
                                           SignCase{11, 5, 0, 10, 0}, SignCase{11, 6, 0, 12, 3},
                                           SignCase{11, 7, 0, 15, 3}, SignCase{11, 8, 0, 17, -3},
                                           SignCase{11, 9, 0, 20, -3},
                                           // Squared spiral in blocks of five out of twenty.
                                           SignCase{20, 4, 0, 2, 3}, SignCase{20, 5, 0, -2, 3},
                                           SignCase{20, 14, 0, -2, -3}, SignCase{20, 19, 0, 2, -3},
                                           SignCase{20, 20, 0, 2, 3},
                                           // Path alternate follows the object, not the copy.
                                           SignCase{25, 1, 0, 2, 3}, SignCase{25, 0, 1, -2, -3}));

TEST(TranslatePlaceCopy, UnknownPlacementWritesNothing)
{
    for (const int32_t placement : {-1, 30, 99}) {
        const Move m = place(placement, inputs(1, 7, 2.0f, 3.0f));
        EXPECT_EQ(m.tx, -999.0f);
        EXPECT_EQ(m.ty, -999.0f);
    }
}

TEST(TranslatePlaceCopy, OnlyRandomThroughoutDocumentDraws)
{
    for (int32_t placement = 0; placement < 30; ++placement) {
        ConstantRandom random(0.5f);
        StdMath math;
        place(placement, inputs(3, 7, 2.0f, 3.0f), random, math);
        EXPECT_EQ(random.draws(), placement == 12 ? 2u : 0u) << "placement " << placement;
    }
}

} // namespace
} // namespace tovrins
