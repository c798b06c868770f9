// The writers' own spelling of floats against std::to_chars, whose text
// the SVG and JSON files have always had.
#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "host/io/float_text.hpp"

namespace tovrins::host {
namespace {

std::string ours(float v)
{
    char text[kFloatRoom];
    return {text, spellFloat(text, v)};
}

std::string standard(float v)
{
    char text[64];
    return {text, std::to_chars(text, text + sizeof text, v).ptr};
}

// Both signs of every float whose bits are a multiple of `stride` apart
// from `from` to `to`.
int mismatches(float from, float to, uint32_t stride)
{
    int wrong = 0;
    for (uint32_t bits = std::bit_cast<uint32_t>(from); bits <= std::bit_cast<uint32_t>(to); bits += stride)
        for (const uint32_t sign : {0u, 0x80000000u}) {
            const float v = std::bit_cast<float>(bits | sign);
            if (ours(v) != standard(v) && ++wrong <= 5)
                ADD_FAILURE() << standard(v) << " spelt " << ours(v);
        }
    return wrong;
}

// The numbers spelt in fixed notation by our own search: a sample of every
// binade (an exhaustive run over all 448 million of them agreed too), and
// every float around the ends of the range, where the notation changes.
TEST(FloatText, SpellsAsToCharsDoes)
{
    EXPECT_EQ(mismatches(0.0009f, 100001.0f, 1009), 0);
    EXPECT_EQ(mismatches(std::nextafter(0.001f, 0.0f), std::nextafter(0.001f, 1.0f), 1), 0);
    EXPECT_EQ(mismatches(std::nextafter(100000.0f, 0.0f), std::nextafter(100000.0f, 1e6f), 1), 0);
    // Whole numbers, short decimals and a unit either side of them.
    for (float v : {1.0f, 2.0f, 10.4f, 1200.0f, 0.1f, 0.2f, 0.3f, 0.5f, 7.81f, 99999.99f, 65536.06f, 0.0125f}) {
        for (float w : {std::nextafter(v, 0.0f), v, std::nextafter(v, 1e9f)})
            EXPECT_EQ(ours(w), standard(w)) << standard(w);
    }
}

// The spelling may use its whole room but never more, the longest texts
// (a sign, "0.00" and nine digits) included.
TEST(FloatText, StaysWithinItsRoom)
{
    for (float v : {-0.0012345678f, -0.0010000001f, -99999.99f, -1.0000001f, -0.099999994f, 3.4e38f}) {
        char text[kFloatRoom + 8];
        std::fill(std::begin(text), std::end(text), '#');
        char* const end = spellFloat(text, v);
        EXPECT_EQ(std::string(text, end), standard(v));
        EXPECT_EQ(std::string(text + kFloatRoom, 8), "########") << standard(v);
    }
}

// What the search leaves to std::to_chars: zeros, powers of two, the very
// small and the very large, subnormals and the largest float.
TEST(FloatText, HandsTheRestToToChars)
{
    constexpr float kLargest = std::numeric_limits<float>::max();
    for (float v : {0.0f, -0.0f, 0.25f, 1024.0f, 0.0001f, 1e-30f, 1e5f, 1e6f, 3e7f, 1.5e20f, kLargest,
                    std::numeric_limits<float>::denorm_min(), std::numeric_limits<float>::min()})
        for (float w : {v, -v})
            EXPECT_EQ(ours(w), standard(w)) << standard(w);
    EXPECT_EQ(ours(kLargest), "3.4028235e+38");
    EXPECT_EQ(ours(10.4f), "10.4");
    EXPECT_EQ(ours(-0.001f), "-0.001");
    EXPECT_EQ(ours(0.2f + 0.1f), "0.3");
    EXPECT_EQ(ours(4.5899997f), "4.5899997");
}

} // namespace
} // namespace tovrins::host
