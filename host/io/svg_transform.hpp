// The SVG transform attribute: matrix, translate, scale, rotate, skewX, skewY.
#pragma once

#include <optional>
#include <stdexcept>
#include <string_view>

#include "sdk/tv_types.h"

namespace tovrins::host {

// Thrown for a transform that is well formed but whose numbers are not
// finite or whose matrix leaves the single-precision range ("scale(1e39)",
// "translate(NaN, 0)", "scale(1e30) scale(1e30)"): the art cannot be placed,
// as with such numbers in path data. The message names the value.
class SvgTransformRangeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The matrix of a transform list; nullopt when it is malformed (browsers
// then draw the element untransformed).
std::optional<TvRealMatrix> parseSvgTransform(std::string_view text);

// first, then second.
TvRealMatrix thenApply(const TvRealMatrix& first, const TvRealMatrix& second);
TvRealPoint applyMatrix(const TvRealMatrix& m, TvRealPoint p);

} // namespace tovrins::host
