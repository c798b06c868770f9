// The reference renderer and the pixel comparison the fidelity tests rest on.
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "svg_render.hpp"

namespace tovrins::testing {
namespace {

const uint8_t* pixel(const RenderedImage& image, int x, int y)
{
    return &image.rgba[(static_cast<size_t>(y) * image.width + x) * 4];
}

std::string square(const char* fill, int x)
{
    return R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10" viewBox="0 0 10 10">)"
           R"(<rect x=")" +
        std::to_string(x) + R"(" y="0" width="5" height="10" fill=")" + fill + R"("/></svg>)";
}

TEST(SvgRender, ScalesTheWholeDocumentToTheSizeInStraightRgba)
{
    const RenderedImage image = renderSvg(R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">)"
                                          R"(<rect width="5" height="10" fill="#ff0000" fill-opacity="0.5"/></svg>)",
                                          40, 20);
    ASSERT_EQ(image.width, 40);
    ASSERT_EQ(image.height, 20);
    ASSERT_EQ(image.rgba.size(), 40u * 20u * 4u);
    // The square document is fitted, centred, into the wide image: x 10..30.
    const uint8_t* red = pixel(image, 12, 10);
    EXPECT_EQ(red[0], 255);
    EXPECT_EQ(red[1], 0);
    EXPECT_NEAR(red[3], 128, 1);
    EXPECT_EQ(pixel(image, 25, 10)[3], 0);
    EXPECT_EQ(pixel(image, 2, 10)[3], 0);
}

TEST(SvgRender, ReadsTheIntrinsicSizeAtNinetySixPixelsAnInch)
{
    const auto size = intrinsicPixelSize(R"(<svg xmlns="http://www.w3.org/2000/svg" width="1in" height="72pt"/>)");
    ASSERT_TRUE(size);
    EXPECT_DOUBLE_EQ(size->width, 96);
    EXPECT_DOUBLE_EQ(size->height, 96);
    EXPECT_FALSE(intrinsicPixelSize(R"(<svg xmlns="http://www.w3.org/2000/svg" width="50%" height="50%"/>)"));
    EXPECT_FALSE(intrinsicPixelSize("<svg"));
}

TEST(SvgRender, RefusesWhatLibrsvgCannotRead)
{
    EXPECT_THROW(renderSvg("<svg", 10, 10), std::runtime_error);
    EXPECT_THROW(renderSvg("not xml at all", 10, 10), std::runtime_error);
    EXPECT_THROW(renderSvg(square("red", 0), 0, 10), std::runtime_error);
}

TEST(SvgRender, CountsThePixelsThatDifferBeyondTheThreshold)
{
    const RenderedImage left = renderSvg(square("#000", 0), 10, 10);
    EXPECT_EQ(differingFraction(left, left), 0.0);
    // Moving the half-width square two columns right uncovers two and covers two: 40 %.
    EXPECT_NEAR(differingFraction(left, renderSvg(square("#000", 2), 10, 10)), 0.4, 1e-9);
    // A colour step of 20/255 is under the default threshold, not under 16.
    const RenderedImage nearly = renderSvg(square("#141414", 0), 10, 10);
    EXPECT_EQ(differingFraction(left, nearly), 0.0);
    EXPECT_NEAR(differingFraction(left, nearly, 16), 0.5, 1e-9);
    EXPECT_EQ(differingFraction(left, renderSvg(square("#000", 0), 20, 10)), 1.0);
}

TEST(SvgRender, IgnoresTheColourOfFullyTransparentPixels)
{
    RenderedImage a{1, 1, {255, 0, 0, 0}};
    RenderedImage b{1, 1, {0, 0, 255, 0}};
    EXPECT_EQ(differingFraction(a, b), 0.0);
    b.rgba[3] = 255;
    EXPECT_EQ(differingFraction(a, b), 1.0);
}

} // namespace
} // namespace tovrins::testing
