// The document model as JSON ("tovrins-document", version 1); the format is
// described in docs/json.md.
#pragma once

#include <string>
#include <string_view>

#include "host/document_data.hpp"

namespace tovrins::host {

std::string writeJson(const DocumentData& doc);

// Throws std::runtime_error naming fileName and the field at fault.
DocumentData readJson(std::string_view text, const std::string& fileName);

} // namespace tovrins::host
