#include <cmath>

#include "host/io/png_render.hpp"

namespace tovrins::host {

PngSize pngSize(const DocumentData& doc, double scale) { return pngSize(doc.width, doc.height, scale); }

PngSize pngSize(float width, float height, double scale)
{
    return {std::ceil(width * scale), std::ceil(height * scale)};
}

bool pngSizeFits(PngSize size)
{
    return size.width >= 1 && size.height >= 1 && size.width <= kMaxPngSide && size.height <= kMaxPngSide;
}

} // namespace tovrins::host
