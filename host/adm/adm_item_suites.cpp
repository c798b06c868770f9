// The ADM Item, List, Entry and Tracker suites, and the two reserved ones.
#include <climits>
#include <cmath>

#include "adm_suite_support.hpp"

namespace tovrins::host {
namespace {

constexpr const char* kItem = kTvADMItemSuite;
constexpr const char* kList = kTvADMListSuite;
constexpr const char* kEntry = kTvADMEntrySuite;
constexpr const char* kTracker = kTvADMTrackerSuite;

template <class F>
TvErr withItem(const char* suite, const char* operation, TvItemRef ref, F&& body)
{
    return admCall(suite, operation, [&](AdmSession& session) -> TvErr {
        AdmItem* item = session.liveItem(ref);
        return item ? body(session, *item) : TV_ERR_BAD_PARAMETER;
    });
}

// A popup's list is the popup item itself.
template <class F>
TvErr withList(const char* operation, TvListRef ref, F&& body)
{
    return withItem(kList, operation, reinterpret_cast<TvItemRef>(ref), [&](AdmSession& session, AdmItem& item) {
        return item.kind == AdmItemKind::Popup ? body(session, item) : TV_ERR_BAD_PARAMETER;
    });
}

template <class F>
TvErr withEntry(const char* operation, TvEntryRef ref, F&& body)
{
    return admCall(kEntry, operation, [&](AdmSession& session) -> TvErr {
        AdmEntry* entry = session.liveEntry(ref);
        return entry ? body(*entry) : TV_ERR_BAD_PARAMETER;
    });
}

TvEntryRef entryRef(AdmEntry* entry) { return reinterpret_cast<TvEntryRef>(entry); }

TvErr setNotifyProc(TvItemRef ref, TvADMNotifyProc proc)
{
    return withItem(kItem, "setNotifyProc", ref, [&](AdmSession&, AdmItem& item) {
        item.notify = proc;
        return TV_ERR_NONE;
    });
}

TvErr setTrackProc(TvItemRef ref, TvADMTrackProc proc)
{
    return withItem(kItem, "setTrackProc", ref, [&](AdmSession&, AdmItem& item) {
        item.track = proc;
        return TV_ERR_NONE;
    });
}

TvErr defaultNotify(TvItemRef ref, TvNotifierRef)
{
    return withItem(kItem, "defaultNotify", ref, [&](AdmSession&, AdmItem& item) {
        defaultHandling(item);
        return TV_ERR_NONE;
    });
}

// The host's own tracking has nothing to show headlessly.
TvErr defaultTrack(TvItemRef ref, TvTrackerRef tracker)
{
    return withItem(kItem, "defaultTrack", ref, [&](AdmSession& session, AdmItem&) {
        return session.liveTracker(tracker) ? TV_ERR_NONE : TV_ERR_BAD_PARAMETER;
    });
}

TvErr sendNotify(TvItemRef ref, const char* notifierType)
{
    return withItem(kItem, "sendNotify", ref, [&](AdmSession&, AdmItem& item) {
        if (!notifierType)
            return TV_ERR_BAD_PARAMETER;
        AdmNotifier notifier{notifierType};
        auto* notifierRef = reinterpret_cast<TvNotifierRef>(&notifier);
        if (item.notify)
            item.notify(ref, notifierRef);
        else
            defaultNotify(ref, notifierRef);
        return TV_ERR_NONE;
    });
}

TvErr getDialog(TvItemRef ref, TvDialogRef* dialog)
{
    return withItem(kItem, "getDialog", ref, [&](AdmSession&, AdmItem& item) {
        if (!dialog)
            return TV_ERR_BAD_PARAMETER;
        *dialog = reinterpret_cast<TvDialogRef>(item.dialog);
        return TV_ERR_NONE;
    });
}

TvErr getID(TvItemRef ref, int32_t* itemId)
{
    return withItem(kItem, "getID", ref, [&](AdmSession&, AdmItem& item) {
        if (!itemId)
            return TV_ERR_BAD_PARAMETER;
        *itemId = item.id;
        return TV_ERR_NONE;
    });
}

TvErr enable(TvItemRef ref, TvBool enabled)
{
    return withItem(kItem, "enable", ref, [&](AdmSession&, AdmItem& item) {
        item.enabled = enabled != 0;
        return TV_ERR_NONE;
    });
}

TvErr setText(TvItemRef ref, const char* text)
{
    return withItem(kItem, "setText", ref, [&](AdmSession&, AdmItem& item) {
        if (!text)
            return TV_ERR_BAD_PARAMETER;
        item.text = text;
        return TV_ERR_NONE;
    });
}

// A popup's value is the position of its selected entry.
void setNumber(AdmItem& item, double value)
{
    if (item.kind != AdmItemKind::Popup) {
        item.setValue(value);
        return;
    }
    const double index = std::trunc(value);
    item.active = index >= 0 && index < static_cast<double>(item.entries.size())
                      ? item.entries[static_cast<size_t>(index)].get()
                      : nullptr;
}

double numberOf(const AdmItem& item)
{
    return item.kind == AdmItemKind::Popup ? item.activeIndex() : item.value;
}

// Integer reads round to the nearest integer and saturate at the limits of
// 32 bits.
int32_t toInt(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = std::round(value);
    if (rounded <= INT32_MIN)
        return INT32_MIN;
    if (rounded >= INT32_MAX)
        return INT32_MAX;
    return static_cast<int32_t>(rounded);
}

TvErr setIntValue(TvItemRef ref, int32_t value)
{
    return withItem(kItem, "setIntValue", ref, [&](AdmSession&, AdmItem& item) {
        setNumber(item, value);
        return TV_ERR_NONE;
    });
}

TvErr getIntValue(TvItemRef ref, int32_t* value)
{
    return withItem(kItem, "getIntValue", ref, [&](AdmSession&, AdmItem& item) {
        if (!value)
            return TV_ERR_BAD_PARAMETER;
        *value = toInt(numberOf(item));
        return TV_ERR_NONE;
    });
}

TvErr setFloatValue(TvItemRef ref, TvReal value)
{
    return withItem(kItem, "setFloatValue", ref, [&](AdmSession&, AdmItem& item) {
        setNumber(item, value);
        return TV_ERR_NONE;
    });
}

TvErr getFloatValue(TvItemRef ref, TvReal* value)
{
    return withItem(kItem, "getFloatValue", ref, [&](AdmSession&, AdmItem& item) {
        if (!value)
            return TV_ERR_BAD_PARAMETER;
        *value = static_cast<TvReal>(numberOf(item));
        return TV_ERR_NONE;
    });
}

TvErr setBooleanValue(TvItemRef ref, TvBool value)
{
    return withItem(kItem, "setBooleanValue", ref, [&](AdmSession&, AdmItem& item) {
        setNumber(item, value != 0 ? 1 : 0);
        return TV_ERR_NONE;
    });
}

TvErr getBooleanValue(TvItemRef ref, TvBool* value)
{
    return withItem(kItem, "getBooleanValue", ref, [&](AdmSession&, AdmItem& item) {
        if (!value)
            return TV_ERR_BAD_PARAMETER;
        *value = numberOf(item) != 0 ? 1 : 0;
        return TV_ERR_NONE;
    });
}

// Setting a limit clamps the current value; a limit past the other one
// moves that one along, so the range is never empty.
TvErr setMinimum(const char* operation, TvItemRef ref, double minimum)
{
    return withItem(kItem, operation, ref, [&](AdmSession&, AdmItem& item) {
        if (std::isnan(minimum))
            return TV_ERR_BAD_PARAMETER;
        item.minimum = minimum;
        item.maximum = std::max(item.maximum, minimum);
        item.setValue(item.value);
        return TV_ERR_NONE;
    });
}

TvErr setMaximum(const char* operation, TvItemRef ref, double maximum)
{
    return withItem(kItem, operation, ref, [&](AdmSession&, AdmItem& item) {
        if (std::isnan(maximum))
            return TV_ERR_BAD_PARAMETER;
        item.maximum = maximum;
        item.minimum = std::min(item.minimum, maximum);
        item.setValue(item.value);
        return TV_ERR_NONE;
    });
}

TvErr setMinIntValue(TvItemRef ref, int32_t v) { return setMinimum("setMinIntValue", ref, v); }
TvErr setMaxIntValue(TvItemRef ref, int32_t v) { return setMaximum("setMaxIntValue", ref, v); }
TvErr setMinFloatValue(TvItemRef ref, TvReal v) { return setMinimum("setMinFloatValue", ref, v); }
TvErr setMaxFloatValue(TvItemRef ref, TvReal v) { return setMaximum("setMaxFloatValue", ref, v); }

TvErr setUnits(TvItemRef ref, int32_t units)
{
    return withItem(kItem, "setUnits", ref, [&](AdmSession&, AdmItem& item) {
        item.units = units;
        return TV_ERR_NONE;
    });
}

TvErr setPrecision(TvItemRef ref, int32_t decimals)
{
    return withItem(kItem, "setPrecision", ref, [&](AdmSession&, AdmItem& item) {
        if (decimals < 0)
            return TV_ERR_BAD_PARAMETER;
        item.precision = decimals;
        return TV_ERR_NONE;
    });
}

TvErr getList(TvItemRef ref, TvListRef* list)
{
    return withItem(kItem, "getList", ref, [&](AdmSession&, AdmItem& item) {
        if (!list)
            return TV_ERR_BAD_PARAMETER;
        *list = item.kind == AdmItemKind::Popup ? reinterpret_cast<TvListRef>(&item) : nullptr;
        return item.kind == AdmItemKind::Popup ? TV_ERR_NONE : TV_ERR_BAD_PARAMETER;
    });
}

TvErr insertEntry(TvListRef ref, int32_t index, TvEntryRef* out)
{
    return withList("insertEntry", ref, [&](AdmSession& session, AdmItem& popup) {
        if (!out || index < 0 || static_cast<size_t>(index) > popup.entries.size())
            return TV_ERR_BAD_PARAMETER;
        auto entry = std::make_unique<AdmEntry>();
        entry->owner = &popup;
        session.noteEntry(*entry);
        *out = entryRef(entry.get());
        popup.entries.insert(popup.entries.begin() + index, std::move(entry));
        return TV_ERR_NONE;
    });
}

TvErr indexEntry(TvListRef ref, int32_t index, TvEntryRef* out)
{
    return withList("indexEntry", ref, [&](AdmSession&, AdmItem& popup) {
        if (!out)
            return TV_ERR_BAD_PARAMETER;
        *out = nullptr;
        if (index < 0 || static_cast<size_t>(index) >= popup.entries.size())
            return TV_ERR_BAD_PARAMETER;
        *out = entryRef(popup.entries[static_cast<size_t>(index)].get());
        return TV_ERR_NONE;
    });
}

TvErr findEntry(TvListRef ref, int32_t entryId, TvEntryRef* out)
{
    return withList("findEntry", ref, [&](AdmSession&, AdmItem& popup) {
        if (!out)
            return TV_ERR_BAD_PARAMETER;
        *out = nullptr;
        for (const auto& entry : popup.entries)
            if (entry->id == entryId) {
                *out = entryRef(entry.get());
                return TV_ERR_NONE;
            }
        return TV_ERR_BAD_PARAMETER;
    });
}

TvErr getActiveEntry(TvListRef ref, TvEntryRef* out)
{
    return withList("getActiveEntry", ref, [&](AdmSession&, AdmItem& popup) {
        if (!out)
            return TV_ERR_BAD_PARAMETER;
        *out = entryRef(popup.active);
        return TV_ERR_NONE;
    });
}

TvErr entrySetText(TvEntryRef ref, const char* text)
{
    return withEntry("setText", ref, [&](AdmEntry& entry) {
        if (!text)
            return TV_ERR_BAD_PARAMETER;
        entry.text = text;
        return TV_ERR_NONE;
    });
}

TvErr entrySetID(TvEntryRef ref, int32_t entryId)
{
    return withEntry("setID", ref, [&](AdmEntry& entry) {
        entry.id = entryId;
        return TV_ERR_NONE;
    });
}

TvErr entryGetID(TvEntryRef ref, int32_t* entryId)
{
    return withEntry("getID", ref, [&](AdmEntry& entry) {
        if (!entryId)
            return TV_ERR_BAD_PARAMETER;
        *entryId = entry.id;
        return TV_ERR_NONE;
    });
}

TvErr entrySelect(TvEntryRef ref, TvBool selected)
{
    return withEntry("select", ref, [&](AdmEntry& entry) {
        if (selected)
            entry.owner->active = &entry;
        else if (entry.owner->active == &entry)
            entry.owner->active = nullptr;
        return TV_ERR_NONE;
    });
}

template <class F>
TvErr withTracker(const char* operation, TvTrackerRef ref, F&& body)
{
    return admCall(kTracker, operation, [&](AdmSession& session) -> TvErr {
        const AdmTracker* tracker = session.liveTracker(ref);
        return tracker ? body(*tracker) : TV_ERR_BAD_PARAMETER;
    });
}

TvErr getPoint(TvTrackerRef ref, TvIntPoint* point)
{
    return withTracker("getPoint", ref, [&](const AdmTracker& tracker) {
        if (!point)
            return TV_ERR_BAD_PARAMETER;
        *point = tracker.point;
        return TV_ERR_NONE;
    });
}

TvErr getModifiers(TvTrackerRef ref, uint32_t* flags)
{
    return withTracker("getModifiers", ref, [&](const AdmTracker& tracker) {
        if (!flags)
            return TV_ERR_BAD_PARAMETER;
        *flags = tracker.modifiers;
        return TV_ERR_NONE;
    });
}

} // namespace

const TvADMItemSuiteV4& admItemSuite()
{
    static constexpr TvADMItemSuiteV4 table{
        setNotifyProc,   setTrackProc,    defaultNotify,  defaultTrack,   sendNotify,     getDialog,
        getID,           enable,          setText,        setIntValue,    getIntValue,    setFloatValue,
        getFloatValue,   setBooleanValue, getBooleanValue, setMinIntValue, setMaxIntValue, setMinFloatValue,
        setMaxFloatValue, setUnits,       setPrecision,   getList};
    return table;
}

const TvADMListSuiteV1& admListSuite()
{
    static constexpr TvADMListSuiteV1 table{insertEntry, indexEntry, findEntry, getActiveEntry};
    return table;
}

const TvADMEntrySuiteV2& admEntrySuite()
{
    static constexpr TvADMEntrySuiteV2 table{entrySetText, entrySetID, entryGetID, entrySelect};
    return table;
}

const TvADMTrackerSuiteV1& admTrackerSuite()
{
    static constexpr TvADMTrackerSuiteV1 table{getPoint, getModifiers};
    return table;
}

const TvADMIconSuiteV1& admIconSuite()
{
    static constexpr TvADMIconSuiteV1 table{nullptr};
    return table;
}

const TvADMNotifierSuiteV1& admNotifierSuite()
{
    static constexpr TvADMNotifierSuiteV1 table{nullptr};
    return table;
}

} // namespace tovrins::host
