// Writes the document model as SVG that browsers and Inkscape open.
#pragma once

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

} // namespace tovrins::host
