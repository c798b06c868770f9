#include "translate/translate_settings.hpp"

#include <array>

#include "shell/colour_target.hpp"
#include "resources/tovrins_ids.h"
#include "translate/translate_modes.hpp"

namespace tovrins {
namespace {

int32_t truncated(float value) { return static_cast<int32_t>(value); }

} // namespace

// A fresh block (writeDefaults) selects preset 0.
static_assert(modeValue(TranslatePreset::Reset) == 0);

// The values that both the defaults and every preset start from; the zoom
// is the user's and a preset keeps it.
void translateResetSection(FilterParams& params)
{
    params.translateHorizontal = 10.0f;
    params.translateVertical = 10.0f;
    params.translatePreview = 1;
    params.translateCopies = 7;
    params.translateCopiesPerLayer = 1;
    params.translateColourPercent = 100.0f;
    params.translateBaseOnOriginal = 1;
    params.translateDeleteOriginal = 1;
    params.translatePlaceAbove = 1;
    params.translatePlacement = modeValue(TranslatePlacement::Default);
    params.translateLayerOption = modeValue(TranslateLayerOption::AllOnNewLayer);
    params.translateVariation = modeValue(TranslateVariation::Default);
    params.translateInterpolate = modeValue(InterpolateTarget::AllZero);
    params.translatePreviewApplied = 0;
}

// A value outside the presets list only resets the section.
void translateApplyPreset(FilterParams& params, int32_t preset)
{
    params.translatePreset = preset;
    translateResetSection(params);
    switch (static_cast<TranslatePreset>(preset)) {
    case TranslatePreset::ToTheRight:
        params.translateHorizontal = 20.0f;
        params.translateVertical = 0.0f;
        params.translateCopies = 20;
        break;
    case TranslatePreset::ToTheLeft:
        params.translateHorizontal = -20.0f;
        params.translateVertical = 0.0f;
        params.translateCopies = 20;
        break;
    case TranslatePreset::ThreePronged:
        params.translateHorizontal = -20.0f;
        params.translateVertical = 20.0f;
        params.translateCopies = 20;
        params.translatePlacement = modeValue(TranslatePlacement::ThreePronged);
        break;
    case TranslatePreset::CloseRight:
        params.translateCopies = 200;
        params.translateHorizontal = 2.0f;
        params.translateVertical = 0.0f;
        break;
    case TranslatePreset::TwoPerLayer: params.translateCopiesPerLayer = 2; break;
    case TranslatePreset::Steps:
        params.translateCopies = 30;
        params.translatePlacement = modeValue(TranslatePlacement::Steps);
        params.translateVariation = modeValue(TranslateVariation::AsSet);
        break;
    case TranslatePreset::Split:
        params.translateCopies = 30;
        params.translatePlacement = modeValue(TranslatePlacement::HorizontalReflection);
        break;
    case TranslatePreset::RapidImpact:
        params.translateCopies = 122;
        params.translateHorizontal = 65.0f;
        params.translateVertical = 80.0f;
        params.translatePlacement = modeValue(TranslatePlacement::TriAngled);
        params.translateVariation = modeValue(TranslateVariation::BounceBack);
        break;
    default: break;
    }
}

// The draws are made strictly in this order; a recorded sequence of random
// numbers must give the same settings on every run.
void translateDrawRandomSettings(FilterParams& params, RandomSource& random)
{
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

std::span<const std::string_view> translatePopupLabels(int32_t itemId)
{
    switch (itemId) {
    case item::kPlacement: return kTranslatePlacementLabels;
    case item::kVariation: return kTranslateVariationLabels;
    case item::kLayerOption: return kTranslateLayerLabels;
    case item::kPreset: return kTranslatePresetLabels;
    case item::kColourTarget: return kInterpolateTargetLabels;
    default: return {};
    }
}

} // namespace tovrins
