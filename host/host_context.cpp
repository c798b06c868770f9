#include "host/host_context.hpp"

#include "host/fault_injector.hpp"

namespace tovrins::host {

HostContext& hostContext()
{
    // The one piece of global state: C suite functions carry no owner.
    static HostContext context;
    return context;
}

TvErr noteRefusal(TvErr code, std::string reason)
{
    if (HostRefusal* refusal = hostContext().refusal)
        *refusal = {code, std::move(reason)};
    return code;
}

TvErr checkFault(std::string_view suite, std::string_view operation)
{
    FaultInjector* faults = hostContext().faults;
    return faults ? faults->onCall(suite, operation) : 0;
}

} // namespace tovrins::host
