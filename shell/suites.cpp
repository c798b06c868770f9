#include "shell/suites.hpp"

#include <array>
#include <bitset>
#include <cstdio>

namespace tovrins {

namespace {

constexpr std::size_t kSuiteCount = 26;

// Every member of Suites is a pointer to a const C struct, so each shares the
// representation of const void*; the table stores them in that one type.
template <typename T> const void* Suites::*slot(const T* Suites::*member)
{
    return reinterpret_cast<const void * Suites::*>(member);
}

struct SuiteState {
    uint16_t nesting = 0;
    std::bitset<kSuiteCount> acquired; // rows the outermost acquisition holds
};

SuiteState& state()
{
    static SuiteState s;
    return s;
}

const void*& pointerOf(const SuiteEntry& row) { return suites().*row.pointer; }

void showLoadingError(TvErr code, const SuiteEntry& row)
{
    std::array<char, 256> text{};
    std::snprintf(text.data(), text.size(), "Suite Loading Error: %d, suite: %s, version: %d!", static_cast<int>(code),
                  row.name, static_cast<int>(row.version));
    suites().admBasic->errorAlert(text.data());
}

} // namespace

std::span<const SuiteEntry> suiteTable()
{
    static const std::array<SuiteEntry, kSuiteCount> table{{
        {kTvSPBlocksSuite, kTvSPBlocksSuiteVersion, slot(&Suites::blocks)},
        {kTvSPAccessSuite, kTvSPAccessSuiteVersion, slot(&Suites::access)},
        {kTvAIMdMemorySuite, kTvAIMdMemorySuiteVersion, slot(&Suites::memory)},
        {kTvAIRealMathSuite, kTvAIRealMathSuiteVersion, slot(&Suites::math)},
        {kTvAIArtSuite, kTvAIArtSuiteVersion, slot(&Suites::art)},
        {kTvAIUserSuite, kTvAIUserSuiteVersion, slot(&Suites::user)},
        {kTvAIDocumentSuite, kTvAIDocumentSuiteVersion, slot(&Suites::document)},
        {kTvAIDocumentViewSuite, kTvAIDocumentViewSuiteVersion, slot(&Suites::view)},
        {kTvAIUndoSuite, kTvAIUndoSuiteVersion, slot(&Suites::undo)},
        {kTvAIMatchingArtSuite, kTvAIMatchingArtSuiteVersion, slot(&Suites::matching)},
        {kTvAIPathSuite, kTvAIPathSuiteVersion, slot(&Suites::path)},
        {kTvAIPathStyleSuite, kTvAIPathStyleSuiteVersion, slot(&Suites::pathStyle)},
        {kTvAIRandomSuite, kTvAIRandomSuiteVersion, slot(&Suites::random)},
        {kTvAIMatchingArtSuite, kTvAIMatchingArtSuiteVersion, slot(&Suites::matchingSecond)},
        {kTvAITransformArtSuite, kTvAITransformArtSuiteVersion, slot(&Suites::transform)},
        {kTvAILayerSuite, kTvAILayerSuiteVersion, slot(&Suites::layer)},
        {kTvAIMenuSuite, kTvAIMenuSuiteVersion, slot(&Suites::menu)},
        {kTvAIFilterSuite, kTvAIFilterSuiteVersion, slot(&Suites::filter)},
        {kTvADMBasicSuite, kTvADMBasicSuiteVersion, slot(&Suites::admBasic)},
        {kTvADMDialogSuite, kTvADMDialogSuiteVersion, slot(&Suites::dialog)},
        {kTvADMItemSuite, kTvADMItemSuiteVersion, slot(&Suites::item)},
        {kTvADMIconSuite, kTvADMIconSuiteVersion, slot(&Suites::icon)},
        {kTvADMNotifierSuite, kTvADMNotifierSuiteVersion, slot(&Suites::notifier)},
        {kTvADMListSuite, kTvADMListSuiteVersion, slot(&Suites::list)},
        {kTvADMEntrySuite, kTvADMEntrySuiteVersion, slot(&Suites::entry)},
        {kTvADMTrackerSuite, kTvADMTrackerSuiteVersion, slot(&Suites::tracker)},
    }};
    return table;
}

Suites& suites()
{
    static Suites current;
    return current;
}

TvErr acquireSuites(const TvSPBasicSuite* basic)
{
    SuiteState& s = state();
    if (s.nesting != 0) {
        ++s.nesting;
        return TV_ERR_NONE;
    }
    // Nothing from an earlier acquisition (say one cut short by a reload)
    // may pass for held, least of all the ADM Basic Suite of the alert.
    s.acquired.reset();
    suites() = Suites{};
    TvErr result = basic ? TV_ERR_NONE : TV_ERR_BAD_PARAMETER;
    const auto table = suiteTable();
    for (std::size_t i = 0; basic && i < table.size(); ++i) {
        const void*& pointer = pointerOf(table[i]);
        result = basic->acquireSuite(table[i].name, table[i].version, &pointer);
        if (result != TV_ERR_NONE) {
            pointer = nullptr;
            if (suites().admBasic)
                showLoadingError(result, table[i]);
            break;
        }
        s.acquired.set(i);
    }
    // Counted even after a failure: the caller always releases once.
    ++s.nesting;
    return result;
}

TvErr releaseSuites(const TvSPBasicSuite* basic)
{
    SuiteState& s = state();
    TvErr first = TV_ERR_NONE;
    if (s.nesting == 1) {
        // Every acquired row is released, whatever an earlier release
        // answered; rows that were never acquired are left alone.
        const auto table = suiteTable();
        for (std::size_t i = 0; i < table.size(); ++i) {
            if (!s.acquired.test(i))
                continue;
            const TvErr code = basic ? basic->releaseSuite(table[i].name, table[i].version) : TV_ERR_BAD_PARAMETER;
            if (code != TV_ERR_NONE && first == TV_ERR_NONE)
                first = code;
            pointerOf(table[i]) = nullptr;
        }
        s.acquired.reset();
    }
    // Never below 0: an unbalanced release must not make the next call
    // believe an outer one holds the suites.
    if (s.nesting != 0)
        --s.nesting;
    return first;
}

void resetSuiteNesting() { state().nesting = 0; }

} // namespace tovrins
