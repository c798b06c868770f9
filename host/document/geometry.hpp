// Small geometry helpers shared by the document and its exports.
#pragma once

#include <cmath>
#include <span>

#include "host/document_data.hpp"
#include "sdk/tv_types.h"

namespace tovrins::host {

// Inline: a transform moves every point of every copy through it.
inline TvRealPoint transformPoint(const TvRealMatrix& m, TvRealPoint p)
{
    return {m.a * p.h + m.c * p.v + m.tx, m.b * p.h + m.d * p.v + m.ty};
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
