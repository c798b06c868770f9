#include "host/io/svg_shapes.hpp"

#include <algorithm>

#include "host/io/svg_number.hpp"

namespace tovrins::host {

namespace {

// The handle length of a cubic quarter circle of radius 1.
constexpr double kKappa = 0.5522847498307936;

TvRealPoint at(double x, double y) { return {toFloat(x), toFloat(y)}; }

void anchor(Subpath& s, double x, double y) { s.segments.push_back({at(x, y), at(x, y), at(x, y), true}); }

// A quarter arc from the last anchor to (x, y), leaving along (ox, oy) and
// arriving along (ix, iy) as handle offsets.
void quarter(Subpath& s, double ox, double oy, double x, double y, double ix, double iy)
{
    Segment& last = s.segments.back();
    last.out = at(last.p.h + ox, last.p.v + oy);
    s.segments.push_back({at(x, y), at(x + ix, y + iy), at(x, y), true});
}

} // namespace

Subpath rectPath(double x, double y, double w, double h, double rx, double ry)
{
    Subpath s;
    s.closed = true;
    rx = std::clamp(rx, 0.0, w / 2);
    ry = std::clamp(ry, 0.0, h / 2);
    if (rx == 0 || ry == 0) {
        anchor(s, x, y);
        anchor(s, x + w, y);
        anchor(s, x + w, y + h);
        anchor(s, x, y + h);
        return s;
    }
    const double kx = rx * kKappa, ky = ry * kKappa;
    anchor(s, x + rx, y);
    anchor(s, x + w - rx, y);
    quarter(s, kx, 0, x + w, y + ry, 0, -ky);
    anchor(s, x + w, y + h - ry);
    quarter(s, 0, ky, x + w - rx, y + h, kx, 0);
    anchor(s, x + rx, y + h);
    quarter(s, -kx, 0, x, y + h - ry, 0, ky);
    anchor(s, x, y + ry);
    quarter(s, 0, -ky, x + rx, y, -kx, 0);
    // The last quarter ends on the first anchor: fold it in.
    s.segments.front().in = s.segments.back().in;
    s.segments.pop_back();
    markCorners(s);
    return s;
}

Subpath ellipsePath(double cx, double cy, double rx, double ry)
{
    Subpath s;
    s.closed = true;
    const double kx = rx * kKappa, ky = ry * kKappa;
    anchor(s, cx + rx, cy);
    quarter(s, 0, ky, cx, cy + ry, kx, 0);
    quarter(s, -kx, 0, cx - rx, cy, 0, ky);
    quarter(s, 0, -ky, cx, cy - ry, -kx, 0);
    quarter(s, kx, 0, cx + rx, cy, 0, -ky);
    s.segments.front().in = s.segments.back().in;
    s.segments.pop_back();
    markCorners(s);
    return s;
}

Subpath polyPath(std::span<const double> coords, bool closed)
{
    Subpath s;
    s.closed = closed;
    for (size_t i = 0; i + 1 < coords.size(); i += 2)
        anchor(s, coords[i], coords[i + 1]);
    return s;
}

} // namespace tovrins::host
