// Arcs as cubic curves, and the corner flags of anchors.
#include "host/io/path_data.hpp"
#include "host/io/path_point.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tovrins::host {

namespace {

using namespace path_geometry;

} // namespace

void markCorners(Subpath& path)
{
    for (Segment& s : path.segments) {
        const double ix = s.p.h - s.in.h, iy = s.p.v - s.in.v;
        const double ox = s.out.h - s.p.h, oy = s.out.v - s.p.v;
        const double li = std::hypot(ix, iy), lo = std::hypot(ox, oy);
        if (li == 0 || lo == 0) {
            s.corner = true;
            continue;
        }
        const double cross = (ix * oy - iy * ox) / (li * lo);
        const double dot = ix * ox + iy * oy;
        s.corner = !(std::fabs(cross) < 1e-3 && dot > 0);
    }
}

void appendArc(Subpath& path, TvRealPoint fromPoint, double rx, double ry, double rotationDeg, bool largeArc,
               bool sweep, TvRealPoint toPoint)
{
    const Pt p0 = pt(fromPoint), p1 = pt(toPoint);
    auto line = [&] { path.segments.push_back({toPoint, toPoint, toPoint, true}); };
    rx = std::fabs(rx);
    ry = std::fabs(ry);
    if (p0.x == p1.x && p0.y == p1.y)
        return;
    if (rx == 0 || ry == 0) {
        line();
        return;
    }
    // Endpoint to centre parameterisation.
    const double phi = rotationDeg * std::numbers::pi / 180;
    const double cs = std::cos(phi), sn = std::sin(phi);
    const double dx = (p0.x - p1.x) / 2, dy = (p0.y - p1.y) / 2;
    const double x1 = cs * dx + sn * dy, y1 = -sn * dx + cs * dy;
    const double lambda = (x1 * x1) / (rx * rx) + (y1 * y1) / (ry * ry);
    if (lambda > 1) {
        rx *= std::sqrt(lambda);
        ry *= std::sqrt(lambda);
    }
    const double num = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1;
    const double den = rx * rx * y1 * y1 + ry * ry * x1 * x1;
    double k = den == 0 ? 0 : std::sqrt(std::max(0.0, num / den));
    if (largeArc == sweep)
        k = -k;
    const double cxp = k * rx * y1 / ry, cyp = -k * ry * x1 / rx;
    const double cx = cs * cxp - sn * cyp + (p0.x + p1.x) / 2;
    const double cy = sn * cxp + cs * cyp + (p0.y + p1.y) / 2;
    auto angle = [](double ux, double uy, double vx, double vy) {
        return std::atan2(ux * vy - uy * vx, ux * vx + uy * vy);
    };
    const double theta1 = angle(1, 0, (x1 - cxp) / rx, (y1 - cyp) / ry);
    double delta = angle((x1 - cxp) / rx, (y1 - cyp) / ry, (-x1 - cxp) / rx, (-y1 - cyp) / ry);
    if (!sweep && delta > 0)
        delta -= 2 * std::numbers::pi;
    else if (sweep && delta < 0)
        delta += 2 * std::numbers::pi;
    if (!std::isfinite(delta) || !std::isfinite(cx) || !std::isfinite(cy)) {
        line();
        return;
    }
    // Pieces of at most a quarter turn, each a cubic.
    const int n = std::max(1, static_cast<int>(std::ceil(std::fabs(delta) / (std::numbers::pi / 2) - 1e-9)));
    const double step = delta / n;
    const double t = 4.0 / 3.0 * std::tan(step / 4);
    auto onEllipse = [&](double a) {
        const double ex = rx * std::cos(a), ey = ry * std::sin(a);
        return Pt{cs * ex - sn * ey + cx, sn * ex + cs * ey + cy};
    };
    auto derivative = [&](double a) {
        const double ex = -rx * std::sin(a), ey = ry * std::cos(a);
        return Pt{cs * ex - sn * ey, sn * ex + cs * ey};
    };
    double a = theta1;
    for (int i = 0; i < n; ++i) {
        const double b = a + step;
        const Pt c1 = onEllipse(a) + derivative(a) * t;
        const Pt end = i == n - 1 ? p1 : onEllipse(b);
        const Pt c2 = end - derivative(b) * t;
        path.segments.back().out = real(c1);
        path.segments.push_back({real(end), real(c2), real(end), true});
        a = b;
    }
}

} // namespace tovrins::host
