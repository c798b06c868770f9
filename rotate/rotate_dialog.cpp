#include "rotate_dialog.hpp"

#include "dialog_builder.hpp"
#include "item_bindings.hpp"
#include "notifiers.hpp"
#include "rotate_settings.hpp"

namespace tovrins {

TvErr rotateDialogBuilder(TvDialogRef dialog)
{
    FilterParams* found = nullptr;
    if (const TvErr code = dialogParams(dialog, found); code != TV_ERR_NONE)
        return code; // the dialog closes at once and the command reports the host's code
    const FilterParams& p = *found;
    DialogBuilder b(dialog);
    b.placeAndSize(p.rotateDialogBounds, p.rotateBoundsSaved == 1, 385, 300);

    b.integerSpin(4, itemRect(180, dialogRow(0), 240, dialogRow(0) + 20), p.rotateCopies, 1, 100, changeNotifier);
    b.realSpin(5, itemRect(180, dialogRow(1), 240, dialogRow(1) + 20), p.rotateAngleStep, -1000, 1000, changeNotifier);
    b.realSpin(6, itemRect(180, dialogRow(2), 240, dialogRow(2) + 20), p.rotateRadialStep, -3000, 3000, changeNotifier);
    b.realSpin(7, itemRect(180, dialogRow(3), 240, dialogRow(3) + 20), p.rotateHorizontalStep, -5000, 5000, changeNotifier);
    b.realSpin(8, itemRect(180, dialogRow(4), 240, dialogRow(4) + 20), p.rotateVerticalStep, -5000, 5000, changeNotifier);
    b.integerSpin(9, itemRect(180, dialogRow(5), 240, dialogRow(5) + 20), p.rotateCopiesPerLayer, 1, 100, changeNotifier);
    b.realSpin(13, itemRect(180, dialogRow(6), 240, dialogRow(6) + 20), p.rotateColourFactor, 0, 100, changeNotifier);
    b.zoomSpin(10, itemRect(315, 275, 375, 295), p.rotateViewZoom, zoomNotifier);
    b.checkBox(3, itemRect(295, 130, 375, 144), p.rotatePreview, changeNotifier, "Preview");
    b.checkBox(20, itemRect(10, 175, 240, 189), p.rotateBaseOnOriginal, changeNotifier, "Base on original");
    b.checkBox(21, itemRect(10, 192, 240, 206), p.rotateDeleteOriginal, changeNotifier, "Delete original [on OK]");
    b.checkBox(22, itemRect(10, 209, 240, 223), p.rotatePlaceAbove, changeNotifier, "Place above");
    b.popup(36, itemRect(295, 154, 375, 174), presetNotifier);
    const int32_t popupIds[] = {30, 31, 32, 33, 34, 35, 39};
    for (int32_t index = 0; index < 7; ++index)
        b.popup(popupIds[index], itemRect(10, dialogRow(index), 175, dialogRow(index) + 20), changeNotifier);
    const int32_t pickRows[] = {0, 1, 2, 3, 4, 6};
    for (int32_t index = 0; index < 6; ++index)
        b.pictureButton(60 + index, itemRect(250, dialogRow(pickRows[index]), 270, dialogRow(pickRows[index]) + 20), pickTracker);
    b.textButton(2, itemRect(295, 40, 375, 60), nullptr, "Cancel");
    b.textButton(50, itemRect(295, 70, 375, 90), changeNotifier, "Shuffle");
    b.textButton(51, itemRect(295, 100, 375, 120), tumbleNotifier, "Tumble");
    // The accept control: an OK button in the free slot above "Cancel"; the
    // host's default handling ends the dialog with its id, and its notifier
    // stores the bounds so the dialog reopens where it was accepted.
    b.textButton(1, itemRect(295, 10, 375, 30), okNotifier, "OK");

    b.fillPopup(36, rotatePopupLabels(36), p.rotatePreset);
    b.fillPopup(30, rotatePopupLabels(30), p.rotateCentreMode);
    b.fillPopup(31, rotatePopupLabels(31), p.rotateAngleMode);
    b.fillPopup(32, rotatePopupLabels(32), p.rotateRadialMode);
    b.fillPopup(33, rotatePopupLabels(33), p.rotateHorizontalMode);
    b.fillPopup(34, rotatePopupLabels(34), p.rotateVerticalMode);
    b.fillPopup(35, rotatePopupLabels(35), p.rotateLayerOption);
    b.fillPopup(39, rotatePopupLabels(39), p.rotateInterpolateMode);

    b.finish();
    return 0;
}

} // namespace tovrins
