#include "scale_dialog.hpp"

#include "dialog_builder.hpp"
#include "item_bindings.hpp"
#include "notifiers.hpp"
#include "scale_settings.hpp"

namespace tovrins {

TvErr scaleDialogBuilder(TvDialogRef dialog)
{
    FilterParams* found = nullptr;
    if (const TvErr code = dialogParams(dialog, found); code != TV_ERR_NONE)
        return code; // the dialog closes at once and the command reports the host's code
    const FilterParams& p = *found;
    DialogBuilder b(dialog);
    b.placeAndSize(p.scaleDialogBounds, p.scaleBoundsSaved != 0, 385, 300);

    b.integerSpin(4, itemRect(180, dialogRow(0), 240, dialogRow(0) + 20), p.scaleCopies, 1, 100, changeNotifier);
    b.realSpin(11, itemRect(180, dialogRow(1), 240, dialogRow(1) + 20), p.scaleHorizontalScale, -1000, 1000, changeNotifier);
    b.realSpin(12, itemRect(180, dialogRow(2), 240, dialogRow(2) + 20), p.scaleVerticalScale, -1000, 1000, changeNotifier);
    b.realSpin(7, itemRect(180, dialogRow(3), 240, dialogRow(3) + 20), p.scaleHorizontalTranslation, -5000, 5000, changeNotifier);
    b.realSpin(8, itemRect(180, dialogRow(4), 240, dialogRow(4) + 20), p.scaleVerticalTranslation, -5000, 5000, changeNotifier);
    b.integerSpin(9, itemRect(180, dialogRow(5), 240, dialogRow(5) + 20), p.scaleCopiesPerLayer, 1, 100, changeNotifier);
    b.realSpin(13, itemRect(180, dialogRow(6), 240, dialogRow(6) + 20), p.scaleColourPercent, 0, 100, changeNotifier);
    b.zoomSpin(10, itemRect(315, 275, 375, 295), p.scaleZoom, zoomNotifier);
    b.checkBox(3, itemRect(295, 130, 375, 144), p.scalePreview, changeNotifier, "Preview");
    b.checkBox(20, itemRect(10, 175, 240, 189), p.scaleBaseOnOriginal, changeNotifier, "Base on original");
    b.checkBox(21, itemRect(10, 192, 240, 206), p.scaleDeleteOriginal, changeNotifier, "Delete original [on OK]");
    b.checkBox(22, itemRect(10, 209, 240, 223), p.scalePlaceAbove, changeNotifier, "Place above");
    const int32_t pickRows[] = {0, 1, 2, 3, 4, 6};
    for (int32_t index = 0; index < 6; ++index)
        b.pictureButton(60 + index, itemRect(250, dialogRow(pickRows[index]), 270, dialogRow(pickRows[index]) + 20), pickTracker);
    b.popup(36, itemRect(295, 154, 375, 174), presetNotifier);
    const int32_t popupIds[] = {30, 37, 38, 33, 34, 35, 39};
    for (int32_t index = 0; index < 7; ++index)
        b.popup(popupIds[index], itemRect(10, dialogRow(index), 175, dialogRow(index) + 20), changeNotifier);
    b.textButton(2, itemRect(295, 40, 375, 60), nullptr, "Cancel");
    b.textButton(50, itemRect(295, 70, 375, 90), changeNotifier, "Shuffle");
    b.textButton(51, itemRect(295, 100, 375, 120), tumbleNotifier, "Tumble");
    // The accept control, as in the other two dialogs: OK above "Cancel",
    // storing the bounds on acceptance.
    b.textButton(1, itemRect(295, 10, 375, 30), okNotifier, "OK");

    b.fillPopup(36, scalePopupLabels(36), p.scalePreset);
    b.fillPopup(30, scalePopupLabels(30), p.scaleCentreMode);
    b.fillPopup(35, scalePopupLabels(35), p.scaleLayerOption);
    b.fillPopup(37, scalePopupLabels(37), p.scaleHorizontalScaleMode);
    b.fillPopup(38, scalePopupLabels(38), p.scaleVerticalScaleMode);
    b.fillPopup(33, scalePopupLabels(33), p.scaleHorizontalTranslationMode);
    b.fillPopup(34, scalePopupLabels(34), p.scaleVerticalTranslationMode);
    b.fillPopup(39, scalePopupLabels(39), p.scaleInterpolate);

    b.finish();
    return 0;
}

} // namespace tovrins
