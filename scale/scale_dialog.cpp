#include "scale/scale_dialog.hpp"

#include "dialog/dialog_builder.hpp"
#include "resources/tovrins_ids.h"
#include "dialog/notifiers.hpp"
#include "scale/scale_settings.hpp"

namespace tovrins {

namespace {

void layOutScaleDialog(DialogBuilder& b, const FilterParams& p)
{
    b.placeAndSize(p.scaleDialogBounds, p.scaleBoundsSaved != 0, 385, 300);

    b.integerSpin(item::kCopies, spinRect(0), p.scaleCopies, 1, 100, changeNotifier);
    b.realSpin(item::kHorizontalScale, spinRect(1), p.scaleHorizontalScale, -1000, 1000, changeNotifier);
    b.realSpin(item::kVerticalScale, spinRect(2), p.scaleVerticalScale, -1000, 1000, changeNotifier);
    b.realSpin(item::kHorizontalStep, spinRect(3), p.scaleHorizontalTranslation, -5000, 5000, changeNotifier);
    b.realSpin(item::kVerticalStep, spinRect(4), p.scaleVerticalTranslation, -5000, 5000, changeNotifier);
    b.integerSpin(item::kCopiesPerLayer, spinRect(5), p.scaleCopiesPerLayer, 1, 100, changeNotifier);
    b.realSpin(item::kColourPercent, spinRect(6), p.scaleColourPercent, 0, 100, changeNotifier);
    b.zoomField(p.scaleZoom);
    b.previewBox(p.scalePreview);
    b.optionBoxes(175, p.scaleBaseOnOriginal, p.scaleDeleteOriginal, p.scalePlaceAbove);
    const int32_t pickRows[] = {0, 1, 2, 3, 4, 6};
    b.pictureButtons(pickRows);
    b.presetPopup();
    const int32_t popupIds[] = {item::kCentreMode,     item::kHorizontalScaleMode, item::kVerticalScaleMode,
                                item::kHorizontalMode, item::kVerticalMode,        item::kLayerOption,
                                item::kColourTarget};
    b.modePopups(popupIds, 0);
    b.commandButtons(okNotifier);

    b.fillPopup(item::kPreset, scalePopupLabels(item::kPreset), p.scalePreset);
    b.fillPopup(item::kCentreMode, scalePopupLabels(item::kCentreMode), p.scaleCentreMode);
    b.fillPopup(item::kLayerOption, scalePopupLabels(item::kLayerOption), p.scaleLayerOption);
    b.fillPopup(item::kHorizontalScaleMode, scalePopupLabels(item::kHorizontalScaleMode), p.scaleHorizontalScaleMode);
    b.fillPopup(item::kVerticalScaleMode, scalePopupLabels(item::kVerticalScaleMode), p.scaleVerticalScaleMode);
    b.fillPopup(item::kHorizontalMode, scalePopupLabels(item::kHorizontalMode), p.scaleHorizontalTranslationMode);
    b.fillPopup(item::kVerticalMode, scalePopupLabels(item::kVerticalMode), p.scaleVerticalTranslationMode);
    b.fillPopup(item::kColourTarget, scalePopupLabels(item::kColourTarget), p.scaleInterpolate);
}

} // namespace

TvErr scaleDialogBuilder(TvDialogRef dialog) { return buildFilterDialog(dialog, layOutScaleDialog); }

} // namespace tovrins
