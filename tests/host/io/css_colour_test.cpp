// CSS colour values: keywords, hex forms, rgb()/hsl() in both syntaxes,
// alpha, currentColor, device-cmyk(), and what is refused.
#include <cmath>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "host/io/svg_colour.hpp"

namespace tovrins::host {
namespace {

// The colour as 0..255 channels and alpha, for readable expectations.
struct Rgba {
    int r, g, b;
    double a;
};

std::optional<Rgba> rgba(const std::string& text)
{
    const auto c = parseCssColour(text);
    if (!c)
        return std::nullopt;
    EXPECT_EQ(c->colour.kind, TV_COLOR_RGB) << text;
    auto byte = [&](int i) { return static_cast<int>(std::lround(c->colour.components[i] * 255)); };
    return Rgba{byte(0), byte(1), byte(2), c->alpha};
}

void expectColour(const std::string& text, int r, int g, int b, double a = 1)
{
    const auto c = rgba(text);
    ASSERT_TRUE(c.has_value()) << text;
    EXPECT_EQ(c->r, r) << text;
    EXPECT_EQ(c->g, g) << text;
    EXPECT_EQ(c->b, b) << text;
    EXPECT_NEAR(c->a, a, 1e-6) << text;
}

TEST(CssColour, KeywordsIncludingTheExtendedOnesIgnoreCase)
{
    expectColour("seagreen", 0x2e, 0x8b, 0x57);
    expectColour("CornflowerBlue", 0x64, 0x95, 0xed);
    expectColour("lightgoldenrodyellow", 0xfa, 0xfa, 0xd2);
    expectColour("rebeccapurple", 0x66, 0x33, 0x99);
    expectColour("aliceblue", 0xf0, 0xf8, 0xff);   // first of the table
    expectColour("yellowgreen", 0x9a, 0xcd, 0x32); // last of the table
    expectColour(" darkslategrey\n", 0x2f, 0x4f, 0x4f);
    expectColour("transparent", 0, 0, 0, 0);
    EXPECT_FALSE(parseCssColour("blurple"));
    EXPECT_FALSE(parseCssColour("sea green"));
    EXPECT_FALSE(parseCssColour(""));
}

TEST(CssColour, HexFormsWithAndWithoutAlpha)
{
    expectColour("#0f8", 0, 0xff, 0x88);
    expectColour("#0F88", 0, 0xff, 0x88, 0x88 / 255.0);
    expectColour("#FF8000", 0xff, 0x80, 0);
    expectColour("#ff800080", 0xff, 0x80, 0, 0x80 / 255.0);
    for (const char* bad : {"#", "#12", "#12345", "#1234567", "#123456789", "#ggg", "#12 3", "# 123"})
        EXPECT_FALSE(parseCssColour(bad)) << bad;
}

TEST(CssColour, RgbInTheLegacyAndTheModernSyntax)
{
    expectColour("rgb(255, 0, 51)", 255, 0, 51);
    expectColour("RGB( 255 ,0,51 )", 255, 0, 51);
    expectColour("rgba(255, 0, 51, 0.5)", 255, 0, 51, 0.5);
    expectColour("rgb(100%, 50%, 0%)", 255, 128, 0);
    expectColour("rgb(255 0 51)", 255, 0, 51);
    expectColour("rgb(255 0 51 / 25%)", 255, 0, 51, 0.25);
    expectColour("rgba(100% 0 20% / .5)", 255, 0, 51, 0.5); // the modern syntax mixes kinds
    expectColour("rgb(none 255 0)", 0, 255, 0);
    expectColour("rgb(+1e2, 0, 0)", 100, 0, 0);
    // Out of range channels and alphas clamp, percentages over 100 too.
    expectColour("rgb(300, -20, 128, 2)", 255, 0, 128, 1);
    expectColour("rgb(150%, 50%, -5%)", 255, 128, 0);
    expectColour("rgba(0, 0, 0, -1)", 0, 0, 0, 0);
    for (const char* bad :
         {"rgb(1,2)", "rgb(1,2,3,4,5)", "rgb(1 2 3 4)", "rgb(1, 2 3)", "rgb(100%, 50, 0)", "rgb(1,2,3", "rgb(1,,2,3)",
          "rgb(1,2,3,)", "rgb(1 2 3 /)", "rgb(1 2 / 3 / 4)", "rgb(none, 2, 3)", "rgb(1px 2 3)", "rgb(NaN, 0, 0)",
          "rgb(inf 0 0)", "rgb(1e999 0 0)", "rgb(1 2 3 / 1deg)", "rgbx(1 2 3)", "lab(50 20 30)"})
        EXPECT_FALSE(parseCssColour(bad)) << bad;
}

TEST(CssColour, HslWithHueUnitsAndWrapping)
{
    expectColour("hsl(0, 100%, 50%)", 255, 0, 0);
    expectColour("hsl(120, 100%, 25%)", 0, 128, 0);
    expectColour("hsla(240, 100%, 50%, 0.5)", 0, 0, 255, 0.5);
    expectColour("hsl(240 100% 50% / 50%)", 0, 0, 255, 0.5);
    expectColour("hsl(0, 0%, 50%)", 128, 128, 128);
    // The hue wraps around the circle in both directions.
    expectColour("hsl(480, 100%, 50%)", 0, 255, 0);
    expectColour("hsl(-240, 100%, 50%)", 0, 255, 0);
    expectColour("hsl(1turn 100% 50%)", 255, 0, 0);
    expectColour("hsl(0.5turn 100% 50%)", 0, 255, 255);
    expectColour("hsl(200grad 100% 50%)", 0, 255, 255);
    expectColour("hsl(3.14159265rad 100% 50%)", 0, 255, 255);
    expectColour("hsl(60deg 100 50)", 255, 255, 0); // modern numbers are percentages
    expectColour("hsl(60, 200%, 120%)", 255, 255, 255);
    for (const char* bad :
         {"hsl(1,2,3)", "hsl(0, 100, 50)", "hsl(10px, 50%, 50%)", "hsl(0 100%)", "hsla(0, 1%, 1%, 1, 1)"})
        EXPECT_FALSE(parseCssColour(bad)) << bad;
}

TEST(CssColour, CurrentColorAndDeviceCmyk)
{
    const auto current = parseCssColour("currentcolor");
    ASSERT_TRUE(current);
    EXPECT_TRUE(current->currentColor);
    EXPECT_TRUE(parseCssColour("currentColor")->currentColor);
    EXPECT_FALSE(parseCssColour("red")->currentColor);

    const auto cmyk = parseCssColour("device-cmyk(0.1, 20%, 0.3, 0.4)");
    ASSERT_TRUE(cmyk);
    EXPECT_EQ(cmyk->colour.kind, TV_COLOR_PROCESS);
    EXPECT_NEAR(cmyk->colour.components[1], 0.2f, 1e-6);
    EXPECT_NEAR(cmyk->colour.components[3], 0.4f, 1e-6);
    const auto spaced = parseCssColour("device-cmyk(0 1 2 -1 / 0.5)");
    ASSERT_TRUE(spaced);
    EXPECT_EQ(spaced->colour.components[1], 1);
    EXPECT_EQ(spaced->colour.components[2], 1) << "clamped";
    EXPECT_EQ(spaced->colour.components[3], 0) << "clamped";
    EXPECT_NEAR(spaced->alpha, 0.5f, 1e-6);
    EXPECT_FALSE(parseCssColour("device-cmyk(0.1, 0.2, 0.3)"));
}

TEST(CssColour, PaintsDropAlphaAndMapTransparentToNone)
{
    EXPECT_EQ(parseSvgPaint("none")->kind, TV_COLOR_NONE);
    EXPECT_EQ(parseSvgPaint(" NONE ")->kind, TV_COLOR_NONE);
    EXPECT_EQ(parseSvgPaint("transparent")->kind, TV_COLOR_NONE);
    EXPECT_EQ(parseSvgPaint("rgba(255, 0, 0, 0)")->kind, TV_COLOR_NONE);
    const auto half = parseSvgPaint("rgba(255, 0, 0, 0.5)");
    ASSERT_TRUE(half);
    EXPECT_EQ(half->kind, TV_COLOR_RGB);
    EXPECT_EQ(half->components[0], 1);
    EXPECT_FALSE(parseSvgPaint("currentColor")) << "the caller resolves it";
    EXPECT_FALSE(parseSvgPaint("url(#g)"));
}

} // namespace
} // namespace tovrins::host
