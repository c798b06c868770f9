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
// writes them first), with `extra` attributes added.
std::string sourceForArt(const pugi::xml_node& n, const std::vector<Attribute>& extra);

// Bounds in the element's own space with y negated (y up), for a line of
// `characters` characters on the baseline at SVG (x, y): estimated, since
// fonts are not measured, as 0.8 em up, 0.2 em down, 0.6 em per character.
TvRealRect textBox(double x, double y, double fontSize, size_t characters);

// Bounds of an image at SVG (x, y), w by h, in the same space.
TvRealRect imageBox(double x, double y, double w, double h);

// Characters of UTF-8 text: bytes that do not continue a sequence.
size_t utf8Length(const std::string& text);

} // namespace tovrins::host::svg
