// Which dialog item holds which field of FilterParams, per filter, and the
// header words each filter owns.
#pragma once

#include <cstdint>
#include <span>

#include "filter_params.hpp"
#include "tv_sdk.h"

namespace tovrins {

enum class ItemKind { CheckBox, IntegerSpin, RealSpin, Popup };

struct ItemBinding {
    int32_t item;
    ItemKind kind;
    int32_t FilterParams::*integerField = nullptr; // check boxes, integer spins, popups
    float FilterParams::*realField = nullptr;      // real spins
};

// The header words and dialog-only fields of one filter.
struct FilterWords {
    int32_t FilterParams::*previewApplied;
    int32_t FilterParams::*goRun;
    int32_t FilterParams::*preview;
    float FilterParams::*zoom;
    DialogBounds FilterParams::*bounds;
    int32_t FilterParams::*boundsSaved;
};

// Empty / null for a filterKind other than 1, 2 or 3.
std::span<const ItemBinding> itemBindings(int32_t filterKind);
const FilterWords* filterWords(int32_t filterKind);

// The block a builder is given as its dialog's user data: the host's code
// when it cannot be read, TV_ERR_BAD_PARAMETER when there is none.
TvErr dialogParams(TvDialogRef dialog, FilterParams*& params);

// The block of the dialog an item belongs to; null when it cannot be reached.
FilterParams* paramsOfItem(TvItemRef item);
FilterParams* paramsOfDialog(TvDialogRef dialog);

} // namespace tovrins
