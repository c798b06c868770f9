#include "host/suites/coordinate_range.hpp"

#include <cmath>
#include <string>

#include "host/document/geometry.hpp"
#include "host/host_context.hpp"
#include "sdk/tv_errors.h"

namespace tovrins::host {

namespace {

bool isFiniteRect(const TvRealRect& r)
{
    return std::isfinite(r.left) && std::isfinite(r.top) && std::isfinite(r.right) && std::isfinite(r.bottom);
}

} // namespace

// A matrix that is not finite comes of arithmetic that overflowed: an
// infinite scale, and the NaN of infinity times zero or less infinity that
// concatenating it gives.
TvErr checkCoordinateRange(const Document& document, ArtId art, const TvRealMatrix& matrix)
{
    const Node* node = document.find(art);
    if (!node)
        return 0;
    // Named only when refused: a transform of every copy passes through here.
    auto name = [node] { return node->name.empty() ? std::string("an unnamed art object") : "art '" + node->name + "'"; };
    if (!isFinite(matrix))
        return noteRefusal(TV_ERR_OUT_OF_RANGE,
                           "the matrix to transform " + name() + " by has overflowed, beyond about 3.4e38");
    // An affine map keeps every point within the image of the bounds.
    TvRealRect bounds{};
    if (document.bounds(art, bounds) != 0 || isFiniteRect(transformedBounds(matrix, bounds)))
        return 0;
    return noteRefusal(TV_ERR_OUT_OF_RANGE,
                       "transforming " + name() + " would carry it beyond about 3.4e38 points either way");
}

} // namespace tovrins::host
