// The scale filter's modes: an enumeration beside the labels of its popup.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "shell/layer_option.hpp"

namespace tovrins {

// The pivot of each copy (popup 30).
enum class ScaleCentreMode : int32_t {
    CopiesCentre = 0,
    TopLeftPath,
    BottomRightPath,
    Random100,
    Circular500New,
    Circular500Original,
    LastCreatedPath,
    Origin,
    DocumentCentre,
    DocumentLeft,
    DocumentRight,
    DocumentBottom,
    DocumentTop,
    Upwards,
    Distant,
    AverageOfPaths,
    Random,
    Bend,
    Splitter1,
    Splitter2,
    Splitter3,
    Splitter4,
    Tentacle1,
    Tentacle2,
    Count
};

inline constexpr std::array<std::string_view, 24> kScaleCentreLabels = {
    " Copies scaling center default",
    " Top left path",
    " Bottom right path",
    " + Random 100pts",
    " Circular 500pts (new)",
    " Circular 500pts (original)",
    " Use last created path",
    " (0,0)",
    " Document center",
    " Document left",
    " Document right",
    " Document bottom",
    " Document top",
    " Upwards",
    " Distant",
    " Average of all paths",
    " Random",
    " Bend",
    " Splitter 1",
    " Splitter 2",
    " Splitter 3",
    " Splitter 4",
    " Tentacle 1",
    " Tentacle 2",
};
static_assert(kScaleCentreLabels.size() == static_cast<std::size_t>(ScaleCentreMode::Count));

// How the horizontal and vertical offsets grow (popups 33 and 34).
enum class ScaleTranslationVariation : int32_t {
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
    RandomEitherWay,
    Threshold,
    EitherWay,
    Doubled,
    UniformVariant,
    Count
};

inline constexpr std::array<std::string_view, 16> kScaleHorizontalTranslationLabels = {
    " Ignore horizontal translation",
    " Translation as set",
    " Translation (horizontal) uniform",
    " Decreasing",
    " Increasing",
    " Slow start",
    " Slow down",
    " Skip",
    " Random *",
    " Rapid",
    " Random <= ",
    " Random either way",
    " Threshold",
    " Either way",
    " Doubled",
    " Uniform variant",
};
static_assert(kScaleHorizontalTranslationLabels.size() == static_cast<std::size_t>(ScaleTranslationVariation::Count));

inline constexpr std::array<std::string_view, 16> kScaleVerticalTranslationLabels = {
    " Ignore vertical translation",
    " Translation as set",
    " Translation (vertical) uniform",
    " Decreasing",
    " Increasing",
    " Slow Start",
    " Slow down",
    " Skip a beat",
    " Random *",
    " Rapid",
    " Random <= ",
    " Random either way",
    " Threshold",
    " Either way",
    " Doubled",
    " Uniform variant",
};
static_assert(kScaleVerticalTranslationLabels.size() == static_cast<std::size_t>(ScaleTranslationVariation::Count));

// How the horizontal and vertical factors grow (popups 37 and 38).
enum class ScaleVariation : int32_t {
    Default = 0,
    AsSet,
    Accelerating,
    DirectionReversed,
    Skip,
    Random,
    Rapid,
    Jumps,
    TotalRandom,
    Threshold,
    EitherWay,
    DoubledAlternate,
    Addition,
    Subtraction,
    Count
};

inline constexpr std::array<std::string_view, 14> kScaleHorizontalScaleLabels = {
    " Horizontal scaling",
    " As set",
    " Accelerating",
    " Direction Reversed",
    " Skip",
    " Random",
    " Rapid",
    " Jumps",
    " Total random",
    " Threshold",
    " Either way",
    " Doubled alternate",
    " Addition",
    " Subtraction",
};
static_assert(kScaleHorizontalScaleLabels.size() == static_cast<std::size_t>(ScaleVariation::Count));

inline constexpr std::array<std::string_view, 14> kScaleVerticalScaleLabels = {
    " Vertical scaling",
    " As set",
    " Accelerating",
    " Direction reversed",
    " Skip",
    " Random",
    " Rapid",
    " Jumps",
    " Total random",
    " Threshold",
    " Either way",
    " Doubled alternate",
    " Addition",
    " Subtraction",
};
static_assert(kScaleVerticalScaleLabels.size() == static_cast<std::size_t>(ScaleVariation::Count));

// Where the copies go in the layers (popup 35).
using ScaleLayerOption = LayerOption;

inline constexpr std::array<std::string_view, 3> kScaleLayerLabels = {
    " Layer options - Place on new layer",
    " All on layer",
    " No Layers",
};
static_assert(kScaleLayerLabels.size() == static_cast<std::size_t>(ScaleLayerOption::Count));

// The presets (popup 36).
enum class ScalePreset : int32_t {
    Reset = 0,
    RapidScale,
    RandomPlacement,
    ToTheRight,
    AppleCore,
    ScaleToDocumentCentre,
    Tentacles,
    TentaclesSpread,
    Count
};

inline constexpr std::array<std::string_view, 8> kScalePresetLabels = {
    " Default/Reset", " Rapid scale ",     " Random placement ",
    " To the right ", " Apple core ",      " Scale to document centre ",
    " Tentacles ",    " Tentacles spread",
};
static_assert(kScalePresetLabels.size() == static_cast<std::size_t>(ScalePreset::Count));

} // namespace tovrins
