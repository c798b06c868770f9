// `tovrins studio`: loads the plug-in as `run` does, opens the document and
// serves the workbench to a browser until Ctrl-C.
#pragma once

#include <filesystem>
#include <ostream>

#include "app/command_line.hpp"

namespace tovrins::app {

// Returns the exit code. Throws UsageError or RunError for a document or
// plug-in it cannot open and an address it cannot listen on.
// With no document it opens the example built into the program.
int runStudio(const StudioRequest& request, const std::filesystem::path& plugin, std::ostream& out, std::ostream& err);

} // namespace tovrins::app
