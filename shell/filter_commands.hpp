// The two messages the host sends each filter: Get Parameters runs the
// filter's dialog on its parameter block, Go runs the filter's engine.
#pragma once

#include "sdk/tv_sdk.h"
#include "resources/tovrins_ids.h"

namespace tovrins {

inline constexpr int32_t kFilterDialogId = TOVRINS_FILTER_DIALOG;

// Allocates and fills the block on first use, runs the dialog, and on any
// result but OK reverts the document and the block; STOP on cancel.
TvErr filterGetParameters(TvFilterMessage& message);

// Sets the go-run flag and runs the engine; the engine's code.
TvErr filterGo(TvFilterMessage& message);

// After a filter message failed, also one that never got to run: nothing
// of the command may reach a later one, neither the selection list nor the
// mark of an applied preview, which would make the next Go keep copies the
// host has undone. memory is the caller's memory suite, null if it has none.
void abandonFilterCommand(const TvFilterMessage& message, const TvAIMdMemorySuiteV1* memory);

} // namespace tovrins
