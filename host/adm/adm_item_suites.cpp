// The ADM Item suite: values, limits, procedures and notifications.
#include <climits>
#include <cmath>

#include "host/adm/adm_suite_support.hpp"

namespace tovrins::host {
namespace {

constexpr const char* kItem = kTvADMItemSuite;

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

double numberOf(const AdmItem& item) { return item.kind == AdmItemKind::Popup ? item.activeIndex() : item.value; }

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

} // namespace

const TvADMItemSuiteV4& admItemSuite()
{
    static constexpr TvADMItemSuiteV4 table{
        setNotifyProc,  setTrackProc,   defaultNotify,    defaultTrack,     sendNotify,
        getDialog,      getID,          enable,           setText,          setIntValue,
        getIntValue,    setFloatValue,  getFloatValue,    setBooleanValue,  getBooleanValue,
        setMinIntValue, setMaxIntValue, setMinFloatValue, setMaxFloatValue, setUnits,
        setPrecision,   getList};
    return table;
}

} // namespace tovrins::host
