// The host's suite tables are plain C function pointers with no owner
// argument, so the functions reach the workbench through this one context,
// which the Workbench sets while a plug-in runs.
#pragma once

#include <string>
#include <string_view>

#include "host/fault_injector.hpp"
#include "sdk/tv_types.h"

namespace tovrins::host {

class Document;
class MemoryPool;
class BlockPool;
class RandomGenerator;
class AngleMemo;
class SuiteRegistry;
class AdmSession;
class FilterRegistry;

// Why the host refused a suite call, in words, for a failure its code alone
// cannot explain; the workbench hands it to the command's outcome.
struct HostRefusal {
    TvErr code = 0;
    std::string reason; // "transforming art 'star' would carry it ..."
};

struct HostContext {
    Document* document = nullptr; // the current document, null when none is open
    FaultInjector* faults = nullptr;
    // The workbench's own services behind the memory, random and SP Basic
    // suites; null until a workbench installs them.
    MemoryPool* memory = nullptr;
    BlockPool* blocks = nullptr;
    RandomGenerator* random = nullptr;
    AngleMemo* angles = nullptr; // null: every angle is worked out afresh
    SuiteRegistry* suites = nullptr;
    // The dialogs and the registered filters; null until a Workbench runs.
    AdmSession* adm = nullptr;
    FilterRegistry* filters = nullptr;
    // Where refusals are noted; null when no one listens.
    HostRefusal* refusal = nullptr;
};

HostContext& hostContext();

// Notes why a call is refused with code; returns code.
TvErr noteRefusal(TvErr code, std::string reason);

// Counts a suite call and returns the injected failure, or 0.
inline TvErr checkFault(std::string_view suite, std::string_view operation)
{
    FaultInjector* faults = hostContext().faults;
    return faults ? faults->onCall(suite, operation) : 0;
}

} // namespace tovrins::host
