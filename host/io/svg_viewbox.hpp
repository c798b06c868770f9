// How a viewBox maps onto a viewport: preserveAspectRatio.
#pragma once

#include <array>
#include <string_view>

#include "sdk/tv_types.h"

namespace tovrins::host::svg {

// The matrix from the viewBox {x, y, width, height} (a positive size) to a
// viewport of `width` by `height` from its origin, as `preserveAspectRatio`
// says: "none" stretches; otherwise the aspect is kept, the box fitted
// ("meet", the default) or covering ("slice"), and placed by the
// xMin/xMid/xMax and YMin/YMid/YMax alignment. A malformed value is
// taken as the default, "xMidYMid meet", as browsers do.
TvRealMatrix viewBoxMatrix(const std::array<double, 4>& box, double width, double height,
                           std::string_view preserveAspectRatio);

} // namespace tovrins::host::svg
