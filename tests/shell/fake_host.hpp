// A scripted stand-in for the host's suites: every call is logged, results
// and failures are set by the test. Only the operations the shell calls
// are filled in; the other tables are all null.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "sdk/tv_sdk.h"

namespace tovrins::test {

struct ModalCall {
    std::string name;
    int32_t dialogId;
    int32_t style;
    TvADMDialogInitProc init;
    void* userData;
};

struct AddedFilter {
    std::string name;
    std::string category; // read back from the length-prefixed text
    std::string title;
    int32_t options;
    TvFilterHandle handle;
};

struct FakeHost {
    // SP Basic Suite.
    std::vector<std::string> acquired; // "name v<version>", in call order
    std::vector<std::string> released;
    std::map<std::string, TvErr> acquireFailures; // by suite name
    std::map<std::string, TvErr> releaseFailures;

    // ADM Basic Suite.
    std::map<std::pair<int32_t, int32_t>, std::string> strings; // (list, index)
    std::vector<std::pair<int32_t, int32_t>> stringReads;       // (index, bufferSize)
    std::set<int32_t> failingStringIndices;
    std::vector<std::string> alerts;

    // ADM Dialog and Item Suites.
    std::vector<ModalCall> modals;
    int32_t modalResult = 1;
    bool runInit = true;              // false skips the dialog's init procedure
    TvErr initResult = 0;             // what the last init returned
    std::function<void()> whileModal; // runs after init, inside the dialog
    std::map<int32_t, std::string> itemTexts;
    std::map<int32_t, TvADMNotifyProc> notifyProcs;
    std::vector<int32_t> defaultNotified;

    // AI MdMemory Suite.
    std::map<TvMemoryHandle, std::vector<std::byte>> memory;
    std::vector<TvMemoryHandle> disposed;
    TvErr newHandleResult = 0;
    bool newHandleGivesNull = false;

    // AI Matching Art and Art Suites.
    std::vector<TvArtHandle> selected;
    std::vector<std::pair<int16_t, int32_t>> requestedTypes; // (type, whichAttr) of the last request
    TvErr matchingResult = 0;
    std::map<TvArtHandle, int16_t> artTypes; // default 2 (path)
    std::map<TvArtHandle, std::vector<TvArtHandle>> children;
    std::map<TvArtHandle, TvErr> boundsFailures;
    std::vector<TvArtHandle> boundsRead;

    // SP Blocks Suite.
    std::vector<std::unique_ptr<std::array<std::byte, 256>>> blocks;
    std::vector<void*> freedBlocks;
    std::vector<std::string> blockNames;

    // AI Filter and Menu Suites.
    std::vector<AddedFilter> filters;
    std::map<std::string, TvErr> addFilterFailures;
    bool addFilterThrows = false;                    // stands for a C++ failure inside a step
    std::vector<std::array<int32_t, 7>> menuUpdates; // action and six masks
    std::vector<TvMenuItemHandle> menuItems;

    // AI Undo Suite.
    int undoCalls = 0;
    TvErr undoResult = 0;

    const TvSPBasicSuite* basic() const;
    TvMemoryHandle newMemory(std::size_t size);
};

// The host the suite functions report to; set by the fixture.
FakeHost& fakeHost();
void installFakeHost(FakeHost* host);

TvArtHandle artHandle(uintptr_t id);

// The label every acquired suite is logged under.
std::string suiteLabel(const char* name, int32_t version);

} // namespace tovrins::test
