// The resources carried in a plug-in file's bytes, whichever platform's file
// it is: a Windows DLL keeps them in its PE resource directory, our Linux
// shared object as a .res image in a section of its own.
#pragma once

#include <cstdint>
#include <span>

#include "host/resources/plugin_resources.hpp"

namespace tovrins::host {

// The name of the ELF section that carries the compiled .res image.
inline constexpr const char* kResourceSection = ".tovrins_res";

// Throws ResourceError naming what is wrong with the file.
PluginResources readImageResources(std::span<const std::uint8_t> file);

} // namespace tovrins::host
