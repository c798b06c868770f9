#include "scale/scale_filter.hpp"

#include <array>

#include "resources/tovrins_ids.h"
#include "shell/copy_engine.hpp"
#include "scale/scale_dialog.hpp"
#include "scale/scale_engine.hpp"
#include "scale/scale_settings.hpp"

namespace tovrins {

namespace {

using P = FilterParams;

constexpr std::array kItems = {
    binding::check(item::kPreview, &P::scalePreview),
    binding::integer(item::kCopies, &P::scaleCopies),
    binding::real(item::kHorizontalStep, &P::scaleHorizontalTranslation),
    binding::real(item::kVerticalStep, &P::scaleVerticalTranslation),
    binding::integer(item::kCopiesPerLayer, &P::scaleCopiesPerLayer),
    binding::real(item::kHorizontalScale, &P::scaleHorizontalScale),
    binding::real(item::kVerticalScale, &P::scaleVerticalScale),
    binding::real(item::kColourPercent, &P::scaleColourPercent),
    binding::check(item::kBaseOnOriginal, &P::scaleBaseOnOriginal),
    binding::check(item::kDeleteOriginal, &P::scaleDeleteOriginal),
    binding::check(item::kPlaceAbove, &P::scalePlaceAbove),
    binding::popup(item::kCentreMode, &P::scaleCentreMode),
    binding::popup(item::kHorizontalMode, &P::scaleHorizontalTranslationMode),
    binding::popup(item::kVerticalMode, &P::scaleVerticalTranslationMode),
    binding::popup(item::kLayerOption, &P::scaleLayerOption),
    binding::popup(item::kHorizontalScaleMode, &P::scaleHorizontalScaleMode),
    binding::popup(item::kVerticalScaleMode, &P::scaleVerticalScaleMode),
    binding::popup(item::kColourTarget, &P::scaleInterpolate),
};
static_assert(bindsCopyRunItems(kItems));

constexpr std::array<PickBinding, 6> kPicks{{
    {item::kFirstPick + 0, item::kCopies, PickSource::CopiesFromX, 1.0f, &P::scaleCopies, nullptr},
    {item::kFirstPick + 1, item::kHorizontalScale, PickSource::X, 0.1f, nullptr, &P::scaleHorizontalScale},
    {item::kFirstPick + 2, item::kVerticalScale, PickSource::Y, 0.1f, nullptr, &P::scaleVerticalScale},
    {item::kFirstPick + 3, item::kHorizontalStep, PickSource::X, 0.5f, nullptr, &P::scaleHorizontalTranslation},
    {item::kFirstPick + 4, item::kVerticalStep, PickSource::Y, 0.5f, nullptr, &P::scaleVerticalTranslation},
    {item::kFirstPick + 5, item::kColourPercent, PickSource::X, kOneThird, nullptr, &P::scaleColourPercent},
}};

constexpr std::array<ModeEnable, 2> kModeEnables{{
    {item::kHorizontalStep, &P::scaleHorizontalTranslationMode},
    {item::kVerticalStep, &P::scaleVerticalTranslationMode},
}};

} // namespace

constinit const FilterRecord kScaleFilter{
    .kind = FilterKind::Scale,
    .registeredName = "KM47_TovrinScale",
    .handle = &PluginGlobals::scaleFilter,
    .menuCategoryString = TOVRINS_SCALE_MENU_CATEGORY,
    .menuTitleString = TOVRINS_SCALE_MENU_TITLE,
    .dialogName = "KM47_TovrinScale",
    .dialogBuilder = scaleDialogBuilder,
    .engine = scaleEngine,
    .resetSection = scaleResetSection,
    .applyPreset = scaleApplyPreset,
    .drawRandomSettings = scaleDrawRandomSettings,
    .words = {&P::scalePreviewApplied, &P::scaleGoRun, &P::scalePreview, &P::scaleZoom, &P::scaleDialogBounds,
              &P::scaleBoundsSaved, &P::scalePreset},
    .items = kItems,
    .picks = kPicks,
    .modeEnables = kModeEnables,
};

} // namespace tovrins
