// `tovrins run`: loads the document, starts the workbench with the plug-in,
// selects, runs the filter's command with the scripted dialog, repeats it,
// and writes the outputs.
#pragma once

#include <filesystem>
#include <ostream>

#include "app/command_line.hpp"

namespace tovrins::app {

// Prints the seed used to out and the readers' warnings to err. Throws
// UsageError or RunError; no output is written when the run fails.
void runFilterCommand(const RunRequest& request, const std::filesystem::path& plugin, std::ostream& out,
                      std::ostream& err);

} // namespace tovrins::app
