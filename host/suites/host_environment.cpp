#include "host/suites/host_environment.hpp"

#include "host/suites/core_suites.hpp"
#include "host/host_context.hpp"

namespace tovrins::host {

HostEnvironment::HostEnvironment(uint64_t seed) : random(seed), previous_(hostContext())
{
    registerCoreSuites(suites);
    HostContext& context = hostContext();
    context.document = nullptr;
    context.faults = &faults;
    context.memory = &memory;
    context.blocks = &blocks;
    context.random = &random;
    context.angles = &angles;
    context.suites = &suites;
}

HostEnvironment::~HostEnvironment() { hostContext() = previous_; }

Document& HostEnvironment::open(const DocumentData& data)
{
    document_ = std::make_unique<Document>(data);
    hostContext().document = document_.get();
    return *document_;
}

void HostEnvironment::close()
{
    hostContext().document = nullptr;
    document_.reset();
}

} // namespace tovrins::host
