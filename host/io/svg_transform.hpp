// The SVG transform attribute: matrix, translate, scale, rotate, skewX, skewY.
#pragma once

#include <optional>
#include <string_view>

#include "tv_types.h"

namespace tovrins::host {

// The matrix of a transform list; nullopt when it is malformed.
std::optional<TvRealMatrix> parseSvgTransform(std::string_view text);

// first, then second.
TvRealMatrix thenApply(const TvRealMatrix& first, const TvRealMatrix& second);
TvRealPoint applyMatrix(const TvRealMatrix& m, TvRealPoint p);

} // namespace tovrins::host
