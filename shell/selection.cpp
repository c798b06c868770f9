#include "shell/selection.hpp"

#include <algorithm>
#include <array>
#include <unordered_set>

#include "shell/plugin_globals.hpp"
#include "shell/suites.hpp"

namespace tovrins {

namespace {

constexpr TvMatchingArtSpec spec(int16_t type) { return TvMatchingArtSpec{type, 0, TV_ART_SELECTED, TV_ART_SELECTED}; }

constexpr std::array<TvMatchingArtSpec, 8> kSelectedArt{
    spec(TV_ART_COMPOUND_PATH), spec(TV_ART_PATH),   spec(8), spec(13),
    spec(TV_ART_TEXT),          spec(TV_ART_PLACED), spec(9), spec(11),
};

// Adds every child of a compound path to members.
TvErr collectChildren(TvArtHandle compound, std::unordered_set<TvArtHandle>& members)
{
    const TvAIArtSuiteV9& art = *suites().art;
    TvArtHandle child = nullptr;
    TvErr code = art.getArtFirstChild(compound, &child);
    while (code == TV_ERR_NONE && child) {
        members.insert(child);
        code = art.getArtSibling(child, &child);
    }
    return code;
}

// Empties the entries that are members of a selected compound path so that
// the compound path counts once. The members go into a hash set instead of
// a rescan of the whole list per member: an entry met after its compound
// path is emptied before it is looked at, and a final pass empties the
// members met before their compound path, which gives the same list as the
// rescan in linear time.
TvErr removeCompoundMembers(std::span<TvArtHandle> entries)
{
    std::unordered_set<TvArtHandle> members;
    for (TvArtHandle& entry : entries) {
        if (!entry)
            continue;
        if (members.contains(entry)) {
            entry = nullptr;
            continue;
        }
        TvRealRect bounds{};
        if (const TvErr code = suites().art->getArtBounds(entry, &bounds); code != TV_ERR_NONE)
            return code;
        int16_t type = 0;
        if (const TvErr code = suites().art->getArtType(entry, &type); code != TV_ERR_NONE)
            return code;
        if (type == TV_ART_COMPOUND_PATH) {
            if (const TvErr code = collectChildren(entry, members); code != TV_ERR_NONE)
                return code;
        }
    }
    for (TvArtHandle& entry : entries)
        if (entry && members.contains(entry))
            entry = nullptr;
    return TV_ERR_NONE;
}

std::span<TvArtHandle> entriesOf(TvMemoryHandle list, int32_t count, TvErr& code)
{
    void* pointer = nullptr;
    code = suites().memory->getPointer(list, &pointer);
    if (code != TV_ERR_NONE || !pointer)
        return {};
    return {static_cast<TvArtHandle*>(pointer), static_cast<std::size_t>(count)};
}

} // namespace

TvErr gatherSelection()
{
    PluginGlobals* globals = pluginGlobals();
    if (!globals || !suites().matching || !suites().memory || !suites().art)
        return TV_ERR_BAD_PARAMETER;
    // A list left from an earlier run would otherwise leak.
    releaseSelection();

    globals->selectionList = nullptr;
    TvErr code = suites().matching->getMatchingArt(kSelectedArt.data(), static_cast<int16_t>(kSelectedArt.size()),
                                                   &globals->selectionList, &globals->selectionCount);
    if (code != TV_ERR_NONE) {
        releaseSelection();
        return code;
    }
    if (globals->selectionCount == 0) {
        releaseSelection();
        return TV_ERR_NONE;
    }
    if (globals->selectionCount < 0)
        return TV_ERR_NONE;

    const auto entries = entriesOf(globals->selectionList, globals->selectionCount, code);
    if (code == TV_ERR_NONE)
        code = removeCompoundMembers(entries);
    if (code != TV_ERR_NONE)
        releaseSelection();
    return code;
}

void releaseSelection() { releaseSelection(suites().memory); }

void releaseSelection(const TvAIMdMemorySuiteV1* memory)
{
    PluginGlobals* globals = pluginGlobals();
    if (!globals)
        return;
    if (globals->selectionList) {
        if (memory)
            memory->disposeHandle(globals->selectionList);
        globals->selectionList = nullptr;
    }
    globals->selectionCount = -1;
}

bool selectionHeld()
{
    const PluginGlobals* globals = pluginGlobals();
    return globals && globals->selectionCount != -1;
}

std::span<TvArtHandle> selectionEntries()
{
    const PluginGlobals* globals = pluginGlobals();
    if (!selectionHeld() || !globals->selectionList || globals->selectionCount <= 0 || !suites().memory)
        return {};
    TvErr code = TV_ERR_NONE;
    return entriesOf(globals->selectionList, globals->selectionCount, code);
}

TvErr readSelection(std::span<TvArtHandle>& entries)
{
    entries = {};
    const PluginGlobals* globals = pluginGlobals();
    if (!selectionHeld() || !globals->selectionList || globals->selectionCount <= 0)
        return TV_ERR_NONE;
    if (!suites().memory)
        return TV_ERR_BAD_PARAMETER;
    TvErr code = TV_ERR_NONE;
    entries = entriesOf(globals->selectionList, globals->selectionCount, code);
    if (code == TV_ERR_NONE && entries.empty())
        code = TV_ERR_BAD_PARAMETER; // a held list without memory
    return code;
}

TvArtHandle firstSelectedArt() { return firstSelectedArt(selectionEntries()); }

TvArtHandle firstSelectedArt(std::span<const TvArtHandle> entries)
{
    const auto found = std::find_if(entries.begin(), entries.end(), [](TvArtHandle art) { return art != nullptr; });
    return found == entries.end() ? nullptr : *found;
}

} // namespace tovrins
