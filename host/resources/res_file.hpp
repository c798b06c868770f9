// The records of a 32-bit Windows .res file, as windres writes them.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "host/resources/utf16.hpp"

namespace tovrins::host {

struct RawResource {
    NameOrOrdinal type;
    NameOrOrdinal name;
    std::uint16_t language = 0;
    std::span<const std::uint8_t> data; // points into the parsed bytes
};

// Throws ResourceError for truncated or inconsistent records. The empty
// record that opens every 32-bit .res file is dropped.
std::vector<RawResource> parseResFile(std::span<const std::uint8_t> bytes);

} // namespace tovrins::host
