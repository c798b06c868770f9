// Style combining, real math and random numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "host/suites/core_suites.hpp"
#include "host/suites/host_environment.hpp"
#include "host/suites/style_blend.hpp"

namespace tovrins::host {
namespace {

TvPathStyle styleOf(TvColor fill, TvColor stroke, float width, float opacity)
{
    return TvPathStyle{fill, stroke, width, opacity};
}

constexpr TvColor rgb(float r, float g, float b) { return {TV_COLOR_RGB, {r, g, b, 0}}; }
constexpr TvColor gray(float g) { return {TV_COLOR_GRAY, {g, 0, 0, 0}}; }
constexpr TvColor cmyk(float c, float m, float y, float k) { return {TV_COLOR_PROCESS, {c, m, y, k}}; }
constexpr TvColor none() { return {TV_COLOR_NONE, {0, 0, 0, 0}}; }

TEST(StyleBlendTest, TOneGivesTheFirstAndHalfGivesTheMean)
{
    const TvPathStyle first = styleOf(rgb(1, 0, 0.5f), gray(0.2f), 2, 1);
    const TvPathStyle second = styleOf(rgb(0, 1, 0.5f), gray(0.6f), 4, 0.5f);
    TvPathStyle out{};
    ASSERT_EQ(pathStyleSuite().interpolatePathStyles(&first, &second, &out, 1), 0);
    EXPECT_EQ(out.fill.components[0], 1);
    EXPECT_EQ(out.fill.components[1], 0);
    EXPECT_EQ(out.strokeWidth, 2);
    ASSERT_EQ(pathStyleSuite().interpolatePathStyles(&first, &second, &out, 0.5f), 0);
    EXPECT_FLOAT_EQ(out.fill.components[0], 0.5f);
    EXPECT_FLOAT_EQ(out.fill.components[1], 0.5f);
    EXPECT_FLOAT_EQ(out.fill.components[2], 0.5f);
    EXPECT_FLOAT_EQ(out.stroke.components[0], 0.4f);
    EXPECT_FLOAT_EQ(out.strokeWidth, 3);
    EXPECT_FLOAT_EQ(out.opacity, 0.75f);
    // t = 0.25 weighs the second three times as much.
    ASSERT_EQ(pathStyleSuite().interpolatePathStyles(&first, &second, &out, 0.25f), 0);
    EXPECT_FLOAT_EQ(out.fill.components[0], 0.25f);
}

TEST(StyleBlendTest, TheSecondPaintIsConvertedToTheFirstsKind)
{
    TvPathStyle out = interpolateStyles(styleOf(gray(0), none(), 1, 1), styleOf(rgb(1, 1, 1), none(), 1, 1), 0.5f);
    EXPECT_EQ(out.fill.kind, TV_COLOR_GRAY);
    EXPECT_FLOAT_EQ(out.fill.components[0], 0.5f); // white is gray 1

    out = interpolateStyles(styleOf(rgb(0, 0, 0), none(), 1, 1), styleOf(cmyk(1, 0, 0, 0), none(), 1, 1), 0);
    EXPECT_EQ(out.fill.kind, TV_COLOR_RGB);
    EXPECT_FLOAT_EQ(out.fill.components[0], 0); // pure cyan is green and blue
    EXPECT_FLOAT_EQ(out.fill.components[1], 1);
    EXPECT_FLOAT_EQ(out.fill.components[2], 1);

    out = interpolateStyles(styleOf(cmyk(0, 0, 0, 0), none(), 1, 1), styleOf(gray(0.25f), none(), 1, 1), 0);
    EXPECT_EQ(out.fill.kind, TV_COLOR_PROCESS);
    EXPECT_FLOAT_EQ(out.fill.components[0], 0);
    EXPECT_FLOAT_EQ(out.fill.components[3], 0.75f);

    out = interpolateStyles(styleOf(cmyk(0, 0, 0, 0), none(), 1, 1), styleOf(rgb(1, 0.5f, 0), none(), 1, 1), 0);
    EXPECT_FLOAT_EQ(out.fill.components[0], 0);
    EXPECT_FLOAT_EQ(out.fill.components[1], 0.5f);
    EXPECT_FLOAT_EQ(out.fill.components[2], 1);
    EXPECT_FLOAT_EQ(out.fill.components[3], 0);

    EXPECT_FLOAT_EQ(convertColor(cmyk(0, 0, 0, 0.4f), TV_COLOR_GRAY).components[0], 0.6f);
    EXPECT_FLOAT_EQ(convertColor(rgb(0, 0, 0), TV_COLOR_PROCESS).components[3], 1);
}

TEST(StyleBlendTest, NoneAndOtherKindsStayAsTheFirst)
{
    const TvColor pattern{TV_COLOR_PATTERN, {0.3f, 0.3f, 0.3f, 0.3f}};
    TvPathStyle out = interpolateStyles(styleOf(none(), pattern, 1, 1), styleOf(gray(1), gray(1), 1, 1), 0);
    EXPECT_EQ(out.fill.kind, TV_COLOR_NONE);
    EXPECT_EQ(out.stroke.kind, TV_COLOR_PATTERN);
    EXPECT_EQ(out.stroke.components[0], 0.3f);
    // A plain first paint with a second of no colour keeps the first too.
    out = interpolateStyles(styleOf(gray(0.2f), none(), 1, 1), styleOf(none(), none(), 1, 1), 0);
    EXPECT_EQ(out.fill.components[0], 0.2f);
}

TEST(RealMathTest, AnglesAndRoots)
{
    const TvAIRealMathSuiteV1& m = realMathSuite();
    EXPECT_FLOAT_EQ(m.degreeToRadian(180), std::numbers::pi_v<float>);
    EXPECT_FLOAT_EQ(m.radianToDegree(std::numbers::pi_v<float> / 2), 90);
    EXPECT_FLOAT_EQ(m.squareRoot(2.25f), 1.5f);
    EXPECT_NEAR(m.sine(m.degreeToRadian(30)), 0.5f, 1e-6f);
    EXPECT_NEAR(m.cosine(m.degreeToRadian(60)), 0.5f, 1e-6f);
    const TvRealPoint centre{100, 100};
    const TvRealPoint right{150, 100};
    const TvRealPoint above{100, 130};
    EXPECT_EQ(m.pointAngle(&right, &centre), 0);
    EXPECT_FLOAT_EQ(m.pointAngle(&above, &centre), std::numbers::pi_v<float> / 2);
    EXPECT_FLOAT_EQ(m.pointAngle(&centre, &right), std::numbers::pi_v<float>);
}

TvRealPoint apply(const TvRealMatrix& m, TvRealPoint p)
{
    return {m.a * p.h + m.c * p.v + m.tx, m.b * p.h + m.d * p.v + m.ty};
}

TEST(RealMathTest, EachConcatenationAppliesAfterTheMatrix)
{
    const TvAIRealMathSuiteV1& m = realMathSuite();
    TvRealMatrix t{};
    m.matrixSetTranslate(&t, 10, 0);
    m.matrixConcatRotate(&t, std::numbers::pi_v<float> / 2); // translate, then turn a quarter
    TvRealPoint p = apply(t, {0, 0});
    EXPECT_NEAR(p.h, 0, 1e-5f);
    EXPECT_NEAR(p.v, 10, 1e-5f);
    m.matrixConcatScale(&t, 2, 3);
    p = apply(t, {0, 0});
    EXPECT_NEAR(p.h, 0, 1e-5f);
    EXPECT_NEAR(p.v, 30, 1e-5f);
    m.matrixConcatTranslate(&t, 1, 1);
    p = apply(t, {1, 0}); // (11,0) -> (0,11) -> (0,33) -> (1,34)
    EXPECT_NEAR(p.h, 1, 1e-5f);
    EXPECT_NEAR(p.v, 34, 1e-5f);
}

TEST(RandomTest, ReproducibleFromTheSeedAndInTheUnitInterval)
{
    RandomGenerator a(7);
    RandomGenerator b(7);
    RandomGenerator c(8);
    bool differs = false;
    for (int i = 0; i < 10000; ++i) {
        const float x = a.draw();
        ASSERT_EQ(x, b.draw());
        ASSERT_GE(x, 0.0f);
        ASSERT_LT(x, 1.0f);
        differs = differs || x != c.draw();
    }
    EXPECT_TRUE(differs);
    // SplitMix64's first output for seed 0.
    RandomGenerator zero(0);
    EXPECT_EQ(zero.next(), 0xE220A8397B1DCDAFull);
    zero.reseed(0);
    EXPECT_EQ(zero.draw(), static_cast<float>(0xE220A8397B1DCDAFull >> 40) * 0x1p-24f);
}

TEST(RandomTest, TheSuiteDrawsFromTheEnvironmentsGenerator)
{
    HostEnvironment env(99);
    RandomGenerator expected(99);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(randomSuite().floatRandom(), expected.draw());
    env.random.reseed(99);
    expected.reseed(99);
    EXPECT_EQ(randomSuite().floatRandom(), expected.draw());
}

} // namespace
} // namespace tovrins::host
