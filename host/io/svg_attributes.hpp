// Reading SVG attribute values: lengths with units, number lists, and the
// properties an element sets by attribute or in its style="".
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

namespace tovrins::host::svg {

std::string_view trim(std::string_view s);

// Element names without an "svg:" prefix.
std::string_view localName(const pugi::xml_node& n);

// A number with an optional absolute unit, in user units at 96 per inch as
// browsers read them (px 1, pt 4/3, pc 16, in 96, cm 96/2.54, mm 96/25.4,
// Q 96/101.6); nullopt when malformed, and for em, ex and %, which need the
// context below.
std::optional<double> length(std::string_view text);

// What the relative units refer to: the font size of the element (em; ex is
// half of it) and the size of the nearest viewport (%), in user units.
struct LengthContext {
    double fontSize = 16;
    double viewportWidth = 0;
    double viewportHeight = 0;
};

// Which size a percentage takes: x and widths the viewport width, y and
// heights its height, anything else (a radius, stroke-width) the diagonal
// sqrt((w² + h²) / 2).
enum class LengthAxis { Horizontal, Vertical, Diagonal };

// A length with any unit; nullopt when malformed, and for a percentage when
// the context's viewport has no size.
std::optional<double> length(std::string_view text, const LengthContext& context, LengthAxis axis);

// An opacity: a number or a percentage, clamped to 0..1.
std::optional<double> opacityValue(std::string_view text);

// Numbers separated by spaces or commas; `ok` is false when a malformed or
// too large number ended the list early.
std::vector<double> numberList(std::string_view text, bool& ok);

// The declarations of a style="" attribute, without "!important".
std::map<std::string, std::string> styleDeclarations(std::string_view style);

// A property from style="" or, failing that, the presentation attribute.
std::optional<std::string> property(const pugi::xml_node& n, const char* name);

} // namespace tovrins::host::svg
