// Whether a transformation keeps art within the range of coordinates that
// single-precision numbers hold (about 3.4e38 points either way).
#pragma once

#include "host/document/document.hpp"
#include "sdk/tv_types.h"

namespace tovrins::host {

// !rng, noted with the reason, for a matrix that is not finite or one that
// would carry the art's bounds beyond the range; otherwise 0 (also for an
// unknown art, which the document refuses as a bad parameter).
TvErr checkCoordinateRange(const Document& document, ArtId art, const TvRealMatrix& matrix);

} // namespace tovrins::host
