// The services behind the suites, owned in one place and installed into
// hostContext() for as long as the environment lives. The workbench and the
// tests make one; only one should be alive at a time.
#pragma once

#include <memory>

#include "host/document/document.hpp"
#include "host/fault_injector.hpp"
#include "host/host_context.hpp"
#include "host/suites/angle_memo.hpp"
#include "host/suites/memory_pool.hpp"
#include "host/suites/random_generator.hpp"
#include "host/suites/suite_registry.hpp"

namespace tovrins::host {

class HostEnvironment {
public:
    explicit HostEnvironment(uint64_t seed = 0);
    ~HostEnvironment();
    HostEnvironment(const HostEnvironment&) = delete;
    HostEnvironment& operator=(const HostEnvironment&) = delete;

    // Replaces the open document.
    Document& open(const DocumentData& data);
    void close();
    Document* document() { return document_.get(); }

    FaultInjector faults;
    MemoryPool memory;
    BlockPool blocks;
    RandomGenerator random;
    AngleMemo angles;
    SuiteRegistry suites; // holds the core suites from the start

private:
    std::unique_ptr<Document> document_;
    HostContext previous_;
};

} // namespace tovrins::host
