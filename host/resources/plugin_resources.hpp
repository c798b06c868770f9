// Everything the workbench reads from a plug-in's compiled resources.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "host/resources/byte_reader.hpp"
#include "host/resources/dialog_template.hpp"
#include "host/resources/icon_group.hpp"
#include "host/resources/pipl.hpp"
#include "host/resources/res_file.hpp"

namespace tovrins::host {

struct PluginResources {
    std::map<std::int32_t, std::string> strings;
    std::map<std::int32_t, DialogTemplate> dialogs;
    std::map<std::int32_t, std::vector<IconImage>> icons; // by icon group id
    std::vector<std::uint8_t> piplBytes;                  // raw, as stored
    std::optional<Pipl> pipl;                             // absent when the data has none
};

// Reads a .res image. Resources with string names (other than the PIPL
// type) are ignored. Throws ResourceError describing what is wrong.
PluginResources readResources(std::span<const std::uint8_t> resData);

// The same from resources however they were found (a .res image, a PE
// file's resource directory, a loaded Windows module). Copies what it keeps.
PluginResources collectResources(std::span<const RawResource> raw);

} // namespace tovrins::host
