// Renders SVG text with librsvg, the reference renderer of the tests, and
// compares two renders pixel by pixel.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovrins::testing {

// Straight (not premultiplied) RGBA, row by row, 4 bytes a pixel.
struct RenderedImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;
};

// The whole document fitted into width x height pixels on a transparent
// background, as librsvg draws it. `baseFile` names the file relative
// references (images) are resolved against; empty: none are loaded.
// Throws std::runtime_error when librsvg cannot read or draw the text.
RenderedImage renderSvg(std::string_view svg, int width, int height, const std::string& baseFile = {});

// The document's own size in pixels as librsvg reads it (width and height,
// 96 pixels an inch); none when librsvg cannot read the text or the size is
// relative (percentages without a viewBox).
struct SvgPixelSize {
    double width = 0;
    double height = 0;
};
std::optional<SvgPixelSize> intrinsicPixelSize(std::string_view svg, const std::string& baseFile = {});

// The fraction (0..1) of pixels where any channel differs by more than
// `threshold` of 255. Colours are compared premultiplied by their alpha, so
// the colour of a nearly transparent pixel does not count. Images of
// different sizes differ everywhere (1).
double differingFraction(const RenderedImage& a, const RenderedImage& b, int threshold = 32);

} // namespace tovrins::testing
