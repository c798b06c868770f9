// Small geometry helpers shared by the document and its exports.
#pragma once

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
TvRealMatrix concatMatrix(const TvRealMatrix& first, const TvRealMatrix& second);
bool isFinite(const TvRealMatrix& m);

// An empty rectangle is all zeros; the union ignores empty operands.
bool isEmptyRect(const TvRealRect& r);
TvRealRect unionRect(const TvRealRect& a, const TvRealRect& b);
TvRealRect segmentsBounds(std::span<const Segment> segments);
TvRealRect transformedBounds(const TvRealMatrix& m, const TvRealRect& r);

} // namespace tovrins::host
