// Per-copy values of the scale filter: running factors and offsets, and the
// translations around the scale that place each copy's pivot.
#pragma once

#include <cstdint>

#include "shell/host_services.hpp"
#include "sdk/tv_sdk.h"

namespace tovrins {

void scaleAdvanceFactor(int32_t mode, int32_t i, int32_t n, float s, float& f, RandomSource& random);
void scaleAdvanceHorizontalOffset(int32_t mode, int32_t i, int32_t n, float d, float& o, RandomSource& random);
void scaleAdvanceVerticalOffset(int32_t mode, int32_t i, int32_t n, float d, float& o, RandomSource& random);

struct ScaleCopyInputs {
    int32_t j;                  // copy index
    int32_t n;                  // scaleCopies
    float width;                // W
    float height;               // H
    TvRealPoint selectedCentre; // Cs
    TvRealPoint firstCentre;    // Cf
    TvRealRect copyBounds;      // as duplicated, before the transform
    float oh;
    float ov;
};

// A point (x, y) of the copy goes to ((x + t1.h) fh + t2.h, (y + t1.v) fv + t2.v).
struct ScaleCopyPlacement {
    TvRealPoint t1;
    TvRealPoint t2;
};

// Writes translations for mode 0 to 23; any other mode writes nothing, so
// the engine's previous values (0, 0 at the start of a run) stay. Mode 15
// replaces averageCentre by the new pivot.
void scalePlaceCopy(int32_t mode, const ScaleCopyInputs& inputs, TvRealPoint& averageCentre,
                    ScaleCopyPlacement& translations, RandomSource& random, HostMath& math);

} // namespace tovrins
