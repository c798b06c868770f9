// Per-copy values of the translate filter: the running offset and the move
// of each copy.
#pragma once

#include <cstdint>

#include "shell/host_services.hpp"
#include "sdk/tv_sdk.h"

namespace tovrins {

// The running values of a run: the working steps, which " Bounce back"
// flips for the rest of the run, and the running offset of the series.
struct TranslateRunning {
    float h = 0;
    float v = 0;
    float x = 0;
    float y = 0;
};

// The move of one copy.
struct TranslateCopyPlacement {
    float tx = 0;
    float ty = 0;
};

// Advances the running offset (x, y) in a document of width document.h and
// depth document.v; " Bounce back" may flip h or v.
void translateAdvanceOffset(int32_t variation, int32_t i, int32_t n, TvRealPoint document, TranslateRunning& running,
                            RandomSource& random, HostMath& math);

struct TranslateCopyInputs {
    int32_t i;
    int32_t s; // position of the selected object in the list
    int32_t n;
    TvRealRect bounds;  // of the new copy
    TvRealPoint anchor; // ax, ay (placement 24)
    float v;            // working vertical step
    float width;        // W
    float depth;        // D
    float x;
    float y;
};

// Writes the move; " Lined" writes nothing for i >= 4q, so the engine's
// previous move (0, 0 at the start of a run) stays.
void translatePlaceCopy(int32_t placement, const TranslateCopyInputs& inputs, TranslateCopyPlacement& move,
                        RandomSource& random, HostMath& math);

} // namespace tovrins
