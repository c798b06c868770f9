// Translations around the scale for every centre mode, on one copy rectangle.
#include <gtest/gtest.h>

#include <cmath>

#include "scale/scale_copy_values.hpp"
#include "tests/support/host_doubles.hpp"

namespace tovrins {
namespace {

using test::ScriptedRandom;
using test::StdMath;

// A copy 40 x 40 centred on (30, 40), in a 600 x 800 document.
ScaleCopyInputs inputs(int32_t j, int32_t n, float oh = 3.0f, float ov = -4.0f)
{
    return ScaleCopyInputs{.j = j,
                           .n = n,
                           .width = 600.0f,
                           .height = 800.0f,
                           .selectedCentre = {100.0f, 200.0f},
                           .firstCentre = {-5.0f, 7.0f},
                           .copyBounds = {10.0f, 60.0f, 50.0f, 20.0f},
                           .oh = oh,
                           .ov = ov};
}

struct PivotCase {
    int32_t mode;
    int32_t j;
    int32_t n;
    TvRealPoint t2;
};

void PrintTo(const PivotCase& c, std::ostream* os) { *os << "mode " << c.mode << " copy " << c.j << " of " << c.n; }

class ScaleCentredPivot : public testing::TestWithParam<PivotCase> { };

TEST_P(ScaleCentredPivot, ScalesAboutThePivot)
{
    const PivotCase c = GetParam();
    ScriptedRandom noDraws;
    StdMath math;
    TvRealPoint average{1000.0f, 2000.0f};
    ScaleCopyPlacement t{{999.0f, 999.0f}, {999.0f, 999.0f}};
    scalePlaceCopy(c.mode, inputs(c.j, c.n), average, t, noDraws, math);

    EXPECT_NEAR(t.t2.h, c.t2.h, 1e-3);
    EXPECT_NEAR(t.t2.v, c.t2.v, 1e-3);
    EXPECT_EQ(t.t1.h, -t.t2.h);
    EXPECT_EQ(t.t1.v, -t.t2.v);
    EXPECT_EQ(noDraws.draws(), 0u);
    EXPECT_EQ(average.h, 1000.0f);
    EXPECT_EQ(average.v, 2000.0f);
}

const float kSin45 = static_cast<float>(std::sqrt(0.5));

INSTANTIATE_TEST_SUITE_P(
    HandComputed, ScaleCentredPivot,
    testing::Values(PivotCase{0, 0, 7, {33, 36}}, PivotCase{1, 0, 7, {13, 56}}, PivotCase{2, 0, 7, {53, 16}},
                    PivotCase{4, 0, 8, {533, 36}}, PivotCase{4, 2, 8, {33, 536}}, PivotCase{5, 4, 8, {-397, 196}},
                    PivotCase{6, 0, 7, {-2, 3}}, PivotCase{8, 0, 7, {303, 396}}, PivotCase{10, 0, 7, {603, 796}},
                    PivotCase{12, 0, 7, {303, 796}}, PivotCase{13, 0, 7, {33, 796}}, PivotCase{14, 0, 7, {3, -4}},
                    PivotCase{17, 0, 7, {103, 696}}, PivotCase{17, 3, 7, {403, 71}}, PivotCase{18, 1, 7, {-33, 36}},
                    PivotCase{18, 2, 7, {33, 36}}, PivotCase{19, 1, 7, {33, -36}}, PivotCase{19, 2, 7, {33, 36}},
                    PivotCase{20, 0, 7, {33, 36}}, PivotCase{20, 1, 7, {-33, 36}}, PivotCase{20, 2, 7, {33, -36}},
                    PivotCase{20, 3, 7, {-33, -36}}, PivotCase{20, 5, 7, {-33, 36}},
                    // Offsets shift the centre and widen the radius.
                    PivotCase{21, 1, 4, {-33, 232}}, PivotCase{21, 2, 4, {-170, 36}},
                    // Offsets only widen the radius.
                    PivotCase{22, 0, 8, {233, 40}}, PivotCase{22, 1, 4, {-30, 236}}, PivotCase{22, 2, 8, {30, -236}},
                    PivotCase{23, 1, 8, {-30, 40 + 196 * kSin45}}, PivotCase{23, 2, 8, {-173, -236}},
                    PivotCase{23, 3, 12, {173, -236}}));

void expectPoint(TvRealPoint actual, TvRealPoint expected, const char* what)
{
    EXPECT_FLOAT_EQ(actual.h, expected.h) << what;
    EXPECT_FLOAT_EQ(actual.v, expected.v) << what;
}

TEST(ScalePlaceCopy, OriginAndDocumentEdgeModesSplitTheTranslations)
{
    ScriptedRandom noDraws;
    StdMath math;
    TvRealPoint average{};
    ScaleCopyPlacement t{};

    scalePlaceCopy(7, inputs(0, 7), average, t, noDraws, math);
    expectPoint(t.t1, {-30, -40}, "(0,0) T1: about the copy's centre");
    expectPoint(t.t2, {3, -4}, "(0,0) T2: centre placed at the offsets");

    scalePlaceCopy(9, inputs(0, 7), average, t, noDraws, math);
    expectPoint(t.t1, {0, -396}, "document left T1");
    expectPoint(t.t2, {3, 396}, "document left T2");

    scalePlaceCopy(11, inputs(0, 7), average, t, noDraws, math);
    expectPoint(t.t1, {-303, 0}, "document bottom T1");
    expectPoint(t.t2, {303, -4}, "document bottom T2");
}

TEST(ScalePlaceCopy, RandomModesDrawXThenY)
{
    ScriptedRandom random({0.5f, 0.25f, 0.5f, 0.25f});
    StdMath math;
    TvRealPoint average{};
    ScaleCopyPlacement t{};

    scalePlaceCopy(3, inputs(0, 7), average, t, random, math);
    expectPoint(t.t2, {83, 61}, "+ Random 100pts");
    expectPoint(t.t1, {-83, -61}, "+ Random 100pts");
    scalePlaceCopy(16, inputs(0, 7), average, t, random, math);
    expectPoint(t.t2, {303, 196}, "Random in the document");
    EXPECT_EQ(random.draws(), 4u);
}

TEST(ScalePlaceCopy, AverageOfAllPathsAccumulatesTheOffsets)
{
    ScriptedRandom noDraws;
    StdMath math;
    const TvRealPoint start{250.0f, 125.0f};
    TvRealPoint average = start;
    float oh = 0.0f;
    float ov = 0.0f;
    ScaleCopyPlacement t{};

    scaleAdvanceHorizontalOffset(2, 0, 2, 10.0f, oh, noDraws);
    scaleAdvanceVerticalOffset(0, 0, 2, 10.0f, ov, noDraws);
    scalePlaceCopy(15, inputs(0, 2, oh, ov), average, t, noDraws, math);
    expectPoint(t.t2, {start.h + 10, start.v}, "first copy");
    expectPoint(average, t.t2, "average after the first copy");

    scaleAdvanceHorizontalOffset(2, 1, 2, 10.0f, oh, noDraws);
    scalePlaceCopy(15, inputs(1, 2, oh, ov), average, t, noDraws, math);
    expectPoint(t.t2, {start.h + 10 + 20, start.v}, "second copy");
    expectPoint(t.t1, {-(start.h + 30), -start.v}, "second copy T1");
    expectPoint(average, t.t2, "average after the second copy");
}

TEST(ScalePlaceCopy, UnknownModeWritesNothing)
{
    ScriptedRandom noDraws;
    StdMath math;
    for (int32_t mode : {-1, 24, 99}) {
        TvRealPoint average{1.0f, 2.0f};
        ScaleCopyPlacement t{{5.0f, 6.0f}, {7.0f, 8.0f}};
        scalePlaceCopy(mode, inputs(1, 7), average, t, noDraws, math);
        expectPoint(t.t1, {5, 6}, "T1");
        expectPoint(t.t2, {7, 8}, "T2");
        expectPoint(average, {1, 2}, "average");
    }
    EXPECT_EQ(noDraws.draws(), 0u);
}

} // namespace
} // namespace tovrins
