// The rotate filter's modes: an enumeration beside the labels of its popup.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "shell/layer_option.hpp"

namespace tovrins {

// The pivot and target of each copy (popup 30).
enum class RotateCentreMode : int32_t {
    CopiesCentre = 0,
    PathsTop,
    UserDefinedCentre,
    Flipback,
    PathCentre,
    DocumentCentre,
    PathSplitIncrease,
    CentreAlternateRadius,
    PathWorm,
    RadiusSplitter,
    AverageOfPaths,
    LastCreatedPath,
    Randomised,
    AlternateFlip,
    Marching,
    Count
};

inline constexpr std::array<std::string_view, 15> kRotateCentreLabels = {
    " Copies center default",
    " Path(s) top ",
    " Use user defined center ",
    " Flipback ",
    " Path center ",
    " Document's center ",
    " Path split increase",
    " Center alternate radius",
    " Path worm ",
    " Radius splitter ",
    " Average of paths ",
    " Last created path ",
    " Randomised ",
    " Alternate flip ",
    " xxxxx ",
};
static_assert(kRotateCentreLabels.size() == static_cast<std::size_t>(RotateCentreMode::Count));

// How the angle grows (popup 31).
enum class RotateAngleMode : int32_t {
    Default = 0,
    AsSet,
    FullCircle,
    SemiCircle,
    QuarterCircle,
    Decreasing,
    Increasing,
    SlowStart,
    SlowDown,
    Skip,
    RandomTranslation,
    SubtleChange,
    TotalRandom,
    TotalRandomEitherWay,
    LimitedRange,
    EitherWay,
    Doubled,
    Count
};

inline constexpr std::array<std::string_view, 17> kRotateAngleLabels = {
    " Rotation options - default",
    " Rotation as set",
    " Full circle",
    " Semi circle",
    " Quarter circle",
    " Decreasing rotation",
    " Increasing rotation",
    " Slow start rotation",
    " Slow down rotation",
    " Skip",
    " Random translation",
    " Subtle change",
    " Total random <=",
    " Total random either way",
    " Limited range",
    " Either way rotation",
    " Doubled rotation",
};
static_assert(kRotateAngleLabels.size() == static_cast<std::size_t>(RotateAngleMode::Count));

// How the radial, horizontal and vertical offsets grow (popups 32 to 34): one
// set of values, with a label list per popup.
enum class RotateOffsetMode : int32_t {
    Ignore = 0,
    AsSet,
    Uniform,
    Decreasing,
    Increasing,
    SlowStart,
    SlowDown,
    Skip,
    Random,
    Rapid,
    RandomUpTo,
    Jitter,
    Limits,
    EitherWay,
    Doubled,
    Count
};

inline constexpr std::array<std::string_view, 15> kRotateRadialLabels = {
    " Ignore radial translation",
    " Radial translation as set",
    " Radius translation uniform",
    " Decreasing",
    " Increasing",
    " Slow start",
    " Slow down",
    " Skip",
    " Random",
    " Rapid fire",
    " Random <=",
    " Jitter",
    " Radius limits",
    " Either way radius",
    " Doubled",
};
static_assert(kRotateRadialLabels.size() == static_cast<std::size_t>(RotateOffsetMode::Count));

inline constexpr std::array<std::string_view, 15> kRotateHorizontalLabels = {
    " Ignore horizontal translation",
    " Horizontal translation as set",
    " Uniform",
    " Decreasing",
    " Increasing",
    " Slowstart",
    " Slowdown",
    " Skip a beat",
    " Random",
    " Rapid",
    " Random <= ",
    " Jitter",
    " Limit",
    " Either",
    " Doubled distance",
};
static_assert(kRotateHorizontalLabels.size() == static_cast<std::size_t>(RotateOffsetMode::Count));

inline constexpr std::array<std::string_view, 15> kRotateVerticalLabels = {
    " Ignore vertical translation",
    " Vertical translation as set",
    " Uniform",
    " Decreasing",
    " Increasing",
    " Slowstart",
    " Slowdown",
    " Skip a beat",
    " Random",
    " Rapid",
    " Random <= ",
    " Jitter",
    " Limit",
    " Either",
    " Doubled distance",
};
static_assert(kRotateVerticalLabels.size() == static_cast<std::size_t>(RotateOffsetMode::Count));

// Where the copies go in the layers (popup 35).
using RotateLayerOption = LayerOption;

inline constexpr std::array<std::string_view, 3> kRotateLayerLabels = {
    " Layer options - new layers",
    " All paths on new layer",
    " No layers",
};
static_assert(kRotateLayerLabels.size() == static_cast<std::size_t>(RotateLayerOption::Count));

// The presets (popup 36).
enum class RotatePreset : int32_t {
    Reset = 0,
    Bunched,
    LargerRadius,
    FullCircle,
    SemiCircle,
    IncreasingRotation,
    Spiral,
    RandomMess,
    SpiralStaircase,
    FullCircleDocumentCentre,
    RandomSpread,
    Count
};

inline constexpr std::array<std::string_view, 11> kRotatePresetLabels = {
    " Default/Reset",        " Bunched ", " Larger radius ", " Full circle ",     " Semi circle ",
    " Increasing rotation ", " Spiral",   " Random mess",    " Spiral staircase", " Full circle document centre",
    " Random spread",
};
static_assert(kRotatePresetLabels.size() == static_cast<std::size_t>(RotatePreset::Count));

} // namespace tovrins
