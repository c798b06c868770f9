// The services behind the suites, owned in one place and installed into
// hostContext() for as long as the environment lives. The workbench and the
// tests make one; only one should be alive at a time.
#pragma once

#include <memory>

#include "document/document.hpp"
#include "fault_injector.hpp"
#include "host_context.hpp"
#include "memory_pool.hpp"
#include "random_generator.hpp"
#include "suite_registry.hpp"

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
    SuiteRegistry suites; // holds the core suites from the start

private:
    std::unique_ptr<Document> document_;
    HostContext previous_;
};

} // namespace tovrins::host
