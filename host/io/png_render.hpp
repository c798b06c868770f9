// Renders the visible layers' fills and strokes to a PNG file with cairo.
#pragma once

#include <string>

#include "document_data.hpp"

namespace tovrins::host {

// Writes to a temporary file beside `path` and renames it into place, so a
// failure leaves no half-written output. Throws std::runtime_error.
void writePng(const DocumentData& doc, const std::string& path, double scale = 1.0);

} // namespace tovrins::host
