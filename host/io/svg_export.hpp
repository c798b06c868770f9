// Writes the document model as SVG that browsers and Inkscape open.
#pragma once

#include <string>

#include "host/document_data.hpp"

namespace tovrins::host {

std::string writeSvg(const DocumentData& doc);

} // namespace tovrins::host
