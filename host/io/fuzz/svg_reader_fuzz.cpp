// libFuzzer target: the whole SVG reader (XML, entities, style sheets,
// colours, lengths, path data, every element) on arbitrary bytes. It must
// refuse with std::runtime_error or read a document, and what it reads must
// write out as SVG that it reads back.
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "host/io/svg_export.hpp"
#include "host/io/svg_import.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> warnings;
    std::string exported;
    try {
        exported = tovrins::host::writeSvg(tovrins::host::readSvg(text, "fuzz.svg", warnings));
    } catch (const std::runtime_error&) {
        return 0;
    }
    try {
        tovrins::host::readSvg(exported, "fuzz-export.svg", warnings);
    } catch (const std::runtime_error&) {
        std::abort(); // the workbench cannot read back what it wrote
    }
    return 0;
}
