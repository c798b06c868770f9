#include "rotate_settings.hpp"

#include <array>
#include <cmath>

#include "colour_target.hpp"

namespace tovrins {

namespace {

// The values that both the defaults and every preset start from; the view
// zoom is not among them because a preset keeps it.
void resetSection(FilterParams& params) {
    params.rotatePreview = 1;
    params.rotateCopies = 7;
    params.rotateAngleStep = 10.0f;
    params.rotateRadialStep = 50.0f;
    params.rotateHorizontalStep = 0.0f;
    params.rotateVerticalStep = 0.0f;
    params.rotateCopiesPerLayer = 1;
    params.rotateBaseOnOriginal = 1;
    params.rotateDeleteOriginal = 1;
    params.rotatePlaceAbove = 1;
    params.rotateColourFactor = 100.0f;
    params.rotateCentreMode = 0;
    params.rotateAngleMode = 0;
    params.rotateRadialMode = 0;
    params.rotateHorizontalMode = 1;
    params.rotateVerticalMode = 1;
    params.rotateLayerOption = 0;
    params.rotateInterpolateMode = 0;
}

// trunc(scale * r): the product in double, so that r just below 1 can never
// round up to scale itself.
int32_t truncScaled(double scale, RandomSource& random) {
    return static_cast<int32_t>(std::trunc(scale * random.next()));
}

// A test such as "r x 100 > limit" consumes a draw of its own.
bool drawAbove(double limit, RandomSource& random) {
    return 100.0 * random.next() > limit;
}

// 80 r1 - 80 r2, each product rounded to float before the subtraction.
float drawSpread(RandomSource& random) {
    const float first = static_cast<float>(80.0 * random.next());
    const float second = static_cast<float>(80.0 * random.next());
    return first - second;
}

constexpr std::array<std::string_view, 15> kCentreLabels = {
    " Copies center default", " Path(s) top ", " Use user defined center ", " Flipback ",
    " Path center ", " Document's center ", " Path split increase", " Center alternate radius",
    " Path worm ", " Radius splitter ", " Average of paths ", " Last created path ",
    " Randomised ", " Alternate flip ", " xxxxx "};

constexpr std::array<std::string_view, 17> kAngleLabels = {
    " Rotation options - default", " Rotation as set", " Full circle", " Semi circle",
    " Quarter circle", " Decreasing rotation", " Increasing rotation", " Slow start rotation",
    " Slow down rotation", " Skip", " Random translation", " Subtle change",
    " Total random <=", " Total random either way", " Limited range", " Either way rotation",
    " Doubled rotation"};

constexpr std::array<std::string_view, 15> kRadialLabels = {
    " Ignore radial translation", " Radial translation as set", " Radius translation uniform",
    " Decreasing", " Increasing", " Slow start", " Slow down", " Skip", " Random", " Rapid fire",
    " Random <=", " Jitter", " Radius limits", " Either way radius", " Doubled"};

constexpr std::array<std::string_view, 15> kHorizontalLabels = {
    " Ignore horizontal translation", " Horizontal translation as set", " Uniform",
    " Decreasing", " Increasing", " Slowstart", " Slowdown", " Skip a beat", " Random", " Rapid",
    " Random <= ", " Jitter", " Limit", " Either", " Doubled distance"};

constexpr std::array<std::string_view, 15> kVerticalLabels = {
    " Ignore vertical translation", " Vertical translation as set", " Uniform",
    " Decreasing", " Increasing", " Slowstart", " Slowdown", " Skip a beat", " Random", " Rapid",
    " Random <= ", " Jitter", " Limit", " Either", " Doubled distance"};

constexpr std::array<std::string_view, 3> kLayerLabels = {
    " Layer options - new layers", " All paths on new layer", " No layers"};

constexpr std::array<std::string_view, 11> kPresetLabels = {
    " Default/Reset", " Bunched ", " Larger radius ", " Full circle ", " Semi circle ",
    " Increasing rotation ", " Spiral", " Random mess", " Spiral staircase",
    " Full circle document centre", " Random spread"};

} // namespace

void rotateWriteDefaults(FilterParams& params) {
    params.filterKind = static_cast<int32_t>(FilterKind::Rotate);
    params.rotatePreviewApplied = 0;
    params.rotateBoundsSaved = 0;
    resetSection(params);
    params.rotatePreset = 0;
    params.rotateViewZoom = 100.0f;
}

void rotateApplyPreset(FilterParams& params, int32_t preset) {
    params.rotatePreset = preset;
    resetSection(params);
    params.rotatePreviewApplied = 0;
    switch (preset) {
    case 1:
        params.rotateAngleStep = 2.0f;
        break;
    case 2:
        params.rotateRadialStep = 200.0f;
        break;
    case 3:
        params.rotateRadialStep = 200.0f;
        params.rotateCopies = 36;
        break;
    case 4:
        params.rotateRadialStep = 200.0f;
        params.rotateRadialMode = 3;
        break;
    case 5:
        params.rotateCopies = 50;
        params.rotateAngleStep = 0.5f;
        params.rotateAngleMode = 6;
        break;
    case 6:
        params.rotateRadialMode = 4;
        params.rotateCopies = 36;
        params.rotateRadialStep = 1.0f;
        break;
    case 7:
        params.rotateRadialMode = 11;
        params.rotateCopies = 36;
        params.rotateRadialStep = 100.0f;
        break;
    case 8:
        params.rotateCopies = 36;
        params.rotateRadialStep = 200.0f;
        params.rotateHorizontalStep = 0.0f;
        params.rotateHorizontalMode = 2;
        break;
    case 9:
        params.rotateCopies = 36;
        params.rotateCentreMode = 5;
        params.rotateHorizontalStep = 0.0f;
        break;
    case 10:
        params.rotateCopies = 36;
        params.rotateCentreMode = 12;
        params.rotateHorizontalStep = 0.0f;
        break;
    default:
        // 0 and unknown presets: the reset alone.
        break;
    }
}

void rotateDrawRandomSettings(FilterParams& params, RandomSource& random) {
    params.rotateCopies = 7;
    params.rotateAngleStep = 10.0f;
    params.rotateRadialStep = 50.0f;
    params.rotateHorizontalStep = 0.0f;
    params.rotateVerticalStep = 0.0f;
    params.rotateCopiesPerLayer = 1;
    params.rotateColourFactor = 100.0f;
    params.rotatePreviewApplied = 0;

    // Every statement draws in turn; the order is part of the contract
    // because the host's sequence is reproducible from its seed.
    params.rotateCopies = 1 + truncScaled(200.0, random);
    params.rotateAngleStep = static_cast<float>(360.0 * random.next() - 180.0);
    params.rotateRadialStep = static_cast<float>(300.0 * random.next() - 50.0);
    if (drawAbove(70.0, random)) {
        params.rotateHorizontalStep = drawSpread(random);
        params.rotateVerticalStep = drawSpread(random);
    }
    if (drawAbove(60.0, random)) {
        params.rotateColourFactor = static_cast<float>(100.0 - 30.0 * random.next());
    }
    params.rotateCentreMode = truncScaled(13.0, random);
    params.rotateAngleMode = truncScaled(16.0, random);
    params.rotateRadialMode = truncScaled(14.0, random);
    if (drawAbove(70.0, random)) {
        params.rotateHorizontalMode = truncScaled(14.0, random);
        params.rotateVerticalMode = truncScaled(14.0, random);
    }
    params.rotateInterpolateMode = truncScaled(14.0, random);
    if (drawAbove(70.0, random)) {
        params.rotateCopiesPerLayer = 1 + truncScaled(6.0, random);
    }
}

std::span<const std::string_view> rotatePopupLabels(int32_t itemId) {
    switch (itemId) {
    case 30: return kCentreLabels;
    case 31: return kAngleLabels;
    case 32: return kRadialLabels;
    case 33: return kHorizontalLabels;
    case 34: return kVerticalLabels;
    case 35: return kLayerLabels;
    case 36: return kPresetLabels;
    case 39: return kInterpolateTargetLabels;
    default: return {};
    }
}

} // namespace tovrins
