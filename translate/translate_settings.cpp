#include "translate_settings.hpp"

#include <array>

#include "colour_target.hpp"

namespace tovrins {
namespace {

constexpr std::array<std::string_view, 30> kPlacementLabels = {
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

constexpr std::array<std::string_view, 19> kVariationLabels = {
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

constexpr std::array<std::string_view, 3> kLayerOptionLabels = {
    " Layer options - paths on new layers",
    " Layer all (selected)/path",
    " No Layers",
};

constexpr std::array<std::string_view, 9> kPresetLabels = {
    " Default/Reset",
    " To the right ",
    " To the left ",
    " Three pronged ",
    " Close right ",
    " Two per layer ",
    " Steps ",
    " Split ",
    " Rapid impact ",
};

// Placement and variation values the presets pick.
constexpr int32_t kPlacementThreePronged = 2;
constexpr int32_t kPlacementSteps = 6;
constexpr int32_t kPlacementHorizontalReflection = 8;
constexpr int32_t kPlacementTriAngled = 21;
constexpr int32_t kVariationAdditionalAsSet = 1;
constexpr int32_t kVariationBounceBack = 12;

constexpr int32_t kLayerAllSelected = 1;

int32_t truncated(float value) { return static_cast<int32_t>(value); }

// Everything a preset starts from; the zoom is the user's and stays.
void resetSection(FilterParams& params, int32_t preset) {
    params.translateHorizontal = 10.0f;
    params.translateVertical = 10.0f;
    params.translatePreset = preset;
    params.translatePreview = 1;
    params.translateCopies = 7;
    params.translateCopiesPerLayer = 1;
    params.translateColourPercent = 100.0f;
    params.translateBaseOnOriginal = 1;
    params.translateDeleteOriginal = 1;
    params.translatePlaceAbove = 1;
    params.translatePlacement = 0;
    params.translateLayerOption = kLayerAllSelected;
    params.translateVariation = 0;
    params.translateInterpolate = 0;
    params.translatePreviewApplied = 0;
}

} // namespace

void translateWriteDefaults(FilterParams& params) {
    params.filterKind = static_cast<int32_t>(FilterKind::Translate);
    params.translatePreviewApplied = 0;
    params.translateBoundsSaved = 0;

    params.translateInterpolate = 0;
    params.translatePreset = 0;
    params.translateCopies = 7;
    params.translateCopiesPerLayer = 1;
    params.translatePlacement = 0;
    params.translateVariation = 0;
    params.translateLayerOption = kLayerAllSelected;
    params.translateColourPercent = 100.0f;
    params.translateZoom = 100.0f;
    params.translateHorizontal = 10.0f;
    params.translateVertical = 10.0f;
    params.translateDeleteOriginal = 1;
    params.translateBaseOnOriginal = 1;
    params.translatePreview = 1;
    params.translatePlaceAbove = 1;
}

// A value outside the presets list only resets the section.
void translateApplyPreset(FilterParams& params, int32_t preset) {
    resetSection(params, preset);
    switch (preset) {
    case 1:
        params.translateHorizontal = 20.0f;
        params.translateVertical = 0.0f;
        params.translateCopies = 20;
        break;
    case 2:
        params.translateHorizontal = -20.0f;
        params.translateVertical = 0.0f;
        params.translateCopies = 20;
        break;
    case 3:
        params.translateHorizontal = -20.0f;
        params.translateVertical = 20.0f;
        params.translateCopies = 20;
        params.translatePlacement = kPlacementThreePronged;
        break;
    case 4:
        params.translateCopies = 200;
        params.translateHorizontal = 2.0f;
        params.translateVertical = 0.0f;
        break;
    case 5:
        params.translateCopiesPerLayer = 2;
        break;
    case 6:
        params.translateCopies = 30;
        params.translatePlacement = kPlacementSteps;
        params.translateVariation = kVariationAdditionalAsSet;
        break;
    case 7:
        params.translateCopies = 30;
        params.translatePlacement = kPlacementHorizontalReflection;
        break;
    case 8:
        params.translateCopies = 122;
        params.translateHorizontal = 65.0f;
        params.translateVertical = 80.0f;
        params.translatePlacement = kPlacementTriAngled;
        params.translateVariation = kVariationBounceBack;
        break;
    default:
        break;
    }
}

// The draws are made strictly in this order; a recorded sequence of random
// numbers must give the same settings on every run.
void translateDrawRandomSettings(FilterParams& params, RandomSource& random) {
    params.translateCopies = 7;
    params.translateHorizontal = 10.0f;
    params.translateVertical = 10.0f;
    params.translateCopiesPerLayer = 1;
    params.translateColourPercent = 100.0f;
    params.translatePreviewApplied = 0;

    params.translateCopies = 1 + truncated(200.0f * random.next());

    const float h1 = random.next();
    const float h2 = random.next();
    params.translateHorizontal = 80.0f * h1 - 80.0f * h2;
    const float v1 = random.next();
    const float v2 = random.next();
    params.translateVertical = 80.0f * v1 - 80.0f * v2;

    if (100.0f * random.next() > 60.0f) {
        params.translateColourPercent = 100.0f - 30.0f * random.next();
    }
    if (100.0f * random.next() > 50.0f) {
        params.translatePlacement = truncated(29.0f * random.next());
        params.translateVariation = truncated(18.0f * random.next());
    }
    params.translateInterpolate = truncated(14.0f * random.next());
    if (100.0f * random.next() > 70.0f) {
        params.translateCopiesPerLayer = 1 + truncated(6.0f * random.next());
    }
}

std::span<const std::string_view> translatePopupLabels(int32_t itemId) {
    switch (itemId) {
    case 33:
        return kPlacementLabels;
    case 34:
        return kVariationLabels;
    case 35:
        return kLayerOptionLabels;
    case 36:
        return kPresetLabels;
    case 39:
        return kInterpolateTargetLabels;
    default:
        return {};
    }
}

} // namespace tovrins
