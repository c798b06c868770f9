#include "translate/translate_dialog.hpp"

#include "dialog/dialog_builder.hpp"
#include "resources/tovrins_ids.h"
#include "dialog/item_bindings.hpp"
#include "dialog/notifiers.hpp"
#include "translate/translate_settings.hpp"

namespace tovrins {

TvErr translateDialogBuilder(TvDialogRef dialog)
{
    FilterParams* found = nullptr;
    if (const TvErr code = dialogParams(dialog, found); code != TV_ERR_NONE)
        return code; // the dialog closes at once and the command reports the host's code
    const FilterParams& p = *found;
    DialogBuilder b(dialog);
    b.placeAndSize(p.translateDialogBounds, p.translateBoundsSaved == 1, 385, 300);

    b.integerSpin(item::kCopies, itemRect(180, dialogRow(0), 240, dialogRow(0) + 20), p.translateCopies, 1, 100,
                  changeNotifier);
    b.realSpin(item::kHorizontalStep, itemRect(180, dialogRow(1), 240, dialogRow(1) + 20), p.translateHorizontal, -5000,
               5000, changeNotifier);
    b.realSpin(item::kVerticalStep, itemRect(180, dialogRow(2), 240, dialogRow(2) + 20), p.translateVertical, -5000,
               5000, changeNotifier);
    b.integerSpin(item::kCopiesPerLayer, itemRect(180, dialogRow(3), 240, dialogRow(3) + 20), p.translateCopiesPerLayer,
                  1, 100, changeNotifier);
    b.realSpin(item::kColourPercent, itemRect(180, dialogRow(4), 240, dialogRow(4) + 20), p.translateColourPercent, 0,
               100, changeNotifier);
    b.zoomSpin(item::kZoom, itemRect(315, 275, 375, 295), p.translateZoom, zoomNotifier);
    b.staticText(item::kCopiesLabel, itemRect(10, 10, 178, 30), "Number of copies");
    b.checkBox(item::kPreview, itemRect(295, 130, 375, 144), p.translatePreview, changeNotifier, "Preview");
    b.checkBox(item::kBaseOnOriginal, itemRect(10, 130, 240, 144), p.translateBaseOnOriginal, changeNotifier,
               "Base on original");
    b.checkBox(item::kDeleteOriginal, itemRect(10, 147, 240, 161), p.translateDeleteOriginal, changeNotifier,
               "Delete original [on OK]");
    b.checkBox(item::kPlaceAbove, itemRect(10, 164, 240, 178), p.translatePlaceAbove, changeNotifier, "Place above");
    const int32_t pickRows[] = {0, 1, 2, 4};
    for (int32_t index = 0; index < 4; ++index)
        b.pictureButton(item::kFirstPick + index,
                        itemRect(250, dialogRow(pickRows[index]), 270, dialogRow(pickRows[index]) + 20), pickTracker);
    b.popup(item::kPreset, itemRect(295, 154, 375, 174), presetNotifier);
    b.popup(item::kPlacement, itemRect(10, dialogRow(1), 175, dialogRow(1) + 20), changeNotifier);
    b.popup(item::kVariation, itemRect(10, dialogRow(2), 175, dialogRow(2) + 20), changeNotifier);
    b.popup(item::kLayerOption, itemRect(10, dialogRow(3), 175, dialogRow(3) + 20), changeNotifier);
    b.popup(item::kColourTarget, itemRect(10, dialogRow(4), 175, dialogRow(4) + 20), changeNotifier);
    b.textButton(item::kCancel, itemRect(295, 40, 375, 60), nullptr, "Cancel");
    b.textButton(item::kShuffle, itemRect(295, 70, 375, 90), changeNotifier, "Shuffle");
    b.textButton(item::kTumble, itemRect(295, 100, 375, 120), tumbleNotifier, "Tumble");
    // The OK item that carries the OK notifier: a button in the free slot
    // above "Cancel".
    b.textButton(item::kOk, itemRect(295, 10, 375, 30), nullptr, "OK");

    b.fillPopup(item::kPreset, translatePopupLabels(item::kPreset), p.translatePreset);
    b.fillPopup(item::kPlacement, translatePopupLabels(item::kPlacement), p.translatePlacement);
    b.fillPopup(item::kLayerOption, translatePopupLabels(item::kLayerOption), p.translateLayerOption);
    b.fillPopup(item::kVariation, translatePopupLabels(item::kVariation), p.translateVariation);
    b.fillPopup(item::kColourTarget, translatePopupLabels(item::kColourTarget), p.translateInterpolate);

    b.attach(item::kOk, okNotifier);
    b.attach(item::kShuffle, changeNotifier);
    b.attach(item::kPreset, presetNotifier);

    b.finish();
    return 0;
}

} // namespace tovrins
