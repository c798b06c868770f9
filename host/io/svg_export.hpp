// Writes the document model as SVG that browsers and Inkscape open.
#pragma once

#include <span>
#include <string>

#include "host/document/document.hpp"
#include "host/document_data.hpp"
#include "host/io/text_output.hpp"

namespace tovrins::host {

std::string writeSvg(const DocumentData& doc);
// The live document's nodes are read in place, without a copy of the
// document; the second form hands the text to drain a chunk at a time.
std::string writeSvg(const Document& doc);
void writeSvg(const Document& doc, const TextDrain& drain);
// `page` (its size, paints and definitions, and one layer) with `art`, top-
// level art of the live document read in place, as that layer's art: a
// part of the document as an image of its own, each node written as
// writeSvg(doc) writes it. `page` holds no art of its own.
std::string writeSvgRun(const Document& doc, const DocumentData& page, std::span<const ArtId> art);

} // namespace tovrins::host
