#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "rotate/rotate_copy_values.hpp"
#include "tests/support/host_doubles.hpp"

namespace tovrins {
namespace {

using test::ScriptedRandom;
using test::StdMath;

// Bounds centred on (20, 30), bottom 20, top 40; a 200 by 100 document.
RotateCopyInputs baseInputs()
{
    RotateCopyInputs in{};
    in.bounds = {10.0f, 40.0f, 30.0f, 20.0f};
    in.documentSize = {200.0f, 100.0f};
    in.horizontal = 3.0f;
    in.vertical = 4.0f;
    in.averageCentre = {70.0f, 80.0f};
    in.firstCentre = {-5.0f, -6.0f};
    return in;
}

void expectPoint(TvRealPoint actual, float h, float v, const std::string& what)
{
    EXPECT_NEAR(actual.h, h, 1e-4f) << what << ".h";
    EXPECT_NEAR(actual.v, v, 1e-4f) << what << ".v";
}

struct Placer {
    ScriptedRandom random{{}};
    StdMath math;
    std::optional<RotateCopyPlacement> placement;

    RotateCopyPlacement place(int32_t mode, int32_t i, int32_t n, const RotateCopyInputs& in)
    {
        rotatePlaceCopy(mode, i, n, in, placement, random, math);
        EXPECT_TRUE(placement.has_value());
        return placement.value_or(RotateCopyPlacement{});
    }
};

TEST(RotatePlaceCopy, ZeroRadialNeverAsksForTrigonometry)
{
    RotateCopyInputs in = baseInputs();
    in.angle = 0.7f;
    for (int32_t mode = 0; mode <= 14; ++mode) {
        Placer p;
        p.random = ScriptedRandom(std::vector<float>(16, 0.5f));
        for (int32_t i = 0; i < 8; ++i)
            p.place(mode, i, 8, in);
        EXPECT_EQ(p.math.sines() + p.math.cosines(), 0u) << "mode " << mode;
    }
}

TEST(RotatePlaceCopy, PivotsOfTheSharedRuleModes)
{
    const RotateCopyInputs in = baseInputs(); // radial 0: target = pivot + (3, 4)
    const struct {
        int32_t mode;
        float h;
        float v;
    } cases[] = {{0, 20, 20}, {1, 20, 40}, {4, 20, 30}, {5, 100, 50}, {10, 70, 80}, {11, -5, -6}};
    for (const auto& c : cases) {
        Placer p;
        const RotateCopyPlacement r = p.place(c.mode, 0, 7, in);
        const std::string what = "mode " + std::to_string(c.mode);
        expectPoint(r.pivot, c.h, c.v, what + " pivot");
        expectPoint(r.target, c.h + 3.0f, c.v + 4.0f, what + " target");
    }
}

TEST(RotatePlaceCopy, PolarOffsetFollowsTheAngle)
{
    RotateCopyInputs in = baseInputs();
    in.radial = 10.0f;
    in.angle = std::numbers::pi_v<float> / 2.0f;
    Placer p;
    const RotateCopyPlacement r = p.place(0, 0, 7, in);
    EXPECT_EQ(r.angle, in.angle);
    expectPoint(r.target, 23.0f, 34.0f, "target");
    EXPECT_EQ(p.math.sines(), 1u);
    EXPECT_EQ(p.math.cosines(), 1u);
}

TEST(RotatePlaceCopy, UserCentreIsTheOffsetItself)
{
    RotateCopyInputs in = baseInputs();
    in.radial = 2.0f;
    in.angle = 0.0f;
    Placer p;
    const RotateCopyPlacement r = p.place(2, 0, 7, in);
    expectPoint(r.pivot, 3.0f, 4.0f, "pivot");
    expectPoint(r.target, 5.0f, 4.0f, "target");
}

TEST(RotatePlaceCopy, FlipbackTurnsBackAfterHalfTheCopies)
{
    RotateCopyInputs in = baseInputs();
    in.radial = 10.0f;
    in.angle = 0.5f;
    Placer p;
    for (int32_t i = 0; i < 7; ++i) {
        const RotateCopyPlacement r = p.place(3, i, 7, in);
        const float sign = i < 3 ? 1.0f : -1.0f;
        EXPECT_EQ(r.angle, sign * 0.5f) << "copy " << i;
        expectPoint(r.pivot, 20.0f, 20.0f, "pivot");
        expectPoint(r.target, 23.0f + 10.0f * std::cos(0.5f), 24.0f + sign * 10.0f * std::sin(0.5f), "target");
    }
}

TEST(RotatePlaceCopy, PathSplitMultipliesTheOffsetByBand)
{
    RotateCopyInputs in = baseInputs();
    in.radial = 10.0f;
    in.angle = 0.0f;
    Placer p;
    const float expectedX[] = {33, 33, 43, 43, 53, 53, 63, 63}; // k = 2: bands 1 to 4
    for (int32_t i = 0; i < 8; ++i) {
        const RotateCopyPlacement r = p.place(6, i, 8, in);
        expectPoint(r.target, expectedX[i], 34.0f, "copy " + std::to_string(i));
    }
}

TEST(RotatePlaceCopy, PathSplitUsesAFifthBand)
{
    RotateCopyInputs in = baseInputs();
    in.radial = 10.0f;
    in.angle = 0.0f;
    Placer p;
    const RotateCopyPlacement fifth = p.place(6, 4, 5, in); // k = 1
    expectPoint(fifth.target, 73.0f, 34.0f, "band 5");
    in.bounds = {0.0f, 2.0f, 2.0f, 0.0f};
    const RotateCopyPlacement past = p.place(6, 5, 5, in);
    expectPoint(past.pivot, 1.0f, 1.0f, "past pivot");
    expectPoint(past.target, 73.0f, 34.0f, "past target");
}

TEST(RotatePlaceCopy, BandedCopiesWithoutAnyBandStayInPlace)
{
    RotateCopyInputs in = baseInputs();
    in.radial = 10.0f;
    in.angle = 0.3f;
    for (int32_t mode : {6, 8, 9}) {
        Placer p;
        for (int32_t i = 0; i < 3; ++i) {
            const RotateCopyPlacement r = p.place(mode, i, 3, in); // n < 4: no band at all
            expectPoint(r.pivot, 20.0f, 30.0f, "pivot");
            expectPoint(r.target, 20.0f, 30.0f, "target");
            EXPECT_EQ(r.angle, 0.3f);
        }
        EXPECT_EQ(p.random.draws(), 0u) << "mode " << mode;
    }
}

TEST(RotatePlaceCopy, AlternateRadiusDropsThePolarOffsetOnOddCopies)
{
    RotateCopyInputs in = baseInputs();
    in.radial = 10.0f;
    in.angle = 0.0f;
    Placer p;
    expectPoint(p.place(7, 0, 4, in).target, 13.0f, 4.0f, "even");
    const RotateCopyPlacement odd = p.place(7, 1, 4, in);
    expectPoint(odd.pivot, 3.0f, 4.0f, "odd pivot");
    expectPoint(odd.target, 3.0f, 4.0f, "odd target");
}

TEST(RotatePlaceCopy, WormVisitsFourQuadrantsThenKeepsTheLastTarget)
{
    RotateCopyInputs in = baseInputs();
    in.radial = 10.0f;
    in.angle = 0.0f;
    Placer p;
    const float expected[4][2] = {{27, 26}, {27, 34}, {33, 26}, {33, 34}};
    for (int32_t i = 0; i < 4; ++i) {
        expectPoint(p.place(8, i, 6, in).target, expected[i][0], expected[i][1], "copy " + std::to_string(i));
    }
    in.bounds = {100.0f, 60.0f, 120.0f, 40.0f};
    in.angle = 1.0f;
    for (int32_t i = 4; i < 6; ++i) {
        const RotateCopyPlacement r = p.place(8, i, 6, in);
        expectPoint(r.pivot, 110.0f, 50.0f, "pivot " + std::to_string(i));
        expectPoint(r.target, 33.0f, 34.0f, "target " + std::to_string(i));
        EXPECT_EQ(r.angle, 1.0f);
    }
}

TEST(RotatePlaceCopy, RadiusSplitterDoublesThePolarAngleAndScalesTheOffsets)
{
    RotateCopyInputs in = baseInputs();
    in.radial = 10.0f;
    in.angle = std::numbers::pi_v<float> / 4.0f;
    Placer p;
    p.random = ScriptedRandom({0.5f, 0.25f, 0.5f, 0.25f});
    const RotateCopyPlacement band1 = p.place(9, 0, 4, in); // signs (-, -)
    EXPECT_EQ(band1.angle, in.angle);
    expectPoint(band1.target, 20.0f - 1.5f, 40.0f - 1.0f, "band 1");
    const RotateCopyPlacement band4 = p.place(9, 3, 4, in); // signs (+, +)
    expectPoint(band4.target, 20.0f + 1.5f, 40.0f + 1.0f, "band 4");
    EXPECT_EQ(p.random.draws(), 4u);
    p.place(9, 4, 5, in); // past band 4: no draws
    EXPECT_EQ(p.random.draws(), 4u);
}

// Records host calls of both kinds in one sequence.
class OrderedServices : public RandomSource, public HostMath {
public:
    float next() override
    {
        log.push_back('r');
        return 0.5f;
    }
    float degreesToRadians(float d) override { return d; }
    float sine(float x) override
    {
        log.push_back('s');
        return std::sin(x);
    }
    float cosine(float x) override
    {
        log.push_back('c');
        return std::cos(x);
    }
    float squareRoot(float x) override { return std::sqrt(x); }
    std::string log;
};

TEST(RotatePlaceCopy, RandomisedPivotDrawsBeforeAnyTrigonometry)
{
    RotateCopyInputs in = baseInputs();
    in.radial = 10.0f;
    OrderedServices services;
    std::optional<RotateCopyPlacement> placement;
    rotatePlaceCopy(12, 0, 7, in, placement, services, services);
    ASSERT_EQ(services.log.size(), 4u);
    EXPECT_EQ(services.log.substr(0, 2), "rr");
    ASSERT_TRUE(placement);
    expectPoint(placement->pivot, 100.0f, 50.0f, "pivot");
}

TEST(RotatePlaceCopy, RandomisedPivotWithoutRadialIsPivotPlusOffset)
{
    const RotateCopyInputs in = baseInputs();
    Placer p;
    p.random = ScriptedRandom({0.25f, 0.75f});
    const RotateCopyPlacement r = p.place(12, 0, 7, in);
    expectPoint(r.pivot, 50.0f, 75.0f, "pivot");
    expectPoint(r.target, 53.0f, 79.0f, "target");
}

TEST(RotatePlaceCopy, AlternateFlipAddsTheFlipAngleOnOddCopies)
{
    RotateCopyInputs in = baseInputs();
    in.radial = 10.0f;
    in.angle = 0.25f;
    Placer p;
    const float flipped = 0.25f + 28.64789f;
    for (int32_t i = 0; i < 4; ++i) {
        const RotateCopyPlacement r = p.place(13, i, 4, in);
        const float expected = i % 2 == 0 ? 0.25f : flipped;
        EXPECT_FLOAT_EQ(r.angle, expected) << "copy " << i;
        expectPoint(r.pivot, 3.0f, 4.0f, "pivot");
        expectPoint(r.target, 3.0f + 10.0f * std::cos(expected), 4.0f + 10.0f * std::sin(expected), "target");
    }
}

TEST(RotatePlaceCopy, ModeFourteenStepsTheOffsetWithTheCopyIndex)
{
    const RotateCopyInputs in = baseInputs();
    Placer p;
    const RotateCopyPlacement r = p.place(14, 5, 7, in);
    expectPoint(r.pivot, 20.0f, 20.0f, "pivot");
    expectPoint(r.target, 35.0f, 40.0f, "target");
}

TEST(RotatePlaceCopy, UnknownModeKeepsThePreviousPlacement)
{
    RotateCopyInputs in = baseInputs();
    in.angle = 0.4f;
    Placer p;
    const RotateCopyPlacement first = p.place(15, 0, 7, in);
    expectPoint(first.pivot, 20.0f, 30.0f, "first pivot");
    expectPoint(first.target, 20.0f, 30.0f, "first target");
    EXPECT_EQ(first.angle, 0.4f);

    const RotateCopyPlacement earlier = p.place(0, 1, 7, in);
    in.bounds = {0.0f, 1.0f, 1.0f, 0.0f};
    in.angle = 2.0f;
    const RotateCopyPlacement kept = p.place(-1, 2, 7, in);
    expectPoint(kept.pivot, earlier.pivot.h, earlier.pivot.v, "kept pivot");
    expectPoint(kept.target, earlier.target.h, earlier.target.v, "kept target");
    EXPECT_EQ(kept.angle, earlier.angle);
}

} // namespace
} // namespace tovrins
