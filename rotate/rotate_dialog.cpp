#include "rotate/rotate_dialog.hpp"

#include "dialog/dialog_builder.hpp"
#include "resources/tovrins_ids.h"
#include "dialog/notifiers.hpp"
#include "rotate/rotate_settings.hpp"

namespace tovrins {

namespace {

void layOutRotateDialog(DialogBuilder& b, const FilterParams& p)
{
    b.placeAndSize(p.rotateDialogBounds, p.rotateBoundsSaved == 1, 385, 300);

    b.integerSpin(item::kCopies, spinRect(0), p.rotateCopies, 1, 100, changeNotifier);
    b.realSpin(item::kAngleStep, spinRect(1), p.rotateAngleStep, -1000, 1000, changeNotifier);
    b.realSpin(item::kRadialStep, spinRect(2), p.rotateRadialStep, -3000, 3000, changeNotifier);
    b.realSpin(item::kHorizontalStep, spinRect(3), p.rotateHorizontalStep, -5000, 5000, changeNotifier);
    b.realSpin(item::kVerticalStep, spinRect(4), p.rotateVerticalStep, -5000, 5000, changeNotifier);
    b.integerSpin(item::kCopiesPerLayer, spinRect(5), p.rotateCopiesPerLayer, 1, 100, changeNotifier);
    b.realSpin(item::kColourPercent, spinRect(6), p.rotateColourFactor, 0, 100, changeNotifier);
    b.zoomField(p.rotateViewZoom);
    b.previewBox(p.rotatePreview);
    b.optionBoxes(175, p.rotateBaseOnOriginal, p.rotateDeleteOriginal, p.rotatePlaceAbove);
    b.presetPopup();
    const int32_t popupIds[] = {item::kCentreMode,   item::kAngleMode,   item::kRadialMode,  item::kHorizontalMode,
                                item::kVerticalMode, item::kLayerOption, item::kColourTarget};
    b.modePopups(popupIds, 0);
    const int32_t pickRows[] = {0, 1, 2, 3, 4, 6};
    b.pictureButtons(pickRows);
    b.commandButtons(okNotifier);

    b.fillPopup(item::kPreset, rotatePopupLabels(item::kPreset), p.rotatePreset);
    b.fillPopup(item::kCentreMode, rotatePopupLabels(item::kCentreMode), p.rotateCentreMode);
    b.fillPopup(item::kAngleMode, rotatePopupLabels(item::kAngleMode), p.rotateAngleMode);
    b.fillPopup(item::kRadialMode, rotatePopupLabels(item::kRadialMode), p.rotateRadialMode);
    b.fillPopup(item::kHorizontalMode, rotatePopupLabels(item::kHorizontalMode), p.rotateHorizontalMode);
    b.fillPopup(item::kVerticalMode, rotatePopupLabels(item::kVerticalMode), p.rotateVerticalMode);
    b.fillPopup(item::kLayerOption, rotatePopupLabels(item::kLayerOption), p.rotateLayerOption);
    b.fillPopup(item::kColourTarget, rotatePopupLabels(item::kColourTarget), p.rotateInterpolateMode);
}

} // namespace

TvErr rotateDialogBuilder(TvDialogRef dialog) { return buildFilterDialog(dialog, layOutRotateDialog); }

} // namespace tovrins
