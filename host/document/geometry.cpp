#include "host/document/geometry.hpp"

#include <algorithm>
#include <cmath>

namespace tovrins::host {

bool isEmptyRect(const TvRealRect& r) { return r.left == 0 && r.top == 0 && r.right == 0 && r.bottom == 0; }

TvRealRect unionRect(const TvRealRect& a, const TvRealRect& b)
{
    if (isEmptyRect(a))
        return b;
    if (isEmptyRect(b))
        return a;
    return {std::min(a.left, b.left), std::max(a.top, b.top), std::max(a.right, b.right), std::min(a.bottom, b.bottom)};
}

namespace {

TvRealRect pointRect(TvRealPoint p) { return {p.h, p.v, p.h, p.v}; }

void extend(TvRealRect& r, TvRealPoint p)
{
    r.left = std::min(r.left, p.h);
    r.right = std::max(r.right, p.h);
    r.bottom = std::min(r.bottom, p.v);
    r.top = std::max(r.top, p.v);
}

} // namespace

TvRealRect segmentsBounds(std::span<const Segment> segments)
{
    if (segments.empty())
        return {};
    TvRealRect r = pointRect(segments.front().p);
    for (const Segment& s : segments) {
        extend(r, s.p);
        extend(r, s.in);
        extend(r, s.out);
    }
    return r;
}

TvRealRect transformedBounds(const TvRealMatrix& m, const TvRealRect& r)
{
    TvRealRect out = pointRect(transformPoint(m, {r.left, r.top}));
    extend(out, transformPoint(m, {r.right, r.top}));
    extend(out, transformPoint(m, {r.left, r.bottom}));
    extend(out, transformPoint(m, {r.right, r.bottom}));
    return out;
}

} // namespace tovrins::host
