// Defaults, presets, "Tumble" settings and popup labels of the scale filter.
#include "scale/scale_settings.hpp"

#include <array>

#include "shell/colour_target.hpp"
#include "resources/tovrins_ids.h"
#include "scale/scale_modes.hpp"

namespace tovrins {

namespace {

// The words that every preset starts from. scaleZoom is the dialog's view
// setting, not part of the transformation, so a preset leaves it alone.
void writeResetValues(FilterParams& p)
{
    p.scalePreview = 1;
    p.scaleCopies = 7;
    p.scaleHorizontalScale = 96.0f;
    p.scaleVerticalScale = 96.0f;
    p.scaleHorizontalTranslation = 0.0f;
    p.scaleVerticalTranslation = 0.0f;
    p.scaleColourPercent = 100.0f;
    p.scaleCopiesPerLayer = 1;
    p.scaleBaseOnOriginal = 1;
    p.scaleDeleteOriginal = 1;
    p.scalePlaceAbove = 1;
    p.scalePreviewApplied = 0;
    p.scaleCentreMode = modeValue(ScaleCentreMode::CopiesCentre);
    p.scaleHorizontalScaleMode = modeValue(ScaleVariation::Default);
    p.scaleVerticalScaleMode = modeValue(ScaleVariation::Default);
    p.scaleLayerOption = modeValue(ScaleLayerOption::NewLayers);
    p.scaleInterpolate = modeValue(InterpolateTarget::AllZero);
    // The translation modes go back to the defaults' " Translation ... uniform"
    // rather than 0 (" Ignore ..."): otherwise " Default/Reset" would not give
    // a fresh block's settings and the offset steps of presets 3 and 7 would
    // be ignored.
    p.scaleHorizontalTranslationMode = modeValue(ScaleTranslationVariation::Uniform);
    p.scaleVerticalTranslationMode = modeValue(ScaleTranslationVariation::Uniform);
}

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

void scaleWriteDefaults(FilterParams& p)
{
    p.filterKind = static_cast<int32_t>(FilterKind::Scale);
    p.scalePreviewApplied = 0;
    p.scaleBoundsSaved = 0;

    p.scalePreview = 1;
    p.scaleBaseOnOriginal = 1;
    p.scaleDeleteOriginal = 1;
    p.scalePlaceAbove = 1;
    p.scaleInterpolate = modeValue(InterpolateTarget::AllZero);
    p.scalePreset = modeValue(ScalePreset::Reset);
    p.scaleCopies = 7;
    p.scaleCopiesPerLayer = 1;
    p.scaleCentreMode = modeValue(ScaleCentreMode::CopiesCentre);
    p.scaleHorizontalScaleMode = modeValue(ScaleVariation::Default);
    p.scaleVerticalScaleMode = modeValue(ScaleVariation::Default);
    p.scaleHorizontalTranslationMode = modeValue(ScaleTranslationVariation::Uniform);
    p.scaleVerticalTranslationMode = modeValue(ScaleTranslationVariation::Uniform);
    p.scaleLayerOption = modeValue(ScaleLayerOption::NewLayers);
    p.scaleColourPercent = 100.0f;
    p.scaleZoom = 100.0f;
    p.scaleHorizontalScale = 96.0f;
    p.scaleVerticalScale = 96.0f;
    p.scaleHorizontalTranslation = 0.0f;
    p.scaleVerticalTranslation = 0.0f;
}

void scaleApplyPreset(FilterParams& p, int32_t preset)
{
    p.scalePreset = preset;
    writeResetValues(p);
    switch (static_cast<ScalePreset>(preset)) {
    case ScalePreset::RapidScale: // " Rapid scale "
        p.scaleHorizontalScale = 70.0f;
        p.scaleVerticalScale = 70.0f;
        break;
    case ScalePreset::RandomPlacement: // " Random placement "
        p.scaleCentreMode = modeValue(ScaleCentreMode::Random100);
        p.scaleHorizontalScale = 70.0f;
        p.scaleVerticalScale = 70.0f;
        break;
    case ScalePreset::ToTheRight: // " To the right "
        p.scaleCopies = 20;
        p.scaleHorizontalTranslation = 100.0f;
        break;
    case ScalePreset::AppleCore: // " Apple core "
        p.scaleCopies = 20;
        p.scaleHorizontalScale = 90.0f;
        break;
    case ScalePreset::ScaleToDocumentCentre: // " Scale to document centre "
        p.scaleCentreMode = modeValue(ScaleCentreMode::DocumentCentre);
        p.scaleHorizontalScale = 70.0f;
        p.scaleVerticalScale = 70.0f;
        break;
    case ScalePreset::Tentacles:       // " Tentacles "
    case ScalePreset::TentaclesSpread: // " Tentacles spread"
        p.scaleCentreMode = modeValue(ScaleCentreMode::Tentacle1);
        p.scaleHorizontalScale = 99.0f;
        p.scaleVerticalScale = 99.0f;
        p.scaleCopies = 200;
        if (preset == modeValue(ScalePreset::TentaclesSpread))
            p.scaleHorizontalTranslation = 10.0f;
        break;
    default: // " Default/Reset", and values no popup offers: the reset alone
        break;
    }
}

void scaleDrawRandomSettings(FilterParams& p, RandomSource& random)
{
    p.scaleCopies = 7;
    p.scaleHorizontalScale = 100.0f;
    p.scaleVerticalScale = 100.0f;
    p.scaleHorizontalTranslation = 0.0f;
    p.scaleVerticalTranslation = 0.0f;
    p.scaleCopiesPerLayer = 1;
    p.scaleColourPercent = 100.0f;
    p.scalePreviewApplied = 0;

    p.scaleCopies = 1 + truncated(200.0 * draw(random));
    p.scaleHorizontalScale = spreadAround(random, 100.0, 20.0);
    p.scaleVerticalScale = spreadAround(random, 100.0, 20.0);
    if (chance(random, 70.0)) {
        p.scaleHorizontalTranslation = spreadAround(random, 0.0, 80.0);
        p.scaleVerticalTranslation = spreadAround(random, 0.0, 80.0);
    }
    if (chance(random, 60.0))
        p.scaleColourPercent = static_cast<float>(100.0 - 30.0 * draw(random));
    if (chance(random, 70.0))
        p.scaleCentreMode = truncated(13.0 * draw(random));
    if (chance(random, 70.0)) {
        p.scaleHorizontalScaleMode = truncated(13.0 * draw(random));
        p.scaleVerticalScaleMode = truncated(13.0 * draw(random));
    }
    if (chance(random, 70.0)) {
        p.scaleHorizontalTranslationMode = truncated(15.0 * draw(random));
        p.scaleVerticalTranslationMode = truncated(15.0 * draw(random));
    }
    p.scaleInterpolate = truncated(14.0 * draw(random));
    if (chance(random, 70.0))
        p.scaleCopiesPerLayer = 1 + truncated(6.0 * draw(random));
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
