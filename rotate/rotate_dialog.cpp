#include "rotate/rotate_dialog.hpp"

#include "dialog/dialog_builder.hpp"
#include "resources/tovrins_ids.h"
#include "dialog/item_bindings.hpp"
#include "dialog/notifiers.hpp"
#include "rotate/rotate_settings.hpp"

namespace tovrins {

TvErr rotateDialogBuilder(TvDialogRef dialog)
{
    FilterParams* found = nullptr;
    if (const TvErr code = dialogParams(dialog, found); code != TV_ERR_NONE)
        return code; // the dialog closes at once and the command reports the host's code
    const FilterParams& p = *found;
    DialogBuilder b(dialog);
    b.placeAndSize(p.rotateDialogBounds, p.rotateBoundsSaved == 1, 385, 300);

    b.integerSpin(item::kCopies, itemRect(180, dialogRow(0), 240, dialogRow(0) + 20), p.rotateCopies, 1, 100,
                  changeNotifier);
    b.realSpin(item::kAngleStep, itemRect(180, dialogRow(1), 240, dialogRow(1) + 20), p.rotateAngleStep, -1000, 1000,
               changeNotifier);
    b.realSpin(item::kRadialStep, itemRect(180, dialogRow(2), 240, dialogRow(2) + 20), p.rotateRadialStep, -3000, 3000,
               changeNotifier);
    b.realSpin(item::kHorizontalStep, itemRect(180, dialogRow(3), 240, dialogRow(3) + 20), p.rotateHorizontalStep,
               -5000, 5000, changeNotifier);
    b.realSpin(item::kVerticalStep, itemRect(180, dialogRow(4), 240, dialogRow(4) + 20), p.rotateVerticalStep, -5000,
               5000, changeNotifier);
    b.integerSpin(item::kCopiesPerLayer, itemRect(180, dialogRow(5), 240, dialogRow(5) + 20), p.rotateCopiesPerLayer, 1,
                  100, changeNotifier);
    b.realSpin(item::kColourPercent, itemRect(180, dialogRow(6), 240, dialogRow(6) + 20), p.rotateColourFactor, 0, 100,
               changeNotifier);
    b.zoomSpin(item::kZoom, itemRect(315, 275, 375, 295), p.rotateViewZoom, zoomNotifier);
    b.checkBox(item::kPreview, itemRect(295, 130, 375, 144), p.rotatePreview, changeNotifier, "Preview");
    b.checkBox(item::kBaseOnOriginal, itemRect(10, 175, 240, 189), p.rotateBaseOnOriginal, changeNotifier,
               "Base on original");
    b.checkBox(item::kDeleteOriginal, itemRect(10, 192, 240, 206), p.rotateDeleteOriginal, changeNotifier,
               "Delete original [on OK]");
    b.checkBox(item::kPlaceAbove, itemRect(10, 209, 240, 223), p.rotatePlaceAbove, changeNotifier, "Place above");
    b.popup(item::kPreset, itemRect(295, 154, 375, 174), presetNotifier);
    const int32_t popupIds[] = {item::kCentreMode,   item::kAngleMode,   item::kRadialMode,  item::kHorizontalMode,
                                item::kVerticalMode, item::kLayerOption, item::kColourTarget};
    for (int32_t index = 0; index < 7; ++index)
        b.popup(popupIds[index], itemRect(10, dialogRow(index), 175, dialogRow(index) + 20), changeNotifier);
    const int32_t pickRows[] = {0, 1, 2, 3, 4, 6};
    for (int32_t index = 0; index < 6; ++index)
        b.pictureButton(item::kFirstPick + index,
                        itemRect(250, dialogRow(pickRows[index]), 270, dialogRow(pickRows[index]) + 20), pickTracker);
    b.textButton(item::kCancel, itemRect(295, 40, 375, 60), nullptr, "Cancel");
    b.textButton(item::kShuffle, itemRect(295, 70, 375, 90), changeNotifier, "Shuffle");
    b.textButton(item::kTumble, itemRect(295, 100, 375, 120), tumbleNotifier, "Tumble");
    // The accept control: an OK button in the free slot above "Cancel"; the
    // host's default handling ends the dialog with its id, and its notifier
    // stores the bounds so the dialog reopens where it was accepted.
    b.textButton(item::kOk, itemRect(295, 10, 375, 30), okNotifier, "OK");

    b.fillPopup(item::kPreset, rotatePopupLabels(item::kPreset), p.rotatePreset);
    b.fillPopup(item::kCentreMode, rotatePopupLabels(item::kCentreMode), p.rotateCentreMode);
    b.fillPopup(item::kAngleMode, rotatePopupLabels(item::kAngleMode), p.rotateAngleMode);
    b.fillPopup(item::kRadialMode, rotatePopupLabels(item::kRadialMode), p.rotateRadialMode);
    b.fillPopup(item::kHorizontalMode, rotatePopupLabels(item::kHorizontalMode), p.rotateHorizontalMode);
    b.fillPopup(item::kVerticalMode, rotatePopupLabels(item::kVerticalMode), p.rotateVerticalMode);
    b.fillPopup(item::kLayerOption, rotatePopupLabels(item::kLayerOption), p.rotateLayerOption);
    b.fillPopup(item::kColourTarget, rotatePopupLabels(item::kColourTarget), p.rotateInterpolateMode);

    b.finish();
    return 0;
}

} // namespace tovrins
