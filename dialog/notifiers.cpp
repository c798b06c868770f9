#include "dialog/notifiers.hpp"

#include <cmath>

#include "shell/filter_registry.hpp"
#include "dialog/item_bindings.hpp"
#include "resources/tovrins_ids.h"
#include "shell/suite_services.hpp"
#include "shell/suites.hpp"

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
    if (suites().item->getList(popup, &list) != 0 || suites().list->getActiveEntry(list, &entry) != 0 ||
        entry == nullptr)
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
        case ItemKind::Popup: p.*binding.integerField = selectedEntryId(item, p.*binding.integerField); break;
        }
    }
}

// Each item that a mode enables follows its mode.
void enableModeItems(TvDialogRef dialog, const FilterRecord& filter, const FilterParams& p)
{
    for (const ModeEnable& enable : filter.modeEnables)
        if (TvItemRef item = itemOf(dialog, enable.item))
            suites().item->enable(item, p.*enable.mode != 0 ? 1 : 0);
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
void pickValue(TvDialogRef dialog, const FilterRecord& filter, FilterParams& p, int32_t button,
               TvDocumentViewHandle view, TvRealPoint point)
{
    constexpr float kSeventh = -0.14285715f; // nearest single to -1/7
    for (const PickBinding& pick : filter.picks) {
        if (pick.button != button)
            continue;
        float value = 0;
        switch (pick.source) {
        case PickSource::CopiesFromX: {
            const int32_t copies = 1 - static_cast<int32_t>(std::trunc(static_cast<double>(point.h) * kSeventh));
            p.*pick.integerField = copies;
            setItemValue(dialog, pick.item, copies);
            return;
        }
        case PickSource::AngleToViewCentre: {
            TvRealPoint centre{};
            suites().view->getDocumentViewCenter(view, &centre);
            value = suites().math->radianToDegree(suites().math->pointAngle(&point, &centre));
            break;
        }
        case PickSource::X: value = point.h * pick.scale; break;
        case PickSource::Y: value = point.v * pick.scale; break;
        }
        p.*pick.realField = value;
        setItemValue(dialog, pick.item, value);
        return;
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
    if (TvItemRef copies = itemOf(dialog, item::kCopies))
        suites().item->sendNotify(copies, kTvADMUserChangedNotifier);
}

void changeNotifier(TvItemRef item, TvNotifierRef notifier)
{
    suites().item->defaultNotify(item, notifier);
    FilterParams* p = paramsOfItem(item);
    const FilterRecord* filter = p ? filterRecordOf(p->filterKind) : nullptr;
    if (filter == nullptr)
        return;
    const FilterWords& words = filter->words;
    TvDialogRef dialog = dialogOf(item);
    p->*words.goRun = 0;
    readItems(dialog, *p);
    enableModeItems(dialog, *filter, *p);
    if (p->*words.preview == 1) {
        p->*words.previewApplied = 1;
        // A failed preview is not reported and the next change tries again.
        // Its copies may be incomplete, so Go must not keep them: with the
        // flag cleared Go undoes them and makes the copies afresh.
        if (filter->engine(*p) != 0)
            p->*words.previewApplied = 0;
    } else {
        p->*words.previewApplied = 0;
    }
}

void presetNotifier(TvItemRef item, TvNotifierRef notifier)
{
    suites().item->defaultNotify(item, notifier);
    TvDialogRef dialog = dialogOf(item);
    FilterParams* p = paramsOfItem(item);
    if (const FilterRecord* filter = p ? filterRecordOf(p->filterKind) : nullptr) {
        filter->applyPreset(*p, selectedEntryId(item, 0));
        p->*filter->words.previewApplied = 0;
        refreshDialog(dialog, *p);
    }
    announceChange(dialog);
}

void tumbleNotifier(TvItemRef item, TvNotifierRef notifier)
{
    suites().item->defaultNotify(item, notifier);
    TvDialogRef dialog = dialogOf(item);
    FilterParams* p = paramsOfItem(item);
    if (const FilterRecord* filter = p ? filterRecordOf(p->filterKind) : nullptr) {
        SuiteRandom random;
        filter->drawRandomSettings(*p, random);
        p->*filter->words.previewApplied = 0;
        refreshDialog(dialog, *p);
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
            if (const FilterRecord* filter = filterRecordOf(p->filterKind))
                pickValue(dialog, *filter, *p, button, view, point);
    }
    announceChange(dialog);
    return 1;
}

} // namespace tovrins
