// PNG rendering: a valid file of the right size, and no file on failure.
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/scratch_directory.hpp"

#include <cairo.h>

#include "tests/host/io/io_test_support.hpp"
#include "host/io/png_render.hpp"
#include "host/io/svg_import.hpp"

namespace tovrins::host {
namespace {

namespace fs = std::filesystem;
using testing::straightPath;

class PngRender : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = tovrins::test::scratchDirectory("tovrins_png_");
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    static DocumentData drawing()
    {
        DocumentData d;
        d.width = 120;
        d.height = 80;
        ArtData tri = straightPath({{10, 10}, {110, 10}, {60, 70}}, true);
        tri.style.stroke = {TV_COLOR_PROCESS, {0, 1, 1, 0}};
        tri.style.strokeWidth = 2;
        d.layers.push_back({"L", true, false, {tri}});
        return d;
    }

    fs::path dir_;
};

std::vector<uint8_t> bytes(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t bigEndian(const std::vector<uint8_t>& b, size_t at)
{
    return uint32_t{b[at]} << 24 | uint32_t{b[at + 1]} << 16 | uint32_t{b[at + 2]} << 8 | uint32_t{b[at + 3]};
}

TEST_F(PngRender, WritesAPngOfTheScaledSize)
{
    const fs::path out = dir_ / "drawing.png";
    writePng(drawing(), out.string(), 2.5);
    const std::vector<uint8_t> b = bytes(out);
    ASSERT_GE(b.size(), 33u);
    const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    EXPECT_TRUE(std::equal(std::begin(signature), std::end(signature), b.begin()));
    EXPECT_EQ(bigEndian(b, 8), 13u); // the IHDR chunk's length
    EXPECT_EQ(std::string(b.begin() + 12, b.begin() + 16), "IHDR");
    EXPECT_EQ(bigEndian(b, 16), 300u);
    EXPECT_EQ(bigEndian(b, 20), 200u);
    EXPECT_FALSE(fs::exists(out.string() + ".partial"));
}

// The pixel at (x, y) of a PNG file, y down, as 0xRRGGBB.
uint32_t pixel(const fs::path& png, int x, int y)
{
    cairo_surface_t* s = cairo_image_surface_create_from_png(png.c_str());
    uint32_t rgb = 0xdeadbeef;
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS &&
        (cairo_image_surface_get_format(s) == CAIRO_FORMAT_ARGB32 ||
         cairo_image_surface_get_format(s) == CAIRO_FORMAT_RGB24) &&
        x < cairo_image_surface_get_width(s) && y < cairo_image_surface_get_height(s)) {
        cairo_surface_flush(s);
        const unsigned char* row = cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
        uint32_t argb = 0;
        std::memcpy(&argb, row + 4 * x, 4);
        rgb = argb & 0xffffff;
    }
    cairo_surface_destroy(s);
    return rgb;
}

TEST_F(PngRender, DrawsVisibleLayersWithYUp)
{
    DocumentData d;
    d.width = 100;
    d.height = 50;
    // A red square at the top left of the page (y up: 40 to 50).
    ArtData red = straightPath({{0, 50}, {10, 50}, {10, 40}, {0, 40}}, true);
    red.style.fill = {TV_COLOR_RGB, {1, 0, 0, 0}};
    ArtData blue = straightPath({{50, 0}, {100, 0}, {100, 50}, {50, 50}}, true);
    blue.style.fill = {TV_COLOR_RGB, {0, 0, 1, 0}};
    d.layers.push_back({"Shown", true, false, {red}});
    d.layers.push_back({"Hidden", false, false, {blue}});
    const fs::path out = dir_ / "layers.png";
    writePng(d, out.string());
    EXPECT_EQ(pixel(out, 5, 5), 0xff0000u);
    EXPECT_EQ(pixel(out, 5, 45), 0xffffffu);
    EXPECT_EQ(pixel(out, 75, 25), 0xffffffu) << "a hidden layer is not drawn";
}

// Text and images show as a browser shows them: black text over the left
// half of the page, an embedded one-pixel red PNG stretched over the right.
TEST_F(PngRender, DrawsTextAndImages)
{
    const char* svg =
        R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" )"
        R"(width="200" height="100" viewBox="0 0 200 100">)"
        R"(<text id="t" x="0" y="90" font-family="DejaVu Sans" font-size="120" fill="#000">M</text>)"
        R"(<image id="i" x="100" y="0" width="100" height="100" preserveAspectRatio="none" xlink:href="data:image/png;base64,)"
        R"(iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR4nGP4z8DwHwAFAAH/iZk9HQAAAABJRU5ErkJggg=="/>)"
        R"(</svg>)";
    std::vector<std::string> warnings;
    const DocumentData d = readSvg(svg, "text-and-image.svg", warnings);
    const fs::path out = dir_ / "text.png";
    writePng(d, out.string());
    int dark = 0;
    for (int y = 10; y < 90; y += 4)
        for (int x = 2; x < 98; x += 4)
            dark += pixel(out, x, y) == 0x000000u ? 1 : 0;
    EXPECT_GT(dark, 20) << "the text is drawn";
    EXPECT_EQ(pixel(out, 150, 50), 0xff0000u) << "the image is drawn";
}

TEST_F(PngRender, ReplacesAnExistingFile)
{
    const fs::path out = dir_ / "again.png";
    std::ofstream(out) << "old";
    writePng(drawing(), out.string());
    const std::vector<uint8_t> b = bytes(out);
    ASSERT_GE(b.size(), 24u);
    EXPECT_EQ(bigEndian(b, 16), 120u);
    EXPECT_EQ(bigEndian(b, 20), 80u);
}

TEST_F(PngRender, UnwritableDirectoryThrowsAndLeavesNoFile)
{
    // A regular file stands where the directory should be: no one, root
    // included, can create a file under it.
    const fs::path notDir = dir_ / "plain";
    std::ofstream(notDir) << "x";
    const fs::path out = notDir / "drawing.png";
    try {
        writePng(drawing(), out.string());
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_THAT(e.what(), ::testing::HasSubstr(out.string()));
    }
    const fs::path missing = dir_ / "no" / "such" / "dir" / "drawing.png";
    EXPECT_THROW(writePng(drawing(), missing.string()), std::runtime_error);
    EXPECT_FALSE(fs::exists(dir_ / "no"));
    // Nothing was left beside the target either.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(PngRender, AbsurdSizesAreRefused)
{
    const fs::path out = dir_ / "huge.png";
    EXPECT_THROW(writePng(drawing(), out.string(), 1000), std::runtime_error);
    EXPECT_THROW(writePng(drawing(), out.string(), 0), std::runtime_error);
    EXPECT_THROW(writePng(drawing(), out.string(), -1), std::runtime_error);
    EXPECT_FALSE(fs::exists(out));
}

} // namespace
} // namespace tovrins::host
