// What the SVG importer keeps of text and images, which it does not take
// apart: their content, their source XML and their untransformed bounds.
#pragma once

#include <string>

#include <pugixml.hpp>

#include "host/document_data.hpp"
#include "sdk/tv_types.h"

namespace tovrins::host::svg {

// The text of an element and all its descendants, in document order.
std::string allText(const pugi::xml_node& n);

// The element as XML without its id and transform attributes (export
// writes them first), with `extra` attributes set: each replaces the
// property of that name the element had, as attribute or in style="".
std::string sourceForArt(const pugi::xml_node& n, const std::vector<Attribute>& extra);

// `element` (XML as sourceForArt writes it) with `values` set on it: the
// value of each attribute its start tag has replaced, the others added at
// the end of the start tag. Values are written escaped.
std::string withAttributes(std::string_view element, const std::vector<Attribute>& values);

// Bounds in the element's own space with y negated (y up), for a line of
// `characters` characters on the baseline at SVG (x, y): estimated, since
// fonts are not measured, as 0.8 em up, 0.2 em down, 0.6 em per character.
TvRealRect textBox(double x, double y, double fontSize, size_t characters);

// Bounds of an image at SVG (x, y), w by h, in the same space.
TvRealRect imageBox(double x, double y, double w, double h);

// Characters of UTF-8 text: bytes that do not continue a sequence.
size_t utf8Length(const std::string& text);

} // namespace tovrins::host::svg
