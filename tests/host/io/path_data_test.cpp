// The path-data parser: every command, relative forms, implicit repeats,
// smooth curves, arcs, and errors that say where they are.
#include <cmath>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/host/io/io_test_support.hpp"
#include "host/io/path_data.hpp"
#include "host/io/svg_import.hpp"

namespace tovrins::host {
namespace {

using ::testing::HasSubstr;

constexpr float kTol = 1e-4f;

Subpath only(const std::string& d)
{
    auto paths = parsePathData(d);
    EXPECT_EQ(paths.size(), 1u) << d;
    return paths.empty() ? Subpath{} : paths.front();
}

TEST(PathData, LinesAbsoluteRelativeAndImplicit)
{
    // "m" repeats as relative lineto; H/V keep the other coordinate.
    const Subpath s = only("m10,20 5 0 l0-5 H30 v10 h-2 V 1 L 0 0 1 1");
    ASSERT_EQ(s.segments.size(), 9u);
    EXPECT_POINT_NEAR(s.segments[0].p, 10, 20, kTol);
    EXPECT_POINT_NEAR(s.segments[1].p, 15, 20, kTol);
    EXPECT_POINT_NEAR(s.segments[2].p, 15, 15, kTol);
    EXPECT_POINT_NEAR(s.segments[3].p, 30, 15, kTol);
    EXPECT_POINT_NEAR(s.segments[4].p, 30, 25, kTol);
    EXPECT_POINT_NEAR(s.segments[5].p, 28, 25, kTol);
    EXPECT_POINT_NEAR(s.segments[6].p, 28, 1, kTol);
    EXPECT_POINT_NEAR(s.segments[7].p, 0, 0, kTol);
    EXPECT_POINT_NEAR(s.segments[8].p, 1, 1, kTol);
    EXPECT_FALSE(s.closed);
    for (const Segment& seg : s.segments)
        EXPECT_TRUE(seg.corner);
}

TEST(PathData, CompactNumbersAndExponents)
{
    const Subpath s = only("M.5-.5L1e1,2E-1-3.5.25+4-1");
    ASSERT_EQ(s.segments.size(), 4u);
    EXPECT_POINT_NEAR(s.segments[3].p, 4, -1, kTol);
    EXPECT_POINT_NEAR(s.segments[0].p, 0.5f, -0.5f, kTol);
    EXPECT_POINT_NEAR(s.segments[1].p, 10, 0.2f, kTol);
    EXPECT_POINT_NEAR(s.segments[2].p, -3.5f, 0.25f, kTol);
    // "+4" is a fourth number: an implicit third lineto needs two.
    EXPECT_THROW(parsePathData("M0 0 L1 1 2"), PathDataError);
}

TEST(PathData, CubicsAndSmoothCubics)
{
    const Subpath s = only("M0 0 C 0 10 20 10 20 0 S 40 -10 40 0 s 10 10 20 0");
    ASSERT_EQ(s.segments.size(), 4u);
    EXPECT_POINT_NEAR(s.segments[0].out, 0, 10, kTol);
    EXPECT_POINT_NEAR(s.segments[1].in, 20, 10, kTol);
    // S reflects the previous second control point about the current point.
    EXPECT_POINT_NEAR(s.segments[1].out, 20, -10, kTol);
    EXPECT_POINT_NEAR(s.segments[2].in, 40, -10, kTol);
    EXPECT_POINT_NEAR(s.segments[2].p, 40, 0, kTol);
    EXPECT_POINT_NEAR(s.segments[2].out, 40, 10, kTol);
    EXPECT_POINT_NEAR(s.segments[3].in, 50, 10, kTol);
    EXPECT_POINT_NEAR(s.segments[3].p, 60, 0, kTol);
    // Handles in line through an anchor make it smooth.
    EXPECT_FALSE(s.segments[1].corner);
    EXPECT_FALSE(s.segments[2].corner);
}

TEST(PathData, SmoothAfterALineHasNoReflection)
{
    const Subpath s = only("M0 0 L10 0 S 20 10 30 0");
    ASSERT_EQ(s.segments.size(), 3u);
    EXPECT_POINT_NEAR(s.segments[1].out, 10, 0, kTol);
    EXPECT_POINT_NEAR(s.segments[2].in, 20, 10, kTol);
}

TEST(PathData, QuadraticsBecomeCubics)
{
    // Q from (0,0) via (30,30) to (60,0): cubic handles at 2/3 to the control.
    const Subpath s = only("M0 0 Q30 30 60 0 T120 0 t60 0");
    ASSERT_EQ(s.segments.size(), 4u);
    EXPECT_POINT_NEAR(s.segments[0].out, 20, 20, kTol);
    EXPECT_POINT_NEAR(s.segments[1].in, 40, 20, kTol);
    // T reflects (30,30) about (60,0) to (90,-30).
    EXPECT_POINT_NEAR(s.segments[1].out, 80, -20, kTol);
    EXPECT_POINT_NEAR(s.segments[2].in, 100, -20, kTol);
    // and then (90,-30) about (120,0) to (150,30).
    EXPECT_POINT_NEAR(s.segments[2].out, 140, 20, kTol);
    EXPECT_POINT_NEAR(s.segments[3].p, 180, 0, kTol);
    const Subpath rel = only("m0 0 q30 30 60 0");
    EXPECT_POINT_NEAR(rel.segments[0].out, 20, 20, kTol);
}

// Every point of the curve at t on the cubic from a to b.
TvRealPoint cubicAt(const Segment& a, const Segment& b, double t)
{
    const double u = 1 - t;
    auto mix = [&](double p0, double p1, double p2, double p3) {
        return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
    };
    return {static_cast<float>(mix(a.p.h, a.out.h, b.in.h, b.p.h)),
            static_cast<float>(mix(a.p.v, a.out.v, b.in.v, b.p.v))};
}

TEST(PathData, ArcsFollowTheCircle)
{
    // A half circle of radius 50 about (50, 0), drawn clockwise on screen.
    const Subpath s = only("M0 0 A50 50 0 0 1 100 0");
    ASSERT_GE(s.segments.size(), 3u);
    EXPECT_POINT_NEAR(s.segments.back().p, 100, 0, kTol);
    for (size_t i = 0; i + 1 < s.segments.size(); ++i)
        for (double t : {0.0, 0.25, 0.5, 0.75}) {
            const TvRealPoint q = cubicAt(s.segments[i], s.segments[i + 1], t);
            EXPECT_NEAR(std::hypot(q.h - 50, q.v), 50, 0.05) << i << " " << t;
            EXPECT_LE(q.v, 1e-3) << "sweep 1 in y-down space goes through negative y";
        }
}

TEST(PathData, ArcFlagsAndRelativeArcs)
{
    // Compact flags; large arc with sweep 0 from (0,0) to (10,0) radius 10.
    const Subpath s = only("M0 0a10 10 0 1010 0");
    EXPECT_POINT_NEAR(s.segments.back().p, 10, 0, kTol);
    // The large arc reaches about 18.66 below or above the chord.
    float extreme = 0;
    for (size_t i = 0; i + 1 < s.segments.size(); ++i)
        for (double t = 0; t <= 1; t += 0.05)
            extreme = std::max(extreme, std::fabs(cubicAt(s.segments[i], s.segments[i + 1], t).v));
    EXPECT_NEAR(extreme, 10 + 10 * std::sqrt(3.0f) / 2, 0.05);

    // Radii too small are scaled up to reach: a half circle of radius 5.
    const Subpath small = only("M0 0 A1 1 0 0 0 10 0");
    const TvRealPoint mid = cubicAt(small.segments[1], small.segments[2], 0);
    EXPECT_NEAR(std::fabs(mid.v), 5, 1e-3);

    // Zero radius is a straight line; an arc to the current point adds nothing.
    EXPECT_EQ(only("M0 0 A0 5 0 0 1 10 0").segments.size(), 2u);
    EXPECT_EQ(only("M3 3 A5 5 0 0 1 3 3").segments.size(), 1u);
}

TEST(PathData, CloseAndSubpaths)
{
    auto paths = parsePathData("M0 0 L10 0 L10 10 Z m5 5 l1 0 z l 0 3");
    ASSERT_EQ(paths.size(), 3u);
    EXPECT_TRUE(paths[0].closed);
    EXPECT_EQ(paths[0].segments.size(), 3u);
    // The relative moveto after Z starts from the closed start point.
    EXPECT_POINT_NEAR(paths[1].segments[0].p, 5, 5, kTol);
    EXPECT_TRUE(paths[1].closed);
    // Drawing after z without a moveto starts a new subpath at the start.
    EXPECT_FALSE(paths[2].closed);
    EXPECT_POINT_NEAR(paths[2].segments[0].p, 5, 5, kTol);
    EXPECT_POINT_NEAR(paths[2].segments[1].p, 5, 8, kTol);
}

TEST(PathData, ExplicitReturnToStartFoldsIntoTheFirstAnchor)
{
    const Subpath s = only("M0 0 L10 0 C 10 10 0 10 0 0 Z");
    ASSERT_EQ(s.segments.size(), 2u);
    EXPECT_POINT_NEAR(s.segments[0].in, 0, 10, kTol);
    EXPECT_TRUE(s.closed);
}

TEST(PathData, EmptyDataIsNoPath)
{
    EXPECT_TRUE(parsePathData("").empty());
    EXPECT_TRUE(parsePathData("  \n\t").empty());
}

void expectErrorAt(const std::string& d, const std::string& what, size_t offset)
{
    try {
        parsePathData(d);
        ADD_FAILURE() << "no error for \"" << d << "\"";
    } catch (const PathDataError& e) {
        EXPECT_THAT(e.what(), HasSubstr(what)) << d;
        EXPECT_THAT(e.what(), HasSubstr("at offset " + std::to_string(offset))) << d;
    }
}

TEST(PathData, ErrorsSayWhatAndWhere)
{
    expectErrorAt("L 10 10", "must begin with a moveto, not 'L'", 0);
    expectErrorAt("5 5", "unknown path command '5'", 0);
    expectErrorAt("M 0 0 X 5", "unknown path command 'X'", 6);
    expectErrorAt("M 0 0 L 5", "expected a number for 'L'", 9);
    expectErrorAt("M 0 0 L 5 -", "expected a number for 'L'", 10);
    expectErrorAt("M 0 0 L 5 .", "expected a number for 'L'", 10);
    expectErrorAt("M 0 0 L 5 1e", "unknown path command 'e'", 11);
    expectErrorAt("M 0 0 A 5 5 0 2 0 1 1", "expected a flag 0 or 1 for 'A'", 14);
    expectErrorAt("M 0 1e999", "number out of range for 'M'", 4);
    // Just past the largest float (3.4028234664e38 plus half a unit in its last place).
    expectErrorAt("M 0 0 L 3.4028236e38 0", "number out of range", 8);
    expectErrorAt("M 0 0 L 0 -1e39", "number out of range", 10);
    expectErrorAt("M 0 0 L 5 5 \xff", "unknown path command byte 0xff", 12);
}

} // namespace
} // namespace tovrins::host

