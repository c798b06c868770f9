// The scale section of FilterParams: defaults, presets, random settings and
// the labels of the scale dialog's popup lists.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "shell/host_services.hpp"
#include "shell/filter_params.hpp"

namespace tovrins {

// The section's values that its defaults (writeDefaults) and every preset
// start from: all but the zoom and the preset.
void scaleResetSection(FilterParams& params);
// Stores preset, resets the section (the zoom keeps its value), then writes
// the preset's own values; a value outside the presets only resets.
void scaleApplyPreset(FilterParams& params, int32_t preset);
// The "Tumble" settings, drawing from random in the filter's own order.
void scaleDrawRandomSettings(FilterParams& params, RandomSource& random);

// The labels of the scale dialog's popup with this item id, an entry's id
// being its position; empty for an item that is not one of its popups.
std::span<const std::string_view> scalePopupLabels(int32_t itemId);

} // namespace tovrins
