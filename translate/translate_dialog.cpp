#include "translate/translate_dialog.hpp"

#include "dialog/dialog_builder.hpp"
#include "resources/tovrins_ids.h"
#include "dialog/notifiers.hpp"
#include "translate/translate_settings.hpp"

namespace tovrins {

namespace {

void layOutTranslateDialog(DialogBuilder& b, const FilterParams& p)
{
    b.placeAndSize(p.translateDialogBounds, p.translateBoundsSaved == 1, 385, 300);

    b.integerSpin(item::kCopies, spinRect(0), p.translateCopies, 1, 100, changeNotifier);
    b.realSpin(item::kHorizontalStep, spinRect(1), p.translateHorizontal, -5000, 5000, changeNotifier);
    b.realSpin(item::kVerticalStep, spinRect(2), p.translateVertical, -5000, 5000, changeNotifier);
    b.integerSpin(item::kCopiesPerLayer, spinRect(3), p.translateCopiesPerLayer, 1, 100, changeNotifier);
    b.realSpin(item::kColourPercent, spinRect(4), p.translateColourPercent, 0, 100, changeNotifier);
    b.zoomField(p.translateZoom);
    b.staticText(item::kCopiesLabel, itemRect(10, 10, 178, 30), "Number of copies");
    b.previewBox(p.translatePreview);
    b.optionBoxes(130, p.translateBaseOnOriginal, p.translateDeleteOriginal, p.translatePlaceAbove);
    const int32_t pickRows[] = {0, 1, 2, 4};
    b.pictureButtons(pickRows);
    b.presetPopup();
    const int32_t popupIds[] = {item::kPlacement, item::kVariation, item::kLayerOption, item::kColourTarget};
    b.modePopups(popupIds, 1);
    // OK takes its notifier once every item exists.
    b.commandButtons(nullptr);

    b.fillPopup(item::kPreset, translatePopupLabels(item::kPreset), p.translatePreset);
    b.fillPopup(item::kPlacement, translatePopupLabels(item::kPlacement), p.translatePlacement);
    b.fillPopup(item::kLayerOption, translatePopupLabels(item::kLayerOption), p.translateLayerOption);
    b.fillPopup(item::kVariation, translatePopupLabels(item::kVariation), p.translateVariation);
    b.fillPopup(item::kColourTarget, translatePopupLabels(item::kColourTarget), p.translateInterpolate);

    b.attach(item::kOk, okNotifier);
    b.attach(item::kShuffle, changeNotifier);
    b.attach(item::kPreset, presetNotifier);
}

} // namespace

TvErr translateDialogBuilder(TvDialogRef dialog) { return buildFilterDialog(dialog, layOutTranslateDialog); }

} // namespace tovrins
