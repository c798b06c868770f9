#include "rotate/rotate_settings.hpp"

#include <array>
#include <cmath>

#include "shell/colour_target.hpp"
#include "resources/tovrins_ids.h"
#include "rotate/rotate_modes.hpp"

namespace tovrins {

namespace {

// trunc(scale * r): the product in double, so that r just below 1 can never
// round up to scale itself.
int32_t truncScaled(double scale, RandomSource& random)
{
    return static_cast<int32_t>(std::trunc(scale * random.next()));
}

// A test such as "r x 100 > limit" consumes a draw of its own.
bool drawAbove(double limit, RandomSource& random) { return 100.0 * random.next() > limit; }

// 80 r1 - 80 r2, each product rounded to float before the subtraction.
float drawSpread(RandomSource& random)
{
    const float first = static_cast<float>(80.0 * random.next());
    const float second = static_cast<float>(80.0 * random.next());
    return first - second;
}

} // namespace

// A fresh block (writeDefaults) selects preset 0.
static_assert(modeValue(RotatePreset::Reset) == 0);

// The values that both the defaults and every preset start from; the view
// zoom is not among them because a preset keeps it.
void rotateResetSection(FilterParams& params)
{
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
    params.rotateCentreMode = modeValue(RotateCentreMode::CopiesCentre);
    params.rotateAngleMode = modeValue(RotateAngleMode::Default);
    params.rotateRadialMode = modeValue(RotateOffsetMode::Ignore);
    params.rotateHorizontalMode = modeValue(RotateOffsetMode::AsSet);
    params.rotateVerticalMode = modeValue(RotateOffsetMode::AsSet);
    params.rotateLayerOption = modeValue(RotateLayerOption::NewLayers);
    params.rotateInterpolateMode = modeValue(InterpolateTarget::AllZero);
}

void rotateApplyPreset(FilterParams& params, int32_t preset)
{
    params.rotatePreset = preset;
    rotateResetSection(params);
    params.rotatePreviewApplied = 0;
    switch (static_cast<RotatePreset>(preset)) {
    case RotatePreset::Bunched: params.rotateAngleStep = 2.0f; break;
    case RotatePreset::LargerRadius: params.rotateRadialStep = 200.0f; break;
    case RotatePreset::FullCircle:
        params.rotateRadialStep = 200.0f;
        params.rotateCopies = 36;
        break;
    case RotatePreset::SemiCircle:
        params.rotateRadialStep = 200.0f;
        params.rotateRadialMode = modeValue(RotateOffsetMode::Decreasing);
        break;
    case RotatePreset::IncreasingRotation:
        params.rotateCopies = 50;
        params.rotateAngleStep = 0.5f;
        params.rotateAngleMode = modeValue(RotateAngleMode::Increasing);
        break;
    case RotatePreset::Spiral:
        params.rotateRadialMode = modeValue(RotateOffsetMode::Increasing);
        params.rotateCopies = 36;
        params.rotateRadialStep = 1.0f;
        break;
    case RotatePreset::RandomMess:
        params.rotateRadialMode = modeValue(RotateOffsetMode::Jitter);
        params.rotateCopies = 36;
        params.rotateRadialStep = 100.0f;
        break;
    case RotatePreset::SpiralStaircase:
        params.rotateCopies = 36;
        params.rotateRadialStep = 200.0f;
        params.rotateHorizontalStep = 0.0f;
        params.rotateHorizontalMode = modeValue(RotateOffsetMode::Uniform);
        break;
    case RotatePreset::FullCircleDocumentCentre:
        params.rotateCopies = 36;
        params.rotateCentreMode = modeValue(RotateCentreMode::DocumentCentre);
        params.rotateHorizontalStep = 0.0f;
        break;
    case RotatePreset::RandomSpread:
        params.rotateCopies = 36;
        params.rotateCentreMode = modeValue(RotateCentreMode::Randomised);
        params.rotateHorizontalStep = 0.0f;
        break;
    default:
        // 0 and unknown presets: the reset alone.
        break;
    }
}

void rotateDrawRandomSettings(FilterParams& params, RandomSource& random)
{
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

std::span<const std::string_view> rotatePopupLabels(int32_t itemId)
{
    switch (itemId) {
    case item::kCentreMode: return kRotateCentreLabels;
    case item::kAngleMode: return kRotateAngleLabels;
    case item::kRadialMode: return kRotateRadialLabels;
    case item::kHorizontalMode: return kRotateHorizontalLabels;
    case item::kVerticalMode: return kRotateVerticalLabels;
    case item::kLayerOption: return kRotateLayerLabels;
    case item::kPreset: return kRotatePresetLabels;
    case item::kColourTarget: return kInterpolateTargetLabels;
    default: return {};
    }
}

} // namespace tovrins
