// libFuzzer entry: the PE resource directory reader, and the resource reader
// behind it, must turn any input into a result or a ResourceError.
#include <cstddef>
#include <cstdint>
#include <span>

#include "pe_image.hpp"
#include "plugin_resources.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        tovrins::host::collectResources(tovrins::host::readPeResources(std::span<const std::uint8_t>(data, size)));
    } catch (const tovrins::host::ResourceError&) {
    }
    return 0;
}
