// Small geometry helpers shared by the document and its exports.
#pragma once

#include <span>

#include "host/document_data.hpp"
#include "sdk/tv_types.h"

namespace tovrins::host {

TvRealPoint transformPoint(const TvRealMatrix& m, TvRealPoint p);
// first, then second.
TvRealMatrix concatMatrix(const TvRealMatrix& first, const TvRealMatrix& second);
bool isFinite(const TvRealMatrix& m);

// An empty rectangle is all zeros; the union ignores empty operands.
bool isEmptyRect(const TvRealRect& r);
TvRealRect unionRect(const TvRealRect& a, const TvRealRect& b);
TvRealRect segmentsBounds(std::span<const Segment> segments);
TvRealRect transformedBounds(const TvRealMatrix& m, const TvRealRect& r);

} // namespace tovrins::host
