// The scale section of FilterParams: defaults, presets, random settings and
// the labels of the scale dialog's popup lists.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "shell/host_services.hpp"
#include "shell/filter_params.hpp"

namespace tovrins {

void scaleWriteDefaults(FilterParams& params);
// Preset 0 to 7. The reset writes 2 into both translation modes, the
// defaults, so that presets 3 and 7 move the copies.
void scaleApplyPreset(FilterParams& params, int32_t preset);
void scaleDrawRandomSettings(FilterParams& params, RandomSource& random);

// Labels of a scale popup by item id (30, 33 to 39); empty for other ids.
std::span<const std::string_view> scalePopupLabels(int32_t itemId);

} // namespace tovrins
