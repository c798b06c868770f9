// A point in double precision for path geometry, with the little vector
// arithmetic the path-data parser and the arc conversion share.
#pragma once

#include "sdk/tv_types.h"

namespace tovrins::host::path_geometry {

struct Pt {
    double x = 0, y = 0;
};
inline Pt operator+(Pt a, Pt b) { return {a.x + b.x, a.y + b.y}; }
inline Pt operator-(Pt a, Pt b) { return {a.x - b.x, a.y - b.y}; }
inline Pt operator*(Pt a, double k) { return {a.x * k, a.y * k}; }

inline TvRealPoint real(Pt p) { return {static_cast<float>(p.x), static_cast<float>(p.y)}; }
inline Pt pt(TvRealPoint p) { return {p.h, p.v}; }

} // namespace tovrins::host::path_geometry
