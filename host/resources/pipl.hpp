// The plug-in property list that tells the host what a plug-in file is and
// how to enter it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tovrins::host {

// Four-character code with the first character in the most significant byte.
constexpr std::uint32_t fourCharCode(const char (&code)[5])
{
    return (static_cast<std::uint32_t>(static_cast<unsigned char>(code[0])) << 24) |
        (static_cast<std::uint32_t>(static_cast<unsigned char>(code[1])) << 16) |
        (static_cast<std::uint32_t>(static_cast<unsigned char>(code[2])) << 8) |
        static_cast<std::uint32_t>(static_cast<unsigned char>(code[3]));
}

struct PiplProperty {
    std::uint32_t vendor = 0;
    std::uint32_t key = 0;
    std::uint32_t id = 0;
    std::vector<std::uint8_t> data; // without the padding
};

struct Pipl {
    std::uint16_t version = 0;
    std::uint32_t listVersion = 0;
    std::vector<PiplProperty> properties;

    const PiplProperty* find(std::uint32_t vendor, std::uint32_t key) const;
};

// Throws ResourceError on truncated data or trailing bytes.
Pipl readPipl(std::span<const std::uint8_t> data);

} // namespace tovrins::host
