// Lengths: absolute units at 96 per inch, and em, ex and % resolved
// against the font size and the viewport.
#include <cmath>
#include <optional>

#include <gtest/gtest.h>

#include "host/io/svg_attributes.hpp"

namespace tovrins::host::svg {
namespace {

void expectLength(std::optional<double> v, double want, const char* text)
{
    ASSERT_TRUE(v.has_value()) << text;
    EXPECT_NEAR(*v, want, 1e-9) << text;
}

TEST(SvgLength, AbsoluteUnitsAsBrowsersReadThem)
{
    const struct {
        const char* text;
        double userUnits;
    } cases[] = {{"12", 12},     {"12px", 12},      {"72pt", 96}, {"1pc", 16},      {"1in", 96},   {"2.54cm", 96},
                 {"25.4mm", 96}, {"4Q", 96 / 25.4}, {"1IN", 96},  {" +3e1px ", 30}, {"-1in", -96}, {".5pt", 2 / 3.0}};
    for (const auto& c : cases)
        expectLength(length(c.text), c.userUnits, c.text);
}

TEST(SvgLength, MalformedAndRelativeLengthsWithoutContext)
{
    for (const char* bad : {"", "px", "12 px", "12furlongs", "1e999", "nan", "inf", "12px3", "--1", "1.2.3"})
        EXPECT_FALSE(length(bad)) << bad;
    for (const char* relative : {"1em", "2ex", "50%"})
        EXPECT_FALSE(length(relative)) << relative << " needs a context";
}

TEST(SvgLength, RelativeUnitsResolveAgainstTheContext)
{
    const LengthContext c{10, 300, 400};
    expectLength(length("1.5em", c, LengthAxis::Horizontal), 15, "em");
    expectLength(length("1e1em", c, LengthAxis::Horizontal), 100, "an exponent before em");
    expectLength(length("2ex", c, LengthAxis::Vertical), 10, "ex is half an em");
    expectLength(length("50%", c, LengthAxis::Horizontal), 150, "% of the width");
    expectLength(length("50%", c, LengthAxis::Vertical), 200, "% of the height");
    // Neither width nor height: the normalised diagonal, sqrt((w² + h²) / 2).
    expectLength(length("100%", c, LengthAxis::Diagonal), std::sqrt((300.0 * 300 + 400 * 400) / 2), "diagonal");
    expectLength(length("150%", c, LengthAxis::Horizontal), 450, "over 100 %");
    expectLength(length("1in", c, LengthAxis::Diagonal), 96, "absolute units ignore the context");
    EXPECT_FALSE(length("50%", LengthContext{16, 0, 400}, LengthAxis::Horizontal)) << "no viewport width";
    EXPECT_FALSE(length("1em em", c, LengthAxis::Horizontal));
}

} // namespace
} // namespace tovrins::host::svg
