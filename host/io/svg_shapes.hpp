// The basic SVG shapes as subpaths in their own user space (y down).
#pragma once

#include <span>

#include "host/io/path_data.hpp"

namespace tovrins::host {

Subpath rectPath(double x, double y, double w, double h, double rx, double ry);
Subpath ellipsePath(double cx, double cy, double rx, double ry);
Subpath polyPath(std::span<const double> coords, bool closed);

} // namespace tovrins::host
