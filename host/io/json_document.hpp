// The document model as JSON ("tovrins-document", version 1); the format is
// described in docs/json.md.
#pragma once

#include <string>
#include <string_view>

#include "host/document/document.hpp"
#include "host/document_data.hpp"
#include "host/io/text_output.hpp"

namespace tovrins::host {

std::string writeJson(const DocumentData& doc);
// The live document's nodes are read in place, without a copy of the
// document; the second form hands the text to drain a chunk at a time.
std::string writeJson(const Document& doc);
void writeJson(const Document& doc, const TextDrain& drain);

// Throws std::runtime_error naming fileName and the field at fault.
DocumentData readJson(std::string_view text, const std::string& fileName);

} // namespace tovrins::host
