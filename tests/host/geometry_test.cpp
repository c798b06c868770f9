// Moving a path's segments: the short cut for handles lying on their anchor
// must give exactly what moving every point gives.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>

#include "host/document/geometry.hpp"

namespace tovrins::host {
namespace {

uint64_t bitsOf(TvRealPoint p) { return std::bit_cast<uint64_t>(p); }

TEST(GeometryTest, MovingASegmentMovesEachPointAsTheMatrixDoes)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<float> coordinate(-500, 500);
    std::uniform_int_distribution<int> shape(0, 3);
    const float zeros[] = {0.0f, -0.0f};
    for (int i = 0; i < 5000; ++i) {
        const TvRealMatrix m{coordinate(random) / 100, coordinate(random) / 100, coordinate(random) / 100,
                             coordinate(random) / 100, i % 7 == 0 ? -0.0f : coordinate(random), coordinate(random)};
        Segment s;
        s.p = {coordinate(random), coordinate(random)};
        if (i % 11 == 0)
            s.p = {zeros[i % 2], zeros[(i / 2) % 2]};
        switch (shape(random)) {
        case 0: s.in = s.out = s.p; break;                                // straight both sides
        case 1: s.in = s.p, s.out = {coordinate(random), s.p.v}; break;   // straight on one side
        case 2: s.in = {-s.p.h, s.p.v}, s.out = {s.p.h, -s.p.v}; break;   // on the anchor but for a sign
        default: s.in = {coordinate(random), coordinate(random)}, s.out = {coordinate(random), coordinate(random)};
        }
        Segment moved = s;
        transformSegment(m, moved);
        ASSERT_EQ(bitsOf(moved.p), bitsOf(transformPoint(m, s.p))) << i;
        ASSERT_EQ(bitsOf(moved.in), bitsOf(transformPoint(m, s.in))) << i;
        ASSERT_EQ(bitsOf(moved.out), bitsOf(transformPoint(m, s.out))) << i;
    }
}

} // namespace
} // namespace tovrins::host
