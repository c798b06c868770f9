// Colours as CSS writes them, and SVG paint values.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "sdk/tv_types.h"

namespace tovrins::host {

// A CSS colour value. `colour` is RGB, or process colour for device-cmyk();
// `currentColor` marks the keyword, whose colour the caller resolves.
struct CssColour {
    TvColor colour{TV_COLOR_RGB, {0, 0, 0, 0}};
    float alpha = 1;
    bool currentColor = false;
};

// Every colour keyword, transparent, currentColor, #RGB, #RGBA, #RRGGBB,
// #RRGGBBAA, rgb()/rgba(), hsl()/hsla() (comma and space syntaxes, "/ alpha")
// and device-cmyk(); nullopt for anything else.
std::optional<CssColour> parseCssColour(std::string_view text);

// A paint without its alpha: none, or a colour. A colour that is fully
// transparent is none; currentColor and anything malformed give nullopt (the
// caller resolves the first and warns about the second).
std::optional<TvColor> parseSvgPaint(std::string_view value);

// The bytes a solid paint is written with, 0 to 255 a channel (process
// colour converted as for viewers that ignore device-cmyk()); nullopt for
// none and every other kind. What the file says is what is drawn.
struct ColourBytes {
    int red = 0, green = 0, blue = 0;
};
std::optional<ColourBytes> paintBytes(const TvColor& c);

// The SVG spelling of a paint: "none" or "#rrggbb" (paintBytes).
std::string svgPaint(const TvColor& c);
// "device-cmyk(c, m, y, k)" for process colour, empty otherwise; export puts
// it in style="" so that viewers without it keep the #rrggbb attribute.
std::string svgDeviceCmyk(const TvColor& c);

} // namespace tovrins::host
