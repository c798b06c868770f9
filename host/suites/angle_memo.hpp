// The sine and cosine of the angles asked for lately. A filter gives every
// selected object the same series of angles, so after the first object's
// series the same angles come back for each other one, and a double
// precision sine and cosine cost about as much as copying a 16-segment
// path. The memo gives back exactly what the computation gives.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "sdk/tv_types.h"

namespace tovrins::host {

struct SineCosine {
    TvReal sine;
    TvReal cosine;
};

class AngleMemo {
public:
    static constexpr unsigned slotBits = 10;

    // compute(radians) -> SineCosine, called when the angle is not held
    // (then held in place of the angle that shared its slot).
    template <class Compute> SineCosine lookup(TvReal radians, Compute&& compute)
    {
        const uint32_t bits = std::bit_cast<uint32_t>(radians);
        Entry& entry = entries_[(bits * 0x9E3779B1u) >> (32 - slotBits)];
        if (!entry.held || entry.bits != bits)
            entry = {bits, true, compute(radians)};
        return entry.value;
    }

private:
    struct Entry {
        uint32_t bits = 0;
        bool held = false;
        SineCosine value{};
    };
    std::array<Entry, std::size_t{1} << slotBits> entries_{};
};

} // namespace tovrins::host
