// The inherited SVG properties our export keeps as attributes on paths and
// groups (fill rule, paint opacities, joins, caps, miter limit, dashes,
// visibility, shape rendering, paint order), read as librsvg reads them, for
// drawing the document straight with cairo.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include <cairo.h>

#include "host/document_data.hpp"

namespace tovrins::host {

// SVG's initial values, which an element's attributes override and its
// children inherit.
struct InheritedLook {
    cairo_fill_rule_t fillRule = CAIRO_FILL_RULE_WINDING;
    double fillOpacity = 1;
    double strokeOpacity = 1;
    cairo_line_join_t lineJoin = CAIRO_LINE_JOIN_MITER;
    cairo_line_cap_t lineCap = CAIRO_LINE_CAP_BUTT;
    double miterLimit = 4;
    std::vector<double> dashes; // in the stroked element's user units; empty: solid
    double dashOffset = 0;
    bool visible = true;
    cairo_antialias_t antialias = CAIRO_ANTIALIAS_DEFAULT; // shape-rendering
    bool strokeFirst = false;                              // paint-order
};

// `inherited` with the element's kept attributes applied; none when one of
// them is something the direct drawing does not model (a clip, a filter, a
// marker, a unit or keyword it does not read...), so that the document goes
// to librsvg instead. Attributes of other namespaces (inkscape:label...)
// draw nothing and are passed over.
std::optional<InheritedLook> withKeptAttributes(const InheritedLook& inherited, std::span<const Attribute> kept);

} // namespace tovrins::host
