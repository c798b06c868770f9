#include "item_bindings.hpp"

#include <array>

#include "suites.hpp"

namespace tovrins {

namespace {

using P = FilterParams;
constexpr ItemBinding check(int32_t item, int32_t P::*field) { return {item, ItemKind::CheckBox, field, nullptr}; }
constexpr ItemBinding integer(int32_t item, int32_t P::*field) { return {item, ItemKind::IntegerSpin, field, nullptr}; }
constexpr ItemBinding real(int32_t item, float P::*field) { return {item, ItemKind::RealSpin, nullptr, field}; }
constexpr ItemBinding popup(int32_t item, int32_t P::*field) { return {item, ItemKind::Popup, field, nullptr}; }

const std::array kRotateBindings = {
    check(3, &P::rotatePreview),          integer(4, &P::rotateCopies),
    real(5, &P::rotateAngleStep),         real(6, &P::rotateRadialStep),
    real(7, &P::rotateHorizontalStep),    real(8, &P::rotateVerticalStep),
    integer(9, &P::rotateCopiesPerLayer), real(13, &P::rotateColourFactor),
    check(20, &P::rotateBaseOnOriginal),  check(21, &P::rotateDeleteOriginal),
    check(22, &P::rotatePlaceAbove),      popup(30, &P::rotateCentreMode),
    popup(31, &P::rotateAngleMode),       popup(32, &P::rotateRadialMode),
    popup(33, &P::rotateHorizontalMode),  popup(34, &P::rotateVerticalMode),
    popup(35, &P::rotateLayerOption),     popup(39, &P::rotateInterpolateMode),
};

const std::array kScaleBindings = {
    check(3, &P::scalePreview),
    integer(4, &P::scaleCopies),
    real(7, &P::scaleHorizontalTranslation),
    real(8, &P::scaleVerticalTranslation),
    integer(9, &P::scaleCopiesPerLayer),
    real(11, &P::scaleHorizontalScale),
    real(12, &P::scaleVerticalScale),
    real(13, &P::scaleColourPercent),
    check(20, &P::scaleBaseOnOriginal),
    check(21, &P::scaleDeleteOriginal),
    check(22, &P::scalePlaceAbove),
    popup(30, &P::scaleCentreMode),
    popup(33, &P::scaleHorizontalTranslationMode),
    popup(34, &P::scaleVerticalTranslationMode),
    popup(35, &P::scaleLayerOption),
    popup(37, &P::scaleHorizontalScaleMode),
    popup(38, &P::scaleVerticalScaleMode),
    popup(39, &P::scaleInterpolate),
};

const std::array kTranslateBindings = {
    check(3, &P::translatePreview),          integer(4, &P::translateCopies),
    real(7, &P::translateHorizontal),        real(8, &P::translateVertical),
    integer(9, &P::translateCopiesPerLayer), real(13, &P::translateColourPercent),
    check(20, &P::translateBaseOnOriginal),  check(21, &P::translateDeleteOriginal),
    check(22, &P::translatePlaceAbove),      popup(33, &P::translatePlacement),
    popup(34, &P::translateVariation),       popup(35, &P::translateLayerOption),
    popup(39, &P::translateInterpolate),
};

const FilterWords kRotateWords{&P::rotatePreviewApplied, &P::rotateGoRun,        &P::rotatePreview,
                               &P::rotateViewZoom,       &P::rotateDialogBounds, &P::rotateBoundsSaved};
const FilterWords kScaleWords{&P::scalePreviewApplied, &P::scaleGoRun,        &P::scalePreview,
                              &P::scaleZoom,           &P::scaleDialogBounds, &P::scaleBoundsSaved};
const FilterWords kTranslateWords{&P::translatePreviewApplied, &P::translateGoRun,        &P::translatePreview,
                                  &P::translateZoom,           &P::translateDialogBounds, &P::translateBoundsSaved};

} // namespace

std::span<const ItemBinding> itemBindings(int32_t filterKind)
{
    switch (filterKind) {
    case 1: return kRotateBindings;
    case 2: return kScaleBindings;
    case 3: return kTranslateBindings;
    default: return {};
    }
}

const FilterWords* filterWords(int32_t filterKind)
{
    switch (filterKind) {
    case 1: return &kRotateWords;
    case 2: return &kScaleWords;
    case 3: return &kTranslateWords;
    default: return nullptr;
    }
}

TvErr dialogParams(TvDialogRef dialog, FilterParams*& params)
{
    params = nullptr;
    void* userData = nullptr;
    if (const TvErr code = suites().dialog->getUserData(dialog, &userData); code != TV_ERR_NONE)
        return code;
    params = static_cast<FilterParams*>(userData);
    return params != nullptr ? TV_ERR_NONE : TV_ERR_BAD_PARAMETER;
}

FilterParams* paramsOfDialog(TvDialogRef dialog)
{
    void* userData = nullptr;
    if (dialog == nullptr || suites().dialog->getUserData(dialog, &userData) != 0)
        return nullptr;
    return static_cast<FilterParams*>(userData);
}

FilterParams* paramsOfItem(TvItemRef item)
{
    TvDialogRef dialog = nullptr;
    if (suites().item->getDialog(item, &dialog) != 0)
        return nullptr;
    return paramsOfDialog(dialog);
}

} // namespace tovrins
