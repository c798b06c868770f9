// A point in double precision for path geometry, with the little vector
// arithmetic the path-data parser and the arc conversion share.
#pragma once

#include "host/io/svg_number.hpp"
#include "sdk/tv_types.h"

namespace tovrins::host::path_geometry {

struct Pt {
    double x = 0, y = 0;
};
inline Pt operator+(Pt a, Pt b) { return {a.x + b.x, a.y + b.y}; }
inline Pt operator-(Pt a, Pt b) { return {a.x - b.x, a.y - b.y}; }
inline Pt operator*(Pt a, double k) { return {a.x * k, a.y * k}; }

// Points past the float range become infinite, which the importer refuses.
inline TvRealPoint real(Pt p) { return {toFloat(p.x), toFloat(p.y)}; }
inline Pt pt(TvRealPoint p) { return {p.h, p.v}; }

} // namespace tovrins::host::path_geometry
