// The selected art of the current document, gathered once per command into
// the host-allocated list held in PluginGlobals. Compound-path members are
// emptied (null entries) so that a compound path counts once.
#pragma once

#include <span>

#include "sdk/tv_sdk.h"

namespace tovrins {

// Replaces any held list by a fresh gather; 0 on success. Nothing selected
// leaves no list (count -1). A failure releases the list and returns the
// host's code.
TvErr gatherSelection();
// Disposes the held list, if any, and sets the count to -1.
void releaseSelection();
// The same through a memory suite acquired by the caller, for a message
// whose own acquisition of the suites failed.
void releaseSelection(const TvAIMdMemorySuiteV1* memory);
// True while a list is held (count is not -1).
bool selectionHeld();
// The held entries, null entries included; empty when no list is held.
std::span<TvArtHandle> selectionEntries();
// The same, for a run that must not mistake a list it cannot read for an
// empty selection: the host's code when the list's memory cannot be read.
TvErr readSelection(std::span<TvArtHandle>& entries);
// The first non-null entry, or null.
TvArtHandle firstSelectedArt();
TvArtHandle firstSelectedArt(std::span<const TvArtHandle> entries);

} // namespace tovrins
