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

// The targets, named by what they make of the fill; " Interpolate 1" is
// AllZero (value 0). "Black" is the black ink of a process colour; "first",
// "second" and "third" are cyan, magenta and yellow, or red, green and blue.
enum class InterpolateTarget : int32_t {
    AllZero = 0,
    AllOne,
    AllHalf,
    RandomAll,
    RandomNoBlack, // black 0
    InvertAll,
    InvertNoBlack, // black 0
    ReflectAll,    // each component becomes S - x, S the largest plus the last
    ReflectKeepBlack,
    FirstOthersZero, // the first component kept, the others 0
    SecondOthersZero,
    ThirdOthersZero,
    FirstOthersFull, // the first component and black kept, the others 1
    SecondOthersFull,
    ThirdOthersFull,
    Count
};

inline constexpr std::array<std::string_view, 15> kInterpolateTargetLabels = {
    " Interpolate 1",  " Interpolate 2",  " Interpolate 3",  " Interpolate 4",  " Interpolate 5",
    " Interpolate 6",  " Interpolate 7",  " Interpolate 8",  " Interpolate 9",  " Interpolate 10",
    " Interpolate 11", " Interpolate 12", " Interpolate 13", " Interpolate 14", " Interpolate 15"};
static_assert(kInterpolateTargetLabels.size() == static_cast<std::size_t>(InterpolateTarget::Count));

// Changes target's components by mode (an InterpolateTarget value), for the
// colour kind of reference (gray, process or RGB); other kinds and values
// outside the enumeration leave target as it is. Random components draw
// from random in component order.
void applyInterpolateTarget(int32_t mode, const TvColor& reference, TvColor& target, RandomSource& random);

} // namespace tovrins
