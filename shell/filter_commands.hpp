// The two messages the host sends each filter: Get Parameters runs the
// filter's dialog on its parameter block, Go runs the filter's engine.
#pragma once

#include "tv_sdk.h"

namespace tovrins {

inline constexpr int32_t kFilterDialogId = 16100;

// Allocates and fills the block on first use, runs the dialog, and on any
// result but OK reverts the document and the block; STOP on cancel.
TvErr filterGetParameters(TvFilterMessage& message);

// Sets the go-run flag and runs the engine; the engine's code.
TvErr filterGo(TvFilterMessage& message);

} // namespace tovrins
