// The selected art of the current document, gathered once per command into
// the host-allocated list held in PluginGlobals. Compound-path members are
// emptied (null entries) so that a compound path counts once.
#pragma once

#include <span>

#include "tv_sdk.h"

namespace tovrins {

// Replaces any held list by a fresh gather; 0 on success. Nothing selected
// leaves no list (count -1). A failure releases the list and returns the
// host's code.
TvErr gatherSelection();
// Disposes the held list, if any, and sets the count to -1.
void releaseSelection();
// True while a list is held (count is not -1).
bool selectionHeld();
// The held entries, null entries included; empty when no list is held.
std::span<TvArtHandle> selectionEntries();
// The first non-null entry, or null.
TvArtHandle firstSelectedArt();

} // namespace tovrins
