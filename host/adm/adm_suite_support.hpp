// What every ADM suite function does first: count the call for the fault
// injector, find the session, and turn a host-side exception into a code so
// that none crosses into the plug-in.
#pragma once

#include <new>
#include <string_view>

#include "host/adm/adm_session.hpp"
#include "host/host_context.hpp"
#include "sdk/tv_errors.h"

namespace tovrins::host {

template <class F> TvErr admCall(std::string_view suite, std::string_view operation, F&& body) noexcept
{
    try {
        if (const TvErr err = checkFault(suite, operation))
            return err;
        AdmSession* session = hostContext().adm;
        if (!session)
            return TV_ERR_BAD_PARAMETER;
        return body(*session);
    } catch (const std::bad_alloc&) {
        return TV_ERR_MEMORY_FULL;
    } catch (...) {
        return TV_ERR_BAD_PARAMETER;
    }
}

// Runs body with the live item behind ref, or refuses the call.
template <class F> TvErr withItem(const char* suite, const char* operation, TvItemRef ref, F&& body)
{
    return admCall(suite, operation, [&](AdmSession& session) -> TvErr {
        AdmItem* item = session.liveItem(ref);
        return item ? body(session, *item) : TV_ERR_BAD_PARAMETER;
    });
}

} // namespace tovrins::host
