// The block a dialog edits and a filter's item bindings and header words,
// as the shared dialog procedures reach them.
#pragma once

#include <cstdint>
#include <span>

#include "shell/filter_params.hpp"
#include "shell/filter_record.hpp"
#include "sdk/tv_sdk.h"

namespace tovrins {

// Empty / null for a filterKind no filter has.
std::span<const ItemBinding> itemBindings(int32_t filterKind);
const FilterWords* filterWords(int32_t filterKind);

// The block a builder is given as its dialog's user data: the host's code
// when it cannot be read, TV_ERR_BAD_PARAMETER when there is none.
TvErr dialogParams(TvDialogRef dialog, FilterParams*& params);

// The block of the dialog an item belongs to; null when it cannot be reached.
FilterParams* paramsOfItem(TvItemRef item);
FilterParams* paramsOfDialog(TvDialogRef dialog);

} // namespace tovrins
