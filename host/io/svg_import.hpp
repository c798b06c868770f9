// Reads an SVG file into the document model.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document_data.hpp"

namespace tovrins::host {

// Throws std::runtime_error naming fileName and what is wrong; appends a
// sentence to `warnings` for each thing skipped.
DocumentData readSvg(std::string_view text, const std::string& fileName, std::vector<std::string>& warnings);

} // namespace tovrins::host
