// The transform attribute: well-formed lists, malformed ones (nullopt), and
// numbers no matrix can hold (an error, as in path data).
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "host/io/svg_import.hpp"
#include "host/io/svg_transform.hpp"

namespace tovrins::host {
namespace {

using ::testing::HasSubstr;

TEST(SvgTransform, ListsComposeRightToLeft)
{
    const auto m = parseSvgTransform("translate(10, 20) scale(2) rotate(90 1 1)");
    ASSERT_TRUE(m);
    const TvRealPoint p = applyMatrix(*m, {2, 1}); // rotate about (1,1) -> (1,2); scale -> (2,4); move
    EXPECT_NEAR(p.h, 12, 1e-5);
    EXPECT_NEAR(p.v, 24, 1e-5);
    EXPECT_TRUE(parseSvgTransform(""));
    EXPECT_TRUE(parseSvgTransform("scale(1e30)"));
    // The largest float, as export spells it, and the number read as it.
    const auto largest = parseSvgTransform("matrix(1 0 0 1 3.4028235e+38 -3.4028235e+38)");
    ASSERT_TRUE(largest);
    EXPECT_EQ(largest->tx, std::numeric_limits<float>::max());
    EXPECT_EQ(largest->ty, -std::numeric_limits<float>::max());
}

TEST(SvgTransform, MalformedListsAreNullopt)
{
    for (const char* bad : {"scale", "scale(1", "scale(1 2 3)", "turn(5)", "matrix(1 2 3 4 5)", "translate(1px)",
                            "rotate(1 2)", "scale(1 2 3 4 5 6 7)"})
        EXPECT_FALSE(parseSvgTransform(bad)) << bad;
}

TEST(SvgTransform, NumbersNoMatrixCanHoldAreErrors)
{
    for (const char* huge : {"translate(NaN,0)", "translate(0, inf)", "scale(-Infinity)", "scale(1e39)", "scale(1e400)",
                             "rotate(3.5e38)", "scale(1e30) scale(1e30)", "matrix(1 0 0 1 0 3.4028236e38)",
                             "skewX(1e300)", "scale(3.4028235e38) translate(2 0)"})
        EXPECT_THROW(parseSvgTransform(huge), SvgTransformRangeError) << huge;
}

TEST(SvgTransform, TheImporterNamesTheElement)
{
    std::vector<std::string> warnings;
    for (const char* t : {"translate(NaN,0)", "scale(1e39)"}) {
        const std::string svg =
            std::string(R"(<svg><g><rect id="big" width="1" height="1" transform=")") + t + "\"/></g></svg>";
        try {
            readSvg(svg, "t.svg", warnings);
            ADD_FAILURE() << t << " was accepted";
        } catch (const std::runtime_error& e) {
            EXPECT_THAT(e.what(),
                        HasSubstr("t.svg has an element <rect> \"big\" whose transform \"" + std::string(t) +
                                  "\" has a number that is not finite or too large."));
        }
    }
    // A malformed transform is skipped with a warning, as browsers skip it.
    const DocumentData d =
        readSvg(R"~(<svg><rect width="1" height="1" transform="spin(3)"/></svg>)~", "t.svg", warnings);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_THAT(warnings[0], HasSubstr("malformed transform \"spin(3)\""));
}

} // namespace
} // namespace tovrins::host
