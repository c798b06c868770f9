// Per-copy values of the translate filter: the running offset and the move
// of each copy.
#pragma once

#include <cstdint>

#include "host_services.hpp"
#include "tv_sdk.h"

namespace tovrins {

// Advances the running offset (x, y); " Bounce back" may flip h or v.
void translateAdvanceOffset(int32_t variation, int32_t i, int32_t n, float width, float depth,
                            float& h, float& v, float& x, float& y, RandomSource& random, HostMath& math);

struct TranslateCopyInputs {
    int32_t i;
    int32_t s;           // position of the selected object in the list
    int32_t n;
    TvRealRect bounds;   // of the new copy
    TvRealPoint anchor;  // ax, ay (placement 24)
    float v;             // working vertical step
    float width;         // W
    float depth;         // D
    float x;
    float y;
};

// Writes the move (tx, ty); " Lined" writes nothing for i >= 4q, so the
// engine's previous move (0, 0 at the start of a run) stays.
void translatePlaceCopy(int32_t placement, const TranslateCopyInputs& inputs, float& tx, float& ty,
                        RandomSource& random, HostMath& math);

} // namespace tovrins
