// The host's suite tables are plain C function pointers with no owner
// argument, so the functions reach the workbench through this one context,
// which the Workbench sets while a plug-in runs.
#pragma once

#include <string_view>

#include "tv_types.h"

namespace tovrins::host {

class Document;
class FaultInjector;
class MemoryPool;
class BlockPool;
class RandomGenerator;
class SuiteRegistry;
class AdmSession;
class FilterRegistry;

struct HostContext {
    Document* document = nullptr;   // the current document, null when none is open
    FaultInjector* faults = nullptr;
    // The workbench's own services behind the memory, random and SP Basic
    // suites; null until a workbench installs them.
    MemoryPool* memory = nullptr;
    BlockPool* blocks = nullptr;
    RandomGenerator* random = nullptr;
    SuiteRegistry* suites = nullptr;
    // The dialogs and the registered filters; null until a Workbench runs.
    AdmSession* adm = nullptr;
    FilterRegistry* filters = nullptr;
};

HostContext& hostContext();

// Counts a suite call and returns the injected failure, or 0.
TvErr checkFault(std::string_view suite, std::string_view operation);

} // namespace tovrins::host
