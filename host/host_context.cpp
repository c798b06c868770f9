#include "host/host_context.hpp"

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

} // namespace tovrins::host
