#include "notifiers.hpp"

#include <cmath>

#include "item_bindings.hpp"
#include "rotate_engine.hpp"
#include "rotate_settings.hpp"
#include "scale_engine.hpp"
#include "scale_settings.hpp"
#include "suite_services.hpp"
#include "suites.hpp"
#include "translate_engine.hpp"
#include "translate_settings.hpp"

namespace tovrins {

namespace {

TvDialogRef dialogOf(TvItemRef item)
{
    TvDialogRef dialog = nullptr;
    suites().item->getDialog(item, &dialog);
    return dialog;
}

TvItemRef itemOf(TvDialogRef dialog, int32_t id)
{
    TvItemRef item = nullptr;
    if (suites().dialog->getItem(dialog, id, &item) != 0)
        return nullptr;
    return item;
}

// The id of the popup's selected entry; fallback when none is selected.
int32_t selectedEntryId(TvItemRef popup, int32_t fallback)
{
    TvListRef list = nullptr;
    TvEntryRef entry = nullptr;
    int32_t id = fallback;
    if (suites().item->getList(popup, &list) != 0 || suites().list->getActiveEntry(list, &entry) != 0 || entry == nullptr)
        return fallback;
    if (suites().entry->getID(entry, &id) != 0)
        return fallback;
    return id;
}

void readItems(TvDialogRef dialog, FilterParams& p)
{
    for (const ItemBinding& binding : itemBindings(p.filterKind)) {
        TvItemRef item = itemOf(dialog, binding.item);
        if (item == nullptr)
            continue;
        switch (binding.kind) {
        case ItemKind::CheckBox: {
            TvBool value = 0;
            if (suites().item->getBooleanValue(item, &value) == 0)
                p.*binding.integerField = value != 0 ? 1 : 0;
            break;
        }
        case ItemKind::IntegerSpin: {
            int32_t value = 0;
            if (suites().item->getIntValue(item, &value) == 0)
                p.*binding.integerField = value;
            break;
        }
        case ItemKind::RealSpin: {
            TvReal value = 0;
            if (suites().item->getFloatValue(item, &value) == 0)
                p.*binding.realField = value;
            break;
        }
        case ItemKind::Popup:
            p.*binding.integerField = selectedEntryId(item, p.*binding.integerField);
            break;
        }
    }
}

void enableStep(TvDialogRef dialog, int32_t id, int32_t mode)
{
    if (TvItemRef item = itemOf(dialog, id))
        suites().item->enable(item, mode != 0 ? 1 : 0);
}

void enableSteps(TvDialogRef dialog, const FilterParams& p)
{
    if (p.filterKind == 1) {
        enableStep(dialog, 6, p.rotateRadialMode);
        enableStep(dialog, 7, p.rotateHorizontalMode);
        enableStep(dialog, 8, p.rotateVerticalMode);
    } else if (p.filterKind == 2) {
        enableStep(dialog, 7, p.scaleHorizontalTranslationMode);
        enableStep(dialog, 8, p.scaleVerticalTranslationMode);
    }
}

TvErr runEngine(FilterParams& p)
{
    switch (p.filterKind) {
    case 1: return rotateEngine(p);
    case 2: return scaleEngine(p);
    case 3: return translateEngine(p);
    default: return 0;
    }
}

void setItemValue(TvDialogRef dialog, int32_t id, int32_t value)
{
    if (TvItemRef item = itemOf(dialog, id))
        suites().item->setIntValue(item, value);
}

void setItemValue(TvDialogRef dialog, int32_t id, float value)
{
    if (TvItemRef item = itemOf(dialog, id))
        suites().item->setFloatValue(item, value);
}

// Sets the field that picture button `button` picks from the artwork point,
// and shows it in its spin edit.
void pickValue(TvDialogRef dialog, FilterParams& p, int32_t button, TvDocumentViewHandle view, TvRealPoint point)
{
    constexpr float kSeventh = -0.14285715f; // nearest single to -1/7
    constexpr float kThird = 0.33333334f;    // nearest single to 1/3
    const float x = point.h;
    const float y = point.v;
    const int32_t copies = 1 - static_cast<int32_t>(std::trunc(static_cast<double>(x) * kSeventh));
    auto set = [&](auto FilterParams::*field, int32_t item, auto value) {
        p.*field = value;
        setItemValue(dialog, item, value);
    };
    switch (p.filterKind) {
    case 1:
        switch (button) {
        case 60: set(&FilterParams::rotateCopies, 4, copies); break;
        case 61: {
            TvRealPoint centre{};
            suites().view->getDocumentViewCenter(view, &centre);
            const float angle = suites().math->pointAngle(&point, &centre);
            set(&FilterParams::rotateAngleStep, 5, suites().math->radianToDegree(angle));
            break;
        }
        case 62: set(&FilterParams::rotateRadialStep, 6, x * 0.5f); break;
        case 63: set(&FilterParams::rotateHorizontalStep, 7, x * 0.5f); break;
        case 64: set(&FilterParams::rotateVerticalStep, 8, y * 0.5f); break;
        case 65: set(&FilterParams::rotateColourFactor, 13, x * kThird); break;
        default: break;
        }
        break;
    case 2:
        switch (button) {
        case 60: set(&FilterParams::scaleCopies, 4, copies); break;
        case 61: set(&FilterParams::scaleHorizontalScale, 11, x * 0.1f); break;
        case 62: set(&FilterParams::scaleVerticalScale, 12, y * 0.1f); break;
        case 63: set(&FilterParams::scaleHorizontalTranslation, 7, x * 0.5f); break;
        case 64: set(&FilterParams::scaleVerticalTranslation, 8, y * 0.5f); break;
        case 65: set(&FilterParams::scaleColourPercent, 13, x * kThird); break;
        default: break;
        }
        break;
    case 3:
        switch (button) {
        case 60: set(&FilterParams::translateCopies, 4, copies); break;
        case 61: set(&FilterParams::translateHorizontal, 7, x * 0.5f); break;
        case 62: set(&FilterParams::translateVertical, 8, y * 0.5f); break;
        case 63: set(&FilterParams::translateColourPercent, 13, x * kThird); break;
        default: break;
        }
        break;
    default: break;
    }
}

} // namespace

void refreshDialog(TvDialogRef dialog, const FilterParams& p)
{
    for (const ItemBinding& binding : itemBindings(p.filterKind)) {
        TvItemRef item = itemOf(dialog, binding.item);
        if (item == nullptr)
            continue;
        switch (binding.kind) {
        case ItemKind::CheckBox: suites().item->setBooleanValue(item, p.*binding.integerField); break;
        case ItemKind::IntegerSpin: suites().item->setIntValue(item, p.*binding.integerField); break;
        case ItemKind::RealSpin: suites().item->setFloatValue(item, p.*binding.realField); break;
        case ItemKind::Popup: {
            TvListRef list = nullptr;
            TvEntryRef entry = nullptr;
            if (suites().item->getList(item, &list) == 0 &&
                suites().list->findEntry(list, p.*binding.integerField, &entry) == 0 && entry != nullptr)
                suites().entry->select(entry, 1);
            break;
        }
        }
    }
}

void announceChange(TvDialogRef dialog)
{
    if (TvItemRef copies = itemOf(dialog, 4))
        suites().item->sendNotify(copies, kTvADMUserChangedNotifier);
}

void changeNotifier(TvItemRef item, TvNotifierRef notifier)
{
    suites().item->defaultNotify(item, notifier);
    FilterParams* p = paramsOfItem(item);
    const FilterWords* words = p ? filterWords(p->filterKind) : nullptr;
    if (words == nullptr)
        return;
    TvDialogRef dialog = dialogOf(item);
    p->*words->goRun = 0;
    readItems(dialog, *p);
    enableSteps(dialog, *p);
    if (p->*words->preview == 1) {
        p->*words->previewApplied = 1;
        // A failed preview is not reported and the next change tries again.
        // Its copies may be incomplete, so Go must not keep them: with the
        // flag cleared Go undoes them and makes the copies afresh.
        if (runEngine(*p) != 0)
            p->*words->previewApplied = 0;
    } else {
        p->*words->previewApplied = 0;
    }
}

void presetNotifier(TvItemRef item, TvNotifierRef notifier)
{
    suites().item->defaultNotify(item, notifier);
    TvDialogRef dialog = dialogOf(item);
    FilterParams* p = paramsOfItem(item);
    if (p != nullptr) {
        if (const FilterWords* words = filterWords(p->filterKind)) {
            const int32_t preset = selectedEntryId(item, 0);
            switch (p->filterKind) {
            case 1: rotateApplyPreset(*p, preset); break;
            case 2: scaleApplyPreset(*p, preset); break;
            default: translateApplyPreset(*p, preset); break;
            }
            p->*words->previewApplied = 0;
            refreshDialog(dialog, *p);
        }
    }
    announceChange(dialog);
}

void tumbleNotifier(TvItemRef item, TvNotifierRef notifier)
{
    suites().item->defaultNotify(item, notifier);
    TvDialogRef dialog = dialogOf(item);
    FilterParams* p = paramsOfItem(item);
    if (p != nullptr) {
        if (const FilterWords* words = filterWords(p->filterKind)) {
            SuiteRandom random;
            switch (p->filterKind) {
            case 1: rotateDrawRandomSettings(*p, random); break;
            case 2: scaleDrawRandomSettings(*p, random); break;
            default: translateDrawRandomSettings(*p, random); break;
            }
            p->*words->previewApplied = 0;
            refreshDialog(dialog, *p);
        }
    }
    announceChange(dialog);
}

void zoomNotifier(TvItemRef item, TvNotifierRef)
{
    FilterParams* p = paramsOfItem(item);
    const FilterWords* words = p ? filterWords(p->filterKind) : nullptr;
    if (words == nullptr)
        return;
    TvReal value = 0;
    if (suites().item->getFloatValue(item, &value) != 0)
        return;
    p->*words->zoom = value;
    TvDocumentViewHandle view = nullptr;
    if (suites().view->getNthDocumentView(0, &view) == 0)
        suites().view->setDocumentViewZoom(view, value * 0.01f);
}

void okNotifier(TvItemRef item, TvNotifierRef notifier)
{
    suites().item->defaultNotify(item, notifier);
    FilterParams* p = paramsOfItem(item);
    const FilterWords* words = p ? filterWords(p->filterKind) : nullptr;
    if (words == nullptr)
        return;
    TvIntRect bounds{};
    if (suites().dialog->getBoundsRect(dialogOf(item), &bounds) != 0)
        return;
    p->*words->bounds = DialogBounds{bounds.left, bounds.top, bounds.right, bounds.bottom};
    p->*words->boundsSaved = 1;
}

int32_t pickTracker(TvItemRef item, TvTrackerRef tracker)
{
    TvDialogRef dialog = dialogOf(item);
    uint32_t flags = 0;
    suites().tracker->getModifiers(tracker, &flags);
    if ((flags & TV_TRACK_MOUSE_RELEASED) != 0) {
        suites().item->defaultTrack(item, tracker);
        TvIntPoint pointer{};
        TvDocumentViewHandle view = nullptr;
        TvRealPoint point{};
        int32_t button = 0;
        FilterParams* p = paramsOfDialog(dialog);
        if (p != nullptr && suites().tracker->getPoint(tracker, &pointer) == 0 &&
            suites().view->getNthDocumentView(0, &view) == 0 &&
            suites().view->viewPointToArtworkPoint(view, &pointer, &point) == 0 &&
            suites().item->getID(item, &button) == 0)
            pickValue(dialog, *p, button, view, point);
    }
    announceChange(dialog);
    return 1;
}

} // namespace tovrins
