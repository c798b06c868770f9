// What is selected when the command starts. Art is named by its id: the id
// attribute of the SVG element it was read from, which JSON documents keep
// too. "all" selects all art on layers that are visible and unlocked, as the
// host's Select All does.
#pragma once

#include "app/command_line.hpp"
#include "host/document_data.hpp"

namespace tovrins::app {

// Clears every selection mark and sets the requested ones; selecting a
// group or compound path selects everything inside it. Throws UsageError
// naming the ids that no art has.
void applySelection(host::DocumentData& document, const SelectionRequest& request, const std::string& fileName);

} // namespace tovrins::app
