#include <cmath>

#include "host/io/png_render.hpp"

namespace tovrins::host {

PngSize pngSize(const DocumentData& doc, double scale)
{
    return {std::ceil(doc.width * scale), std::ceil(doc.height * scale)};
}

bool pngSizeFits(PngSize size)
{
    return size.width >= 1 && size.height >= 1 && size.width <= kMaxPngSide && size.height <= kMaxPngSide;
}

} // namespace tovrins::host
