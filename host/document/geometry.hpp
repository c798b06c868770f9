// Small geometry helpers shared by the document and its exports.
#pragma once

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>

#include "host/document_data.hpp"
#include "sdk/tv_types.h"

namespace tovrins::host {

// Inline: a transform moves every point of every copy through it.
inline TvRealPoint transformPoint(const TvRealMatrix& m, TvRealPoint p)
{
    return {m.a * p.h + m.c * p.v + m.tx, m.b * p.h + m.d * p.v + m.ty};
}
// A handle on its anchor, bit for bit, moves to where the anchor moves: the
// same arithmetic on the same numbers. Straight segments, the common case,
// then cost one point's arithmetic instead of three.
inline void transformSegment(const TvRealMatrix& m, Segment& s)
{
    const auto bits = [](TvRealPoint p) { return std::bit_cast<uint64_t>(p); };
    const uint64_t anchor = bits(s.p);
    s.p = transformPoint(m, s.p);
    s.in = bits(s.in) == anchor ? s.p : transformPoint(m, s.in);
    s.out = bits(s.out) == anchor ? s.p : transformPoint(m, s.out);
}
// Whether the segment joining two anchors is a straight line: both
// handles lie on their anchors.
inline bool straightBetween(const Segment& from, const Segment& to)
{
    return from.out.h == from.p.h && from.out.v == from.p.v && to.in.h == to.p.h && to.in.v == to.p.v;
}
// A path's joins in drawing order: each anchor with the one before it and,
// for a closed path, the last with the first unless that join is straight
// (the close-path draws it). The path's writers and drawers all walk it so.
template <class Join> void forEachJoin(std::span<const Segment> segments, bool closed, Join&& join)
{
    for (size_t i = 1; i < segments.size(); ++i)
        join(segments[i - 1], segments[i]);
    if (closed && !segments.empty() && !straightBetween(segments.back(), segments.front()))
        join(segments.back(), segments.front());
}
// first, then second.
inline TvRealMatrix concatMatrix(const TvRealMatrix& f, const TvRealMatrix& s)
{
    return {s.a * f.a + s.c * f.b, s.b * f.a + s.d * f.b,          s.a * f.c + s.c * f.d,
            s.b * f.c + s.d * f.d, s.a * f.tx + s.c * f.ty + s.tx, s.b * f.tx + s.d * f.ty + s.ty};
}
inline bool isFinite(const TvRealMatrix& m)
{
    return std::isfinite(m.a) && std::isfinite(m.b) && std::isfinite(m.c) && std::isfinite(m.d) &&
        std::isfinite(m.tx) && std::isfinite(m.ty);
}

// An empty rectangle is all zeros; the union ignores empty operands.
bool isEmptyRect(const TvRealRect& r);
TvRealRect unionRect(const TvRealRect& a, const TvRealRect& b);
TvRealRect segmentsBounds(std::span<const Segment> segments);
TvRealRect transformedBounds(const TvRealMatrix& m, const TvRealRect& r);

} // namespace tovrins::host
