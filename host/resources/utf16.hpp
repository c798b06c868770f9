// Resource texts are UTF-16LE; the workbench works in UTF-8.
#pragma once

#include <string>
#include <string_view>

#include "host/resources/byte_reader.hpp"

namespace tovrins::host {

std::string utf8FromUtf16(std::u16string_view text);

// Reads UTF-16 units up to (and consuming) a terminating zero.
std::u16string readZeroTerminatedUtf16(ByteReader& in);

// A resource type or name, or a dialog's class/title field: either a 16-bit
// ordinal or a string.
struct NameOrOrdinal {
    bool isOrdinal = false;
    std::uint16_t ordinal = 0;
    std::string name;
};

// Field that starts with 0xFFFF for an ordinal; otherwise a string.
NameOrOrdinal readNameOrOrdinal(ByteReader& in);

} // namespace tovrins::host
