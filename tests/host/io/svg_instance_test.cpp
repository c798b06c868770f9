// Instances (<use>) are measured for their bounds: each instanced element
// once, whatever the nesting multiplies to; cycles and references to an
// ancestor measure nothing and the rest of the file reads.
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "host/io/svg_export.hpp"
#include "host/io/svg_import.hpp"

namespace tovrins::host {
namespace {

using ::testing::HasSubstr;

// `levels` groups in <defs>, each with three instances of the one below at a
// third of its size: the last stands for 3^levels squares in a 600 square.
std::string nestedInstances(int levels)
{
    std::string svg = R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" )"
                      R"(width="700" height="700"><defs><g id="l0"><rect width="600" height="600"/></g>)";
    for (int i = 1; i <= levels; ++i) {
        const std::string below = "#l" + std::to_string(i - 1);
        svg += "<g id=\"l" + std::to_string(i) + "\">";
        for (const char* at : {"0,0", "400,0", "0,400"})
            svg += "<use xlink:href=\"" + below + "\" transform=\"translate(" + at + ") scale(0.33333333)\"/>";
        svg += "</g>";
    }
    return svg + "</defs><use id=\"top\" xlink:href=\"#l" + std::to_string(levels) + "\" x=\"10\" y=\"20\"/></svg>";
}

const ArtData& onlyArt(const DocumentData& d)
{
    EXPECT_EQ(d.layers.size(), 1u);
    EXPECT_EQ(d.layers.at(0).art.size(), 1u);
    return d.layers.at(0).art.at(0);
}

// 3^40 squares: measured level by level this is forty measurings; measured
// instance by instance it would pass the reader's limit on measuring work
// and be refused, so the test fails rather than waits.
TEST(SvgInstances, NestingThatMultipliesIsMeasuredOnceAnElement)
{
    std::vector<std::string> warnings;
    const DocumentData d = readSvg(nestedInstances(40), "nested.svg", warnings);
    EXPECT_THAT(warnings, ::testing::IsEmpty());
    const ArtData& top = onlyArt(d);
    ASSERT_EQ(top.type, ArtType::Instance);
    // Its own space, y negated; x and y of the <use> move it.
    EXPECT_NEAR(top.bounds.left, 10, 0.01);
    EXPECT_NEAR(top.bounds.right, 610, 0.01);
    EXPECT_NEAR(top.bounds.top, -20, 0.01);
    EXPECT_NEAR(top.bounds.bottom, -620, 0.01);
    // Written back, it reads the same: definitions and instance are kept.
    const DocumentData again = readSvg(writeSvg(d), "nested-export.svg", warnings);
    EXPECT_NEAR(onlyArt(again).bounds.right, 610, 0.01);
    EXPECT_THAT(warnings, ::testing::IsEmpty());
}

// The same file at every depth up to the limit of nesting reads: a level
// adds one measuring, never a factor.
TEST(SvgInstances, EveryDepthOfNestingReads)
{
    std::vector<std::string> warnings;
    for (int levels : {0, 1, 2, 9, 60, 100}) {
        const DocumentData d = readSvg(nestedInstances(levels), "nested.svg", warnings);
        EXPECT_NEAR(onlyArt(d).bounds.right, 610, 0.01) << levels << " levels";
    }
}

TEST(SvgInstances, AnInstanceOfItsOwnAncestorDrawsNothingAndTheRestReads)
{
    std::vector<std::string> warnings;
    const DocumentData d =
        readSvg(R"(<svg xmlns:xlink="http://www.w3.org/1999/xlink" width="100" height="100">)"
                R"(<g id="g"><use id="self" xlink:href="#g"/><rect id="r" width="10" height="10"/></g></svg>)",
                "ancestor.svg", warnings);
    ASSERT_EQ(d.layers.size(), 1u);
    const std::vector<ArtData>& art = d.layers[0].art;
    ASSERT_EQ(art.size(), 2u);
    EXPECT_EQ(art[0].id, "self");
    EXPECT_EQ(art[0].type, ArtType::Instance);
    EXPECT_TRUE(art[0].bounds.left == 0 && art[0].bounds.right == 0 && art[0].bounds.top == 0 &&
                art[0].bounds.bottom == 0);
    EXPECT_EQ(art[1].id, "r");
    EXPECT_EQ(art[1].segments.size(), 4u);
}

// Two groups that are instances of each other: neither contains the other,
// so only the reading order finds the cycle. Each measures what it draws
// before the cycle closes.
TEST(SvgInstances, InstancesOfEachOtherMeasureWhatTheyDraw)
{
    std::vector<std::string> warnings;
    const DocumentData d = readSvg(R"(<svg xmlns:xlink="http://www.w3.org/1999/xlink" width="100" height="100"><defs>)"
                                   R"(<g id="a"><rect width="5" height="5"/><use xlink:href="#b"/></g>)"
                                   R"(<g id="b"><rect x="50" width="5" height="5"/><use xlink:href="#a"/></g></defs>)"
                                   R"(<use id="ua" xlink:href="#a"/><use id="ub" xlink:href="#b" x="100"/></svg>)",
                                   "cycle.svg", warnings);
    ASSERT_EQ(d.layers.at(0).art.size(), 2u);
    const ArtData& ua = d.layers[0].art[0];
    EXPECT_NEAR(ua.bounds.left, 0, 1e-4);
    EXPECT_NEAR(ua.bounds.right, 55, 1e-4) << "a draws b's square too";
    const ArtData& ub = d.layers[0].art[1];
    EXPECT_NEAR(ub.bounds.left, 150, 1e-4) << "b was measured inside a; x moves it";
    EXPECT_NEAR(ub.bounds.right, 155, 1e-4);
}

} // namespace
} // namespace tovrins::host
