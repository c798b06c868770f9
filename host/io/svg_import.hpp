// Reads an SVG file into the document model.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/document_data.hpp"

namespace tovrins::host {

// Top-level Inkscape layers (<g inkscape:groupmode="layer">) become layers;
// other top-level art gathers in layers of its own between them, and every
// other <g> is a group. Throws std::runtime_error naming fileName and what is
// wrong; appends a sentence to `warnings` for each thing skipped.
DocumentData readSvg(std::string_view text, const std::string& fileName, std::vector<std::string>& warnings);

} // namespace tovrins::host
