// Per-copy values of the rotate filter: the four accumulators and the
// placement (pivot, angle, target) of each copy.
#pragma once

#include <cstdint>
#include <optional>

#include "shell/host_services.hpp"
#include "sdk/tv_sdk.h"

namespace tovrins {

struct RotateCopyInputs {
    TvRealRect bounds;        // of the copy just made
    TvRealPoint documentSize; // h = width, v = height
    float radial;
    float angle; // radians
    float horizontal;
    float vertical;
    TvRealPoint averageCentre; // centre mode 10
    TvRealPoint firstCentre;   // centre mode 11
};

// A point p of the copy goes to R(angle)(p - pivot) + target.
struct RotateCopyPlacement {
    TvRealPoint pivot;
    float angle;
    TvRealPoint target;
};

void rotateAdvanceOffset(int32_t mode, int32_t i, int32_t n, float v, float& a, RandomSource& random);
// v is the angle step in radians.
void rotateAdvanceAngle(int32_t mode, int32_t i, int32_t n, float v, float& a, RandomSource& random, HostMath& math);
// placement holds the previous placement of the run (nullopt before the
// first) and receives this copy's; it is always engaged afterwards.
void rotatePlaceCopy(int32_t mode, int32_t i, int32_t n, const RotateCopyInputs& inputs,
                     std::optional<RotateCopyPlacement>& placement, RandomSource& random, HostMath& math);

} // namespace tovrins
