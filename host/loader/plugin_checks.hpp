// What both platforms' loaders check before they call a plug-in.
#pragma once

#include <filesystem>
#include <string>

#include "host/resources/plugin_resources.hpp"

namespace tovrins::host {

// Throws PluginLoadError: "plug-in PATH: PROBLEM".
[[noreturn]] void refusePlugin(const std::filesystem::path& path, const std::string& problem);

// Checks that the PIPL announces a plug-in of our kind and interface and
// returns the name of the entry point it names.
std::string checkedEntryName(const std::filesystem::path& path, const PluginResources& resources);

} // namespace tovrins::host
