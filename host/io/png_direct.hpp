// Drawing a document straight from its nodes with cairo, without making its
// SVG text and having librsvg read it back: for documents of plain paths
// (solid fill and stroke, opacity, fill rule, joins, caps, dashes), which it
// draws as librsvg draws our SVG export of them. Anything else (gradients,
// patterns, text, images, instances, style sheets, clips, filters...) is
// left to librsvg.
#pragma once

#include <cairo.h>

#include "host/document/document.hpp"
#include "host/document_data.hpp"

namespace tovrins::host {

// Whether drawDirectly draws every piece of the document's visible art as
// librsvg draws its SVG export. The one place that decides it.
bool drawsDirectly(const Document& doc);
bool drawsDirectly(const DocumentData& doc);

// Draws the visible layers' art onto `cr` (its target has the page's
// origin at its top left), `scale` pixels a point, clipped to the page.
// Only for a document drawsDirectly accepts.
void drawDirectly(cairo_t* cr, const Document& doc, double scale);
void drawDirectly(cairo_t* cr, const DocumentData& doc, double scale);

} // namespace tovrins::host