namespace tovrins::host {
namespace {

// What SVG renderers draw of faulty data: every whole segment before the error.
TEST(PathData, ReadingUpToAnErrorKeepsTheWholeSegments)
{
    auto points = [](const Subpath& s) { return s.segments.size(); };
    {
        const PartialPathData p = readPathData("M0 0 L10 0 L10 10 L5");
        EXPECT_THAT(p.error, HasSubstr("expected a number for 'L' at offset 20"));
        ASSERT_EQ(p.subpaths.size(), 1u);
        EXPECT_EQ(points(p.subpaths[0]), 3u);
        EXPECT_POINT_NEAR(p.subpaths[0].segments[2].p, 10, 10, kTol);
    }
    {
        // Implicit repeats: the complete pairs stay, the half pair goes.
        const PartialPathData p = readPathData("M0 0 L1 1 2 2 3");
        ASSERT_EQ(p.subpaths.size(), 1u);
        EXPECT_EQ(points(p.subpaths[0]), 3u);
    }
    {
        // A curve or arc cut short adds nothing; earlier subpaths stay closed.
        const PartialPathData p = readPathData("M0 0 L10 0 L10 10 Z M20 20 C 1 2 3 4 A 5 5 0 1 1 9 9");
        ASSERT_EQ(p.subpaths.size(), 2u);
        EXPECT_TRUE(p.subpaths[0].closed);
        EXPECT_EQ(points(p.subpaths[1]), 1u);
        EXPECT_THAT(p.error, HasSubstr("'C'"));
    }
    {
        // After a close, a faulty command opens no stray subpath.
        const PartialPathData p = readPathData("M0 0 L10 0 L10 10 Z L 5");
        ASSERT_EQ(p.subpaths.size(), 1u);
        EXPECT_TRUE(p.subpaths[0].closed);
        const PartialPathData arc = readPathData("M0 0 L10 0 z a 1 1 0 1");
        EXPECT_EQ(arc.subpaths.size(), 1u);
    }
    {
        const PartialPathData p = readPathData("X 1 2");
        EXPECT_TRUE(p.subpaths.empty());
        EXPECT_THAT(p.error, HasSubstr("unknown path command 'X'"));
    }
    {
        const PartialPathData p = readPathData("M0 0 L10 0 L 3.5e38 0");
        EXPECT_EQ(points(p.subpaths.at(0)), 2u);
        EXPECT_THAT(p.error, HasSubstr("out of range"));
    }
    const PartialPathData whole = readPathData("M0 0 L10 0");
    EXPECT_TRUE(whole.error.empty());
    EXPECT_EQ(points(whole.subpaths.at(0)), 2u);
}

TEST(PathData, TheImporterKeepsAFaultyPathWithOneWarning)
{
    std::vector<std::string> warnings;
    const DocumentData d = readSvg(R"(<svg width="20" height="20"><path id="p" d="M0 0 L10 0 L10 10 L 5"/></svg>)",
                                   "faulty.svg", warnings);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_THAT(warnings[0],
                HasSubstr("faulty.svg: kept the path data of <path> \"p\" up to its error: "
                          "expected a number for 'L' at offset 21."));
    ASSERT_EQ(d.layers.at(0).art.size(), 1u);
    EXPECT_EQ(d.layers[0].art[0].segments.size(), 3u);
}

} // namespace
} // namespace tovrins::host
