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

// Coordinates past this are refused, as in path data: floats still hold them.
constexpr double kMaxSvgCoordinate = 1.0e30;

std::string_view trim(std::string_view s);

// Element names without an "svg:" prefix.
std::string_view localName(const pugi::xml_node& n);

// A number with an optional unit, in points; nullopt when malformed.
std::optional<double> length(std::string_view text);

// Numbers separated by spaces or commas; `ok` is false when a malformed or
// too large number ended the list early.
std::vector<double> numberList(std::string_view text, bool& ok);

// The declarations of a style="" attribute.
std::map<std::string, std::string> styleDeclarations(std::string_view style);

// A property from style="" or, failing that, the presentation attribute.
std::optional<std::string> property(const pugi::xml_node& n, const char* name);

} // namespace tovrins::host::svg
