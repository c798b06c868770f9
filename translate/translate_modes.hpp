// The translate filter's modes: an enumeration beside the labels of its popup.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "shell/layer_option.hpp"

namespace tovrins {

// How the running offset becomes each copy's move (popup 33).
enum class TranslatePlacement : int32_t {
    Default = 0,
    OriginalPathCentre,
    ThreePronged,
    Zigzag,
    OutwardCross,
    Pyramid,
    Steps,
    TwoPronged,
    HorizontalReflection,
    VerticalRotateReflect,
    VerticalReflect,
    UpDown,
    RandomInDocument,
    MissionOrbit,
    Squared,
    DoTheTwist,
    Twister,
    Lined,
    RotateVariant,
    TurnTurnTurn,
    SquaredSpiral,
    TriAngled,
    CentreXyTranslate,
    DocumentCentreApproach,
    LastCreatedApproach,
    PathAlternate,
    AlternateDirections,
    PathRadius,
    AlternateRadius,
    Opposites,
    Count
};

inline constexpr std::array<std::string_view, 30> kTranslatePlacementLabels = {
    " Translation settings",
    " Original path center",
    " Three pronged ",
    " Zigzag ",
    " Outward cross ",
    " Pyramid",
    " Steps ",
    " Two pronged",
    " Horizontal reflection ",
    " Vertical rotate reflect",
    " Vertical reflect",
    " Up-down ",
    " Random throughout document ",
    " Mission orbit",
    " Squared",
    " Do the twist",
    " Twister",
    " Lined",
    " Rotate variant",
    " Turn turn turn",
    " Squared spiral (path - Off)",
    " Tri-angled (path - Off)",
    " Center - xy - translate",
    " Center (document center approach",
    " Center (Last created approach",
    " Path alternate",
    " Alternate directions",
    " Path radius",
    " Alternate radius",
    " Opposites",
};
static_assert(kTranslatePlacementLabels.size() == static_cast<std::size_t>(TranslatePlacement::Count));

// How the running offset grows (popup 34).
enum class TranslateVariation : int32_t {
    Default = 0,
    AsSet,
    Decreasing,
    Increasing,
    SlowStart,
    SlowDown,
    Skip,
    Random,
    Rapid,
    TotalRandom,
    TotalRandomConstrained,
    Threshold,
    BounceBack,
    DrunkenPath,
    StrangeRoute,
    DistanceRotation,
    XUniformYAsIs,
    XAsIsYUniform,
    Increase5,
    Count
};

inline constexpr std::array<std::string_view, 19> kTranslateVariationLabels = {
    " Translation variations",
    " Additional as set",
    " Decreasing",
    " Increasing",
    " Slow start",
    " Slow down",
    " Skip",
    " Random",
    " Rapid",
    " Total random",
    " Total random but constrained",
    " Threshold",
    " Bounce back",
    " Drunken path",
    " Strange route",
    " Distance, rotation",
    " x-uniform, y-as is",
    " x-as is, y-uniform",
    " Increase 5",
};
static_assert(kTranslateVariationLabels.size() == static_cast<std::size_t>(TranslateVariation::Count));

// Where the copies go in the layers (popup 35).
using TranslateLayerOption = LayerOption;

inline constexpr std::array<std::string_view, 3> kTranslateLayerLabels = {
    " Layer options - paths on new layers",
    " Layer all (selected)/path",
    " No Layers",
};
static_assert(kTranslateLayerLabels.size() == static_cast<std::size_t>(TranslateLayerOption::Count));

// The presets (popup 36).
enum class TranslatePreset : int32_t {
    Reset = 0,
    ToTheRight,
    ToTheLeft,
    ThreePronged,
    CloseRight,
    TwoPerLayer,
    Steps,
    Split,
    RapidImpact,
    Count
};

inline constexpr std::array<std::string_view, 9> kTranslatePresetLabels = {
    " Default/Reset",  " To the right ", " To the left ", " Three pronged ", " Close right ",
    " Two per layer ", " Steps ",        " Split ",       " Rapid impact ",
};
static_assert(kTranslatePresetLabels.size() == static_cast<std::size_t>(TranslatePreset::Count));

} // namespace tovrins
