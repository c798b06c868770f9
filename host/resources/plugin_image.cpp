#include "host/resources/plugin_image.hpp"

#include <string>

#include "host/resources/elf_image.hpp"
#include "host/resources/pe_image.hpp"

namespace tovrins::host {

PluginResources readImageResources(std::span<const std::uint8_t> file)
{
    if (looksLikePeImage(file))
        return collectResources(readPeResources(file));
    const auto section = findElfSection(file, kResourceSection);
    if (!section)
        throw ResourceError(std::string("has no ") + kResourceSection + " resource section");
    return readResources(*section);
}

} // namespace tovrins::host
