// What every document suite function does first.
#pragma once

#include <string_view>

#include "host/document/document.hpp"
#include "host/host_context.hpp"
#include "sdk/tv_errors.h"

namespace tovrins::host {

// Counts the call, then finds the current document. With no document open
// the call is refused as a bad parameter.
inline TvErr enterDocument(std::string_view suite, std::string_view operation, Document*& document)
{
    if (TvErr err = checkFault(suite, operation))
        return err;
    document = hostContext().document;
    return document ? 0 : TV_ERR_BAD_PARAMETER;
}

} // namespace tovrins::host
