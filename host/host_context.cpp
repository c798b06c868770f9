#include "host_context.hpp"

#include "fault_injector.hpp"

namespace tovrins::host {

HostContext& hostContext()
{
    // The one piece of global state: C suite functions carry no owner.
    static HostContext context;
    return context;
}

TvErr checkFault(std::string_view suite, std::string_view operation)
{
    FaultInjector* faults = hostContext().faults;
    return faults ? faults->onCall(suite, operation) : 0;
}

} // namespace tovrins::host
