// The rotate section of FilterParams: defaults, presets, random settings and
// the labels of the rotate dialog's popup lists.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "shell/host_services.hpp"
#include "shell/filter_params.hpp"

namespace tovrins {

// filterKind 1, rotatePreviewApplied 0, rotateBoundsSaved 0 and the section
// defaults; no other word.
void rotateWriteDefaults(FilterParams& params);
// Preset p (0 to 10): reset, then the preset's values. rotateViewZoom keeps
// its value. A p outside 0 to 10 only stores p and resets.
void rotateApplyPreset(FilterParams& params, int32_t preset);
// The "Tumble" settings, drawing from random in the documented order.
void rotateDrawRandomSettings(FilterParams& params, RandomSource& random);

// Labels of a rotate popup by its dialog item id (30 to 36, 39), entry id =
// position; empty for any other id.
std::span<const std::string_view> rotatePopupLabels(int32_t itemId);

} // namespace tovrins
