#include "coordinate_range.hpp"

#include <cmath>

#include "document/geometry.hpp"
#include "host_context.hpp"
#include "tv_errors.h"

namespace tovrins::host {

namespace {

bool hasInfinity(const TvRealMatrix& m)
{
    return std::isinf(m.a) || std::isinf(m.b) || std::isinf(m.c) || std::isinf(m.d) || std::isinf(m.tx) ||
           std::isinf(m.ty);
}

bool isFiniteRect(const TvRealRect& r)
{
    return std::isfinite(r.left) && std::isfinite(r.top) && std::isfinite(r.right) && std::isfinite(r.bottom);
}

} // namespace

TvErr checkCoordinateRange(const Document& document, ArtId art, const TvRealMatrix& matrix)
{
    const Node* node = document.find(art);
    if (!node)
        return 0;
    bool fits = !hasInfinity(matrix);
    if (fits && isFinite(matrix)) {
        // An affine map keeps every point within the image of the bounds.
        TvRealRect bounds{};
        fits = document.bounds(art, bounds) != 0 || isFiniteRect(transformedBounds(matrix, bounds));
    }
    if (fits)
        return 0;
    const std::string name = node->name.empty() ? "art" : "art '" + node->name + "'";
    return noteRefusal(TV_ERR_OUT_OF_RANGE, "transforming " + name +
                                                " would carry it beyond about 3.4e38 points either way");
}

} // namespace tovrins::host
