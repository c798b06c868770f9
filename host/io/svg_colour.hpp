// SVG paint values: named colours, #rgb, #rrggbb, rgb(), device-cmyk(), none.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tv_types.h"

namespace tovrins::host {

// nullopt for a value we do not understand (the caller warns).
std::optional<TvColor> parseSvgPaint(std::string_view value);

// The SVG spelling of a paint: "none" or "#rrggbb" (process colour converted).
std::string svgPaint(const TvColor& c);
// "device-cmyk(c, m, y, k)" for process colour, empty otherwise; export puts
// it in style="" so that viewers without it keep the #rrggbb attribute.
std::string svgDeviceCmyk(const TvColor& c);

} // namespace tovrins::host
