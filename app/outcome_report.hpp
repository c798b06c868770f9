// Sentences for what went wrong in a filter command: the plug-in's error
// dialog, a dialog that refused an action, a command that did not finish.
#pragma once

#include <string>
#include <string_view>

#include "host/adm/adm_session.hpp"
#include "host/host_context.hpp"
#include "sdk/tv_sdk.h"

namespace tovrins::app {

// A host error code as the user sees it: a signed number when its upper 16
// bits are all zero or all one, otherwise its four characters.
std::string errorCodeText(TvErr code);

// The host's own account of a refused call, its reason and code; for a
// coordinate overflow led by what it means: "its copies would leave the
// range of coordinates (transforming art 'star' would ...; code !rng)".
std::string describeRefusal(const host::HostRefusal& refusal);

// "the rotate filter reported an error: <message> (code <code>)", from the
// message (item 2) and code (item 3) the error dialog showed.
std::string describeErrorDialog(std::string_view filter, const host::ShownDialog& dialog);

} // namespace tovrins::app
