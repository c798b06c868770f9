// libFuzzer entry: the resource reader and the ELF section finder must turn
// any input into a result or a ResourceError.
#include <cstddef>
#include <cstdint>
#include <span>

#include "elf_image.hpp"
#include "plugin_resources.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    try {
        tovrins::host::readResources(bytes);
    } catch (const tovrins::host::ResourceError&) {
    }
    try {
        tovrins::host::findElfSection(bytes, ".tovrins_res");
        tovrins::host::definedDynamicSymbols(bytes);
    } catch (const tovrins::host::ResourceError&) {
    }
    return 0;
}
