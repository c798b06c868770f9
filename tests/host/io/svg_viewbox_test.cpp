// preserveAspectRatio: how the root's viewBox maps onto the page.
#include <gtest/gtest.h>

#include "host/io/svg_viewbox.hpp"

namespace tovrins::host::svg {
namespace {

// A 100 x 50 box from (10, 20) onto a 300 x 300 page.
constexpr std::array<double, 4> kBox{10, 20, 100, 50};

struct Expected {
    const char* value;
    float scaleX, scaleY, tx, ty;
};

TEST(SvgViewBox, AlignmentMeetSliceAndNone)
{
    const Expected cases[] = {
        {"", 3, 3, -30, 15},                    // xMidYMid meet: 150 tall, centred
        {"xMidYMid", 3, 3, -30, 15},            //
        {"xMinYMin meet", 3, 3, -30, -60},      // at the top
        {"xMaxYMax", 3, 3, -30, 150 - 60},      // at the bottom
        {"xMinYMin slice", 6, 6, -60, -120},    // 600 wide, cut at the right
        {"xMidYMid slice", 6, 6, -210, -120},   // centred: 150 off each side
        {"xMaxYMid slice", 6, 6, -360, -120},   // cut at the left
        {"none", 3, 6, -30, -120},              // stretched
        {"defer xMinYMin", 3, 3, -30, -60},     // defer is for images only
        {"xMinYMin bogus", 3, 3, -30, 15},      // malformed: the default
        {"xMinYmin", 3, 3, -30, 15},            // names are case-sensitive
        {"xMinYMin meet extra", 3, 3, -30, 15}, //
    };
    for (const Expected& c : cases) {
        const TvRealMatrix m = viewBoxMatrix(kBox, 300, 300, c.value);
        EXPECT_FLOAT_EQ(m.a, c.scaleX) << c.value;
        EXPECT_FLOAT_EQ(m.d, c.scaleY) << c.value;
        EXPECT_EQ(m.b, 0) << c.value;
        EXPECT_EQ(m.c, 0) << c.value;
        EXPECT_FLOAT_EQ(m.tx, c.tx) << c.value;
        EXPECT_FLOAT_EQ(m.ty, c.ty) << c.value;
    }
}

} // namespace
} // namespace tovrins::host::svg
