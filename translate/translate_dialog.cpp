#include "translate_dialog.hpp"

#include "dialog_builder.hpp"
#include "item_bindings.hpp"
#include "notifiers.hpp"
#include "translate_settings.hpp"

namespace tovrins {

TvErr translateDialogBuilder(TvDialogRef dialog)
{
    FilterParams* found = nullptr;
    if (const TvErr code = dialogParams(dialog, found); code != TV_ERR_NONE)
        return code; // the dialog closes at once and the command reports the host's code
    const FilterParams& p = *found;
    DialogBuilder b(dialog);
    b.placeAndSize(p.translateDialogBounds, p.translateBoundsSaved == 1, 385, 300);

    b.integerSpin(4, itemRect(180, dialogRow(0), 240, dialogRow(0) + 20), p.translateCopies, 1, 100, changeNotifier);
    b.realSpin(7, itemRect(180, dialogRow(1), 240, dialogRow(1) + 20), p.translateHorizontal, -5000, 5000, changeNotifier);
    b.realSpin(8, itemRect(180, dialogRow(2), 240, dialogRow(2) + 20), p.translateVertical, -5000, 5000, changeNotifier);
    b.integerSpin(9, itemRect(180, dialogRow(3), 240, dialogRow(3) + 20), p.translateCopiesPerLayer, 1, 100, changeNotifier);
    b.realSpin(13, itemRect(180, dialogRow(4), 240, dialogRow(4) + 20), p.translateColourPercent, 0, 100, changeNotifier);
    b.zoomSpin(10, itemRect(315, 275, 375, 295), p.translateZoom, zoomNotifier);
    b.staticText(55, itemRect(10, 10, 178, 30), "Number of copies");
    b.checkBox(3, itemRect(295, 130, 375, 144), p.translatePreview, changeNotifier, "Preview");
    b.checkBox(20, itemRect(10, 130, 240, 144), p.translateBaseOnOriginal, changeNotifier, "Base on original");
    b.checkBox(21, itemRect(10, 147, 240, 161), p.translateDeleteOriginal, changeNotifier, "Delete original [on OK]");
    b.checkBox(22, itemRect(10, 164, 240, 178), p.translatePlaceAbove, changeNotifier, "Place above");
    const int32_t pickRows[] = {0, 1, 2, 4};
    for (int32_t index = 0; index < 4; ++index)
        b.pictureButton(60 + index, itemRect(250, dialogRow(pickRows[index]), 270, dialogRow(pickRows[index]) + 20), pickTracker);
    b.popup(36, itemRect(295, 154, 375, 174), presetNotifier);
    b.popup(33, itemRect(10, dialogRow(1), 175, dialogRow(1) + 20), changeNotifier);
    b.popup(34, itemRect(10, dialogRow(2), 175, dialogRow(2) + 20), changeNotifier);
    b.popup(35, itemRect(10, dialogRow(3), 175, dialogRow(3) + 20), changeNotifier);
    b.popup(39, itemRect(10, dialogRow(4), 175, dialogRow(4) + 20), changeNotifier);
    b.textButton(2, itemRect(295, 40, 375, 60), nullptr, "Cancel");
    b.textButton(50, itemRect(295, 70, 375, 90), changeNotifier, "Shuffle");
    b.textButton(51, itemRect(295, 100, 375, 120), tumbleNotifier, "Tumble");
    // The OK item that carries the OK notifier: a button in the free slot
    // above "Cancel".
    b.textButton(1, itemRect(295, 10, 375, 30), nullptr, "OK");

    b.fillPopup(36, translatePopupLabels(36), p.translatePreset);
    b.fillPopup(33, translatePopupLabels(33), p.translatePlacement);
    b.fillPopup(35, translatePopupLabels(35), p.translateLayerOption);
    b.fillPopup(34, translatePopupLabels(34), p.translateVariation);
    b.fillPopup(39, translatePopupLabels(39), p.translateInterpolate);

    b.attach(1, okNotifier);
    b.attach(50, changeNotifier);
    b.attach(36, presetNotifier);

    b.finish();
    return 0;
}

} // namespace tovrins
