#include "rotate/rotate_filter.hpp"

#include <array>

#include "resources/tovrins_ids.h"
#include "shell/copy_engine.hpp"
#include "rotate/rotate_dialog.hpp"
#include "rotate/rotate_engine.hpp"
#include "rotate/rotate_settings.hpp"

namespace tovrins {

namespace {

using P = FilterParams;

constexpr std::array kItems = {
    binding::check(item::kPreview, &P::rotatePreview),
    binding::integer(item::kCopies, &P::rotateCopies),
    binding::real(item::kAngleStep, &P::rotateAngleStep),
    binding::real(item::kRadialStep, &P::rotateRadialStep),
    binding::real(item::kHorizontalStep, &P::rotateHorizontalStep),
    binding::real(item::kVerticalStep, &P::rotateVerticalStep),
    binding::integer(item::kCopiesPerLayer, &P::rotateCopiesPerLayer),
    binding::real(item::kColourPercent, &P::rotateColourFactor),
    binding::check(item::kBaseOnOriginal, &P::rotateBaseOnOriginal),
    binding::check(item::kDeleteOriginal, &P::rotateDeleteOriginal),
    binding::check(item::kPlaceAbove, &P::rotatePlaceAbove),
    binding::popup(item::kCentreMode, &P::rotateCentreMode),
    binding::popup(item::kAngleMode, &P::rotateAngleMode),
    binding::popup(item::kRadialMode, &P::rotateRadialMode),
    binding::popup(item::kHorizontalMode, &P::rotateHorizontalMode),
    binding::popup(item::kVerticalMode, &P::rotateVerticalMode),
    binding::popup(item::kLayerOption, &P::rotateLayerOption),
    binding::popup(item::kColourTarget, &P::rotateInterpolateMode),
};
static_assert(bindsCopyRunItems(kItems));

constexpr std::array<PickBinding, 6> kPicks{{
    {item::kFirstPick + 0, item::kCopies, PickSource::CopiesFromX, 1.0f, &P::rotateCopies, nullptr},
    {item::kFirstPick + 1, item::kAngleStep, PickSource::AngleToViewCentre, 1.0f, nullptr, &P::rotateAngleStep},
    {item::kFirstPick + 2, item::kRadialStep, PickSource::X, 0.5f, nullptr, &P::rotateRadialStep},
    {item::kFirstPick + 3, item::kHorizontalStep, PickSource::X, 0.5f, nullptr, &P::rotateHorizontalStep},
    {item::kFirstPick + 4, item::kVerticalStep, PickSource::Y, 0.5f, nullptr, &P::rotateVerticalStep},
    {item::kFirstPick + 5, item::kColourPercent, PickSource::X, kOneThird, nullptr, &P::rotateColourFactor},
}};

constexpr std::array<ModeEnable, 3> kModeEnables{{
    {item::kRadialStep, &P::rotateRadialMode},
    {item::kHorizontalStep, &P::rotateHorizontalMode},
    {item::kVerticalStep, &P::rotateVerticalMode},
}};

} // namespace

constinit const FilterRecord kRotateFilter{
    .kind = FilterKind::Rotate,
    .registeredName = "KM47_TovrinRotate",
    .handle = &PluginGlobals::rotateFilter,
    .menuCategoryString = TOVRINS_ROTATE_MENU_CATEGORY,
    .menuTitleString = TOVRINS_ROTATE_MENU_TITLE,
    .dialogName = "KM47_Tovrins",
    .dialogBuilder = rotateDialogBuilder,
    .engine = rotateEngine,
    .resetSection = rotateResetSection,
    .applyPreset = rotateApplyPreset,
    .drawRandomSettings = rotateDrawRandomSettings,
    .words = {&P::rotatePreviewApplied, &P::rotateGoRun, &P::rotatePreview, &P::rotateViewZoom, &P::rotateDialogBounds,
              &P::rotateBoundsSaved, &P::rotatePreset},
    .items = kItems,
    .picks = kPicks,
    .modeEnables = kModeEnables,
};

} // namespace tovrins
