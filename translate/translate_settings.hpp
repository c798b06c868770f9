// The translate section of FilterParams: defaults, presets, random settings
// and the labels of the translate dialog's popup lists.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "shell/host_services.hpp"
#include "shell/filter_params.hpp"

namespace tovrins {

void translateWriteDefaults(FilterParams& params);
void translateApplyPreset(FilterParams& params, int32_t preset);
void translateDrawRandomSettings(FilterParams& params, RandomSource& random);

// Labels of a translate popup by item id (33 to 36, 39); empty otherwise.
std::span<const std::string_view> translatePopupLabels(int32_t itemId);

} // namespace tovrins
