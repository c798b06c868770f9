// The CSS cascade of an SVG document's <style> sheets over its presentation
// attributes and style="" attributes, resolved once after parsing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

namespace tovrins::host {

// Cascades every <style> sheet (type, universal, class, id, attribute,
// descendant, child and sibling selectors, specificity, source order and
// !important) as browsers do: an !important style="" declaration over
// !important sheet rules, over normal style="", over normal sheet rules,
// over presentation attributes. Each element's winning declarations are
// merged into its style="" attribute, so that svg::property() answers the
// cascaded specified value; elements no rule matches are left untouched.
//
// A sheet whose every rule was applied is removed from the tree, unless the
// document has an XInclude (<xi:include>), whose content the sheet styles
// too. A sheet
// with something we cannot apply (@media, @import, pseudo-classes such as
// :hover, another type or media) stays, for renderers that can, after its
// applicable rules were applied; `warnings` gets one sentence per kind, with
// a count, without the file name or a final full stop.
void applyStyleSheets(pugi::xml_document& document, std::vector<std::string>& warnings);

// Whether an SVG property is inherited by default (fill, stroke, font-*,
// visibility, ...) as opposed to applying to its element only (opacity,
// display, clip-path, mask, filter, stop-color, ...).
bool isInheritedProperty(std::string_view name);

} // namespace tovrins::host
