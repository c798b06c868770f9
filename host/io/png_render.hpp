// Renders a document to a PNG file: the picture librsvg draws of its SVG
// export, which is what a browser shows of the exported file, text and
// images included. Documents of plain paths are drawn straight from their
// nodes to the same pixels (png_direct.hpp), without the SVG text.
#pragma once

#include <string>

#include "host/document/document.hpp"
#include "host/document_data.hpp"

namespace tovrins::host {

// The image a document renders as, in whole pixels a side (rounded up).
struct PngSize {
    double width = 0;
    double height = 0;
};
inline constexpr double kMaxPngSide = 10000;

// Whether this build writes PNG at all: the Windows build has no cairo.
#ifdef TOVRINS_NO_PNG
inline constexpr bool kCanWritePng = false;
#else
inline constexpr bool kCanWritePng = true;
#endif

PngSize pngSize(const DocumentData& doc, double scale = 1.0);
PngSize pngSize(float width, float height, double scale = 1.0);
// Whether writePng renders that size: 1 to kMaxPngSide pixels a side.
bool pngSizeFits(PngSize size);

// The page is white; the document's artwork is drawn over it, scaled by
// `scale` pixels a point. Writes to a temporary file beside `path` and
// renames it into place, so a failure leaves no half-written output.
// Throws std::runtime_error.
void writePng(const DocumentData& doc, const std::string& path, double scale = 1.0);
// The same, the live document's nodes read in place.
void writePng(const Document& doc, const std::string& path, double scale = 1.0);
// The same image as PNG file bytes in memory. Throws std::runtime_error.
std::string renderPng(const Document& doc, double scale = 1.0);

// How a document is drawn: straight from its nodes with cairo, or its SVG
// export by librsvg.
enum class PngRoute { Direct, Librsvg };
PngRoute pngRoute(const Document& doc);
PngRoute pngRoute(const DocumentData& doc);
// renderPng by the route given, to compare the two: Direct throws
// std::invalid_argument for a document pngRoute sends to librsvg.
std::string renderPng(const Document& doc, double scale, PngRoute route);

} // namespace tovrins::host
