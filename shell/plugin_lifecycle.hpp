// The plug-in's start-up and shutdown: the global record and the
// registration of the three filters.
#pragma once

#include "resources/tovrins_ids.h"
#include "sdk/tv_sdk.h"

namespace tovrins {

inline constexpr int32_t kMenuTextList = TOVRINS_MENU_TEXT_LIST;
// The host reads at most this many bytes of a menu text, zero included.
inline constexpr int32_t kMenuTextLimit = 65;

// Allocates PluginGlobals under "globals" and registers rotate, scale and
// translate; the first failing code ends it. Needs the suites acquired.
TvErr startupPlugin(TvSPMessageData& message);

// Frees PluginGlobals through an SP Blocks Suite acquired for just this, and
// clears the message's globals field; the code of that acquisition.
TvErr shutdownPlugin(TvSPMessageData& message);

} // namespace tovrins
