// Combining two path styles, for copies that shift from one colour towards
// another.
#pragma once

#include "sdk/tv_types.h"

namespace tovrins::host {

// The colour in kind (gray, process or RGB) by the naive conversions of a
// simple print pipeline; other kinds, or a colour of another kind, come
// back unchanged.
TvColor convertColor(const TvColor& colour, int32_t kind);

// first * t + second * (1 - t), the second paint converted to the first's
// kind; a first paint that is none or not a plain colour stays as it is.
TvPathStyle interpolateStyles(const TvPathStyle& first, const TvPathStyle& second, TvReal t);

} // namespace tovrins::host
