// `tovrins filters` and `tovrins about`: what the plug-in tells the host
// about itself.
#pragma once

#include <filesystem>
#include <ostream>

namespace tovrins::app {

// One line per registered filter: name, category and menu title, tab-separated.
void listFilters(const std::filesystem::path& plugin, std::ostream& out);
// The texts of the About box, one per line, in the order of its items.
void showAbout(const std::filesystem::path& plugin, std::ostream& out);

} // namespace tovrins::app
