// The fifteen colour targets (" Interpolate 1" to " Interpolate 15") that all
// three engines offer: how the target style's fill colour is made from the
// fill of the first selected object.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "shell/host_services.hpp"
#include "sdk/tv_sdk.h"

namespace tovrins {

// The targets by their labels' numbers: Interpolate1 is value 0.
enum class InterpolateTarget : int32_t {
    Interpolate1 = 0,
    Interpolate2,
    Interpolate3,
    Interpolate4,
    Interpolate5,
    Interpolate6,
    Interpolate7,
    Interpolate8,
    Interpolate9,
    Interpolate10,
    Interpolate11,
    Interpolate12,
    Interpolate13,
    Interpolate14,
    Interpolate15,
    Count
};

inline constexpr std::array<std::string_view, 15> kInterpolateTargetLabels = {
    " Interpolate 1",  " Interpolate 2",  " Interpolate 3",  " Interpolate 4",  " Interpolate 5",
    " Interpolate 6",  " Interpolate 7",  " Interpolate 8",  " Interpolate 9",  " Interpolate 10",
    " Interpolate 11", " Interpolate 12", " Interpolate 13", " Interpolate 14", " Interpolate 15"};
static_assert(kInterpolateTargetLabels.size() == static_cast<std::size_t>(InterpolateTarget::Count));

// Changes target's components by mode, for the colour kind of reference
// (gray, process or RGB); other kinds and modes outside 0 to 14 leave
// target as it is. Random components draw from random in component order.
void applyInterpolateTarget(int32_t mode, const TvColor& reference, TvColor& target, RandomSource& random);

} // namespace tovrins
