// The ADM List, Entry and Tracker suites, and the two reserved ones.
#include "host/adm/adm_suite_support.hpp"

namespace tovrins::host {
namespace {

constexpr const char* kList = kTvADMListSuite;
constexpr const char* kEntry = kTvADMEntrySuite;
constexpr const char* kTracker = kTvADMTrackerSuite;

// A popup's list is the popup item itself.
template <class F> TvErr withList(const char* operation, TvListRef ref, F&& body)
{
    return withItem(kList, operation, reinterpret_cast<TvItemRef>(ref), [&](AdmSession& session, AdmItem& item) {
        return item.kind == AdmItemKind::Popup ? body(session, item) : TV_ERR_BAD_PARAMETER;
    });
}

template <class F> TvErr withEntry(const char* operation, TvEntryRef ref, F&& body)
{
    return admCall(kEntry, operation, [&](AdmSession& session) -> TvErr {
        AdmEntry* entry = session.liveEntry(ref);
        return entry ? body(*entry) : TV_ERR_BAD_PARAMETER;
    });
}

TvEntryRef entryRef(AdmEntry* entry) { return reinterpret_cast<TvEntryRef>(entry); }

TvErr insertEntry(TvListRef ref, int32_t index, TvEntryRef* out)
{
    return withList("insertEntry", ref, [&](AdmSession& session, AdmItem& popup) {
        if (!out || index < 0 || static_cast<size_t>(index) > popup.entries.size())
            return TV_ERR_BAD_PARAMETER;
        auto entry = std::make_unique<AdmEntry>();
        entry->owner = &popup;
        AdmEntry& added = **popup.entries.insert(popup.entries.begin() + index, std::move(entry));
        session.noteEntry(added);
        *out = entryRef(&added);
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

template <class F> TvErr withTracker(const char* operation, TvTrackerRef ref, F&& body)
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
