// Defaults, presets, "Tumble" settings and popup labels of the scale filter.
#include "scale/scale_settings.hpp"

#include <array>

#include "shell/colour_target.hpp"
#include "resources/tovrins_ids.h"
#include "scale/scale_modes.hpp"

namespace tovrins {

namespace {

// Truncates toward zero, as the settings' integer fields expect.
int32_t truncated(double value) { return static_cast<int32_t>(value); }

double draw(RandomSource& random) { return static_cast<double>(random.next()); }

// "100 × R > percent", with its own draw.
bool chance(RandomSource& random, double percent) { return 100.0 * draw(random) > percent; }

// base + spread × R − spread × R, the two draws in that order.
float spreadAround(RandomSource& random, double base, double spread)
{
    const double up = spread * draw(random);
    const double down = spread * draw(random);
    return static_cast<float>(base + up - down);
}

} // namespace

// A fresh block (writeDefaults) selects preset 0.
static_assert(modeValue(ScalePreset::Reset) == 0);

// The values that both the defaults and every preset start from; the zoom is
// the dialog's view setting, not part of the transformation, so a preset
// keeps it.
void scaleResetSection(FilterParams& params)
{
    params.scalePreview = 1;
    params.scaleCopies = 7;
    params.scaleHorizontalScale = 96.0f;
    params.scaleVerticalScale = 96.0f;
    params.scaleHorizontalTranslation = 0.0f;
    params.scaleVerticalTranslation = 0.0f;
    params.scaleColourPercent = 100.0f;
    params.scaleCopiesPerLayer = 1;
    params.scaleBaseOnOriginal = 1;
    params.scaleDeleteOriginal = 1;
    params.scalePlaceAbove = 1;
    params.scalePreviewApplied = 0;
    params.scaleCentreMode = modeValue(ScaleCentreMode::CopiesCentre);
    params.scaleHorizontalScaleMode = modeValue(ScaleVariation::Default);
    params.scaleVerticalScaleMode = modeValue(ScaleVariation::Default);
    params.scaleLayerOption = modeValue(ScaleLayerOption::NewLayers);
    params.scaleInterpolate = modeValue(InterpolateTarget::AllZero);
    // The translation modes go back to the defaults' " Translation ... uniform"
    // rather than 0 (" Ignore ..."): otherwise " Default/Reset" would not give
    // a fresh block's settings and the offset steps of presets 3 and 7 would
    // be ignored.
    params.scaleHorizontalTranslationMode = modeValue(ScaleTranslationVariation::Uniform);
    params.scaleVerticalTranslationMode = modeValue(ScaleTranslationVariation::Uniform);
}

void scaleApplyPreset(FilterParams& params, int32_t preset)
{
    params.scalePreset = preset;
    scaleResetSection(params);
    switch (static_cast<ScalePreset>(preset)) {
    case ScalePreset::RapidScale: // " Rapid scale "
        params.scaleHorizontalScale = 70.0f;
        params.scaleVerticalScale = 70.0f;
        break;
    case ScalePreset::RandomPlacement: // " Random placement "
        params.scaleCentreMode = modeValue(ScaleCentreMode::Random100);
        params.scaleHorizontalScale = 70.0f;
        params.scaleVerticalScale = 70.0f;
        break;
    case ScalePreset::ToTheRight: // " To the right "
        params.scaleCopies = 20;
        params.scaleHorizontalTranslation = 100.0f;
        break;
    case ScalePreset::AppleCore: // " Apple core "
        params.scaleCopies = 20;
        params.scaleHorizontalScale = 90.0f;
        break;
    case ScalePreset::ScaleToDocumentCentre: // " Scale to document centre "
        params.scaleCentreMode = modeValue(ScaleCentreMode::DocumentCentre);
        params.scaleHorizontalScale = 70.0f;
        params.scaleVerticalScale = 70.0f;
        break;
    case ScalePreset::Tentacles:       // " Tentacles "
    case ScalePreset::TentaclesSpread: // " Tentacles spread"
        params.scaleCentreMode = modeValue(ScaleCentreMode::Tentacle1);
        params.scaleHorizontalScale = 99.0f;
        params.scaleVerticalScale = 99.0f;
        params.scaleCopies = 200;
        if (preset == modeValue(ScalePreset::TentaclesSpread))
            params.scaleHorizontalTranslation = 10.0f;
        break;
    default: // " Default/Reset", and values no popup offers: the reset alone
        break;
    }
}

void scaleDrawRandomSettings(FilterParams& params, RandomSource& random)
{
    params.scaleCopies = 7;
    params.scaleHorizontalScale = 100.0f;
    params.scaleVerticalScale = 100.0f;
    params.scaleHorizontalTranslation = 0.0f;
    params.scaleVerticalTranslation = 0.0f;
    params.scaleCopiesPerLayer = 1;
    params.scaleColourPercent = 100.0f;
    params.scalePreviewApplied = 0;

    params.scaleCopies = 1 + truncated(200.0 * draw(random));
    params.scaleHorizontalScale = spreadAround(random, 100.0, 20.0);
    params.scaleVerticalScale = spreadAround(random, 100.0, 20.0);
    if (chance(random, 70.0)) {
        params.scaleHorizontalTranslation = spreadAround(random, 0.0, 80.0);
        params.scaleVerticalTranslation = spreadAround(random, 0.0, 80.0);
    }
    if (chance(random, 60.0))
        params.scaleColourPercent = static_cast<float>(100.0 - 30.0 * draw(random));
    if (chance(random, 70.0))
        params.scaleCentreMode = truncated(13.0 * draw(random));
    if (chance(random, 70.0)) {
        params.scaleHorizontalScaleMode = truncated(13.0 * draw(random));
        params.scaleVerticalScaleMode = truncated(13.0 * draw(random));
    }
    if (chance(random, 70.0)) {
        params.scaleHorizontalTranslationMode = truncated(15.0 * draw(random));
        params.scaleVerticalTranslationMode = truncated(15.0 * draw(random));
    }
    params.scaleInterpolate = truncated(14.0 * draw(random));
    if (chance(random, 70.0))
        params.scaleCopiesPerLayer = 1 + truncated(6.0 * draw(random));
}

std::span<const std::string_view> scalePopupLabels(int32_t itemId)
{
    switch (itemId) {
    case item::kCentreMode: return kScaleCentreLabels;
    case item::kHorizontalMode: return kScaleHorizontalTranslationLabels;
    case item::kVerticalMode: return kScaleVerticalTranslationLabels;
    case item::kLayerOption: return kScaleLayerLabels;
    case item::kPreset: return kScalePresetLabels;
    case item::kHorizontalScaleMode: return kScaleHorizontalScaleLabels;
    case item::kVerticalScaleMode: return kScaleVerticalScaleLabels;
    case item::kColourTarget: return kInterpolateTargetLabels;
    default: return {};
    }
}

} // namespace tovrins
