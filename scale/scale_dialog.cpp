#include "scale/scale_dialog.hpp"

#include "dialog/dialog_builder.hpp"
#include "resources/tovrins_ids.h"
#include "dialog/item_bindings.hpp"
#include "dialog/notifiers.hpp"
#include "scale/scale_settings.hpp"

namespace tovrins {

TvErr scaleDialogBuilder(TvDialogRef dialog)
{
    FilterParams* found = nullptr;
    if (const TvErr code = dialogParams(dialog, found); code != TV_ERR_NONE)
        return code; // the dialog closes at once and the command reports the host's code
    const FilterParams& p = *found;
    DialogBuilder b(dialog);
    b.placeAndSize(p.scaleDialogBounds, p.scaleBoundsSaved != 0, 385, 300);

    b.integerSpin(item::kCopies, itemRect(180, dialogRow(0), 240, dialogRow(0) + 20), p.scaleCopies, 1, 100,
                  changeNotifier);
    b.realSpin(item::kHorizontalScale, itemRect(180, dialogRow(1), 240, dialogRow(1) + 20), p.scaleHorizontalScale,
               -1000, 1000, changeNotifier);
    b.realSpin(item::kVerticalScale, itemRect(180, dialogRow(2), 240, dialogRow(2) + 20), p.scaleVerticalScale, -1000,
               1000, changeNotifier);
    b.realSpin(item::kHorizontalStep, itemRect(180, dialogRow(3), 240, dialogRow(3) + 20), p.scaleHorizontalTranslation,
               -5000, 5000, changeNotifier);
    b.realSpin(item::kVerticalStep, itemRect(180, dialogRow(4), 240, dialogRow(4) + 20), p.scaleVerticalTranslation,
               -5000, 5000, changeNotifier);
    b.integerSpin(item::kCopiesPerLayer, itemRect(180, dialogRow(5), 240, dialogRow(5) + 20), p.scaleCopiesPerLayer, 1,
                  100, changeNotifier);
    b.realSpin(item::kColourPercent, itemRect(180, dialogRow(6), 240, dialogRow(6) + 20), p.scaleColourPercent, 0, 100,
               changeNotifier);
    b.zoomSpin(item::kZoom, itemRect(315, 275, 375, 295), p.scaleZoom, zoomNotifier);
    b.checkBox(item::kPreview, itemRect(295, 130, 375, 144), p.scalePreview, changeNotifier, "Preview");
    b.checkBox(item::kBaseOnOriginal, itemRect(10, 175, 240, 189), p.scaleBaseOnOriginal, changeNotifier,
               "Base on original");
    b.checkBox(item::kDeleteOriginal, itemRect(10, 192, 240, 206), p.scaleDeleteOriginal, changeNotifier,
               "Delete original [on OK]");
    b.checkBox(item::kPlaceAbove, itemRect(10, 209, 240, 223), p.scalePlaceAbove, changeNotifier, "Place above");
    const int32_t pickRows[] = {0, 1, 2, 3, 4, 6};
    for (int32_t index = 0; index < 6; ++index)
        b.pictureButton(item::kFirstPick + index,
                        itemRect(250, dialogRow(pickRows[index]), 270, dialogRow(pickRows[index]) + 20), pickTracker);
    b.popup(item::kPreset, itemRect(295, 154, 375, 174), presetNotifier);
    const int32_t popupIds[] = {item::kCentreMode,     item::kHorizontalScaleMode, item::kVerticalScaleMode,
                                item::kHorizontalMode, item::kVerticalMode,        item::kLayerOption,
                                item::kColourTarget};
    for (int32_t index = 0; index < 7; ++index)
        b.popup(popupIds[index], itemRect(10, dialogRow(index), 175, dialogRow(index) + 20), changeNotifier);
    b.textButton(item::kCancel, itemRect(295, 40, 375, 60), nullptr, "Cancel");
    b.textButton(item::kShuffle, itemRect(295, 70, 375, 90), changeNotifier, "Shuffle");
    b.textButton(item::kTumble, itemRect(295, 100, 375, 120), tumbleNotifier, "Tumble");
    // The accept control, as in the other two dialogs: OK above "Cancel",
    // storing the bounds on acceptance.
    b.textButton(item::kOk, itemRect(295, 10, 375, 30), okNotifier, "OK");

    b.fillPopup(item::kPreset, scalePopupLabels(item::kPreset), p.scalePreset);
    b.fillPopup(item::kCentreMode, scalePopupLabels(item::kCentreMode), p.scaleCentreMode);
    b.fillPopup(item::kLayerOption, scalePopupLabels(item::kLayerOption), p.scaleLayerOption);
    b.fillPopup(item::kHorizontalScaleMode, scalePopupLabels(item::kHorizontalScaleMode), p.scaleHorizontalScaleMode);
    b.fillPopup(item::kVerticalScaleMode, scalePopupLabels(item::kVerticalScaleMode), p.scaleVerticalScaleMode);
    b.fillPopup(item::kHorizontalMode, scalePopupLabels(item::kHorizontalMode), p.scaleHorizontalTranslationMode);
    b.fillPopup(item::kVerticalMode, scalePopupLabels(item::kVerticalMode), p.scaleVerticalTranslationMode);
    b.fillPopup(item::kColourTarget, scalePopupLabels(item::kColourTarget), p.scaleInterpolate);

    b.finish();
    return 0;
}

} // namespace tovrins
