// The memo of sines and cosines: what it gives back must be exactly what
// working the angle out gives, whether held, displaced or never asked for.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "host/document/geometry.hpp"
#include "host/suites/angle_memo.hpp"
#include "host/suites/core_suites.hpp"
#include "host/suites/host_environment.hpp"

namespace tovrins::host {
namespace {

float exactSine(float r) { return static_cast<float>(std::sin(double{r})); }
float exactCosine(float r) { return static_cast<float>(std::cos(double{r})); }

// Bit for bit, so a NaN matches the NaN it should be and -0 differs from 0.
uint32_t bitsOf(float f) { return std::bit_cast<uint32_t>(f); }

std::vector<float> manyAngles()
{
    std::vector<float> angles{0.0f, -0.0f, 1e-40f, -1e-40f, 1.0f, -3.14159265f, 1e6f, 3e38f, -3e38f,
                              std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()};
    std::mt19937 random(12345);
    std::uniform_real_distribution<float> turns(-50, 50);
    for (int i = 0; i < 3000; ++i) // three times the slots: angles displace each other
        angles.push_back(turns(random));
    for (int i = 0; i < 100; ++i) // a filter's series: the same steps again and again
        angles.push_back(0.1f * static_cast<float>(i));
    return angles;
}

TEST(AngleMemoTest, TheSuiteGivesExactlyWhatTheAngleWorksOutTo)
{
    HostEnvironment env; // installs the memo
    const TvAIRealMathSuiteV1& math = realMathSuite();
    const std::vector<float> angles = manyAngles();
    for (int pass = 0; pass < 2; ++pass) { // the second pass reads what the first left
        for (float r : angles) {
            ASSERT_EQ(bitsOf(math.sine(r)), bitsOf(exactSine(r))) << "sine of " << r << ", pass " << pass;
            ASSERT_EQ(bitsOf(math.cosine(r)), bitsOf(exactCosine(r))) << "cosine of " << r << ", pass " << pass;
            const TvRealMatrix start{2, 0.5f, -1, 3, 10, -20};
            TvRealMatrix m = start;
            math.matrixConcatRotate(&m, r);
            const float c = exactCosine(r);
            const float s = exactSine(r);
            const TvRealMatrix expected = concatMatrix(start, {c, s, -s, c, 0, 0});
            using MatrixBits = std::array<uint32_t, 6>;
            ASSERT_EQ(std::bit_cast<MatrixBits>(m), std::bit_cast<MatrixBits>(expected)) << "rotation by " << r;
        }
    }
}

TEST(AngleMemoTest, AHeldAngleIsWorkedOutOnceAndADisplacedOneAgain)
{
    AngleMemo memo;
    int workedOut = 0;
    auto workOut = [&workedOut](TvReal r) {
        ++workedOut;
        return SineCosine{exactSine(r), exactCosine(r)};
    };
    memo.lookup(0.5f, workOut);
    memo.lookup(0.5f, workOut);
    EXPECT_EQ(workedOut, 1);
    // Two angles that share a slot take turns in it.
    const float first = 0.5f;
    float rival = first;
    AngleMemo probe;
    for (uint32_t bits = bitsOf(first) + 1;; ++bits) {
        rival = std::bit_cast<float>(bits);
        int fresh = 0;
        probe.lookup(first, [&](TvReal r) { return SineCosine{r, r}; });
        probe.lookup(rival, [&](TvReal r) { return SineCosine{r, r}; });
        probe.lookup(first, [&](TvReal r) { ++fresh; return SineCosine{r, r}; });
        if (fresh == 1)
            break; // rival displaced first
    }
    workedOut = 0;
    EXPECT_EQ(bitsOf(memo.lookup(rival, workOut).sine), bitsOf(exactSine(rival)));
    EXPECT_EQ(bitsOf(memo.lookup(first, workOut).sine), bitsOf(exactSine(first)));
    EXPECT_EQ(workedOut, 2);
}

} // namespace
} // namespace tovrins::host
