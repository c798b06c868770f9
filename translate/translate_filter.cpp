#include "translate/translate_filter.hpp"

#include <array>

#include "resources/tovrins_ids.h"
#include "shell/copy_engine.hpp"
#include "translate/translate_dialog.hpp"
#include "translate/translate_engine.hpp"
#include "translate/translate_settings.hpp"

namespace tovrins {

namespace {

using P = FilterParams;

constexpr std::array kItems = {
    binding::check(item::kPreview, &P::translatePreview),
    binding::integer(item::kCopies, &P::translateCopies),
    binding::real(item::kHorizontalStep, &P::translateHorizontal),
    binding::real(item::kVerticalStep, &P::translateVertical),
    binding::integer(item::kCopiesPerLayer, &P::translateCopiesPerLayer),
    binding::real(item::kColourPercent, &P::translateColourPercent),
    binding::check(item::kBaseOnOriginal, &P::translateBaseOnOriginal),
    binding::check(item::kDeleteOriginal, &P::translateDeleteOriginal),
    binding::check(item::kPlaceAbove, &P::translatePlaceAbove),
    binding::popup(item::kPlacement, &P::translatePlacement),
    binding::popup(item::kVariation, &P::translateVariation),
    binding::popup(item::kLayerOption, &P::translateLayerOption),
    binding::popup(item::kColourTarget, &P::translateInterpolate),
};
static_assert(bindsCopyRunItems(kItems));

constexpr std::array<PickBinding, 4> kPicks{{
    {item::kFirstPick + 0, item::kCopies, PickSource::CopiesFromX, 1.0f, &P::translateCopies, nullptr},
    {item::kFirstPick + 1, item::kHorizontalStep, PickSource::X, 0.5f, nullptr, &P::translateHorizontal},
    {item::kFirstPick + 2, item::kVerticalStep, PickSource::Y, 0.5f, nullptr, &P::translateVertical},
    {item::kFirstPick + 3, item::kColourPercent, PickSource::X, kOneThird, nullptr, &P::translateColourPercent},
}};

constexpr std::array<ModeEnable, 0> kModeEnables{};

} // namespace

constinit const FilterRecord kTranslateFilter{
    .kind = FilterKind::Translate,
    .registeredName = "KM47_TovrinTranslate",
    .handle = &PluginGlobals::translateFilter,
    .menuCategoryString = TOVRINS_TRANSLATE_MENU_CATEGORY,
    .menuTitleString = TOVRINS_TRANSLATE_MENU_TITLE,
    .dialogName = "KM47_TovrinTranslate",
    .dialogBuilder = translateDialogBuilder,
    .engine = translateEngine,
    .resetSection = translateResetSection,
    .applyPreset = translateApplyPreset,
    .drawRandomSettings = translateDrawRandomSettings,
    .words = {&P::translatePreviewApplied, &P::translateGoRun, &P::translatePreview, &P::translateZoom,
              &P::translateDialogBounds, &P::translateBoundsSaved, &P::translatePreset},
    .items = kItems,
    .picks = kPicks,
    .modeEnables = kModeEnables,
};

} // namespace tovrins
