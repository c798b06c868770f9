// Just enough of ELF64 to find a named section and list exported symbols.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tovrins::host {

// Throws ResourceError when the bytes are not a well-formed little-endian
// ELF64 file; returns nothing when there is no section of that name.
std::optional<std::span<const std::uint8_t>> findElfSection(std::span<const std::uint8_t> file, std::string_view name);

// Global and weak symbols that the file defines in its dynamic symbol table.
std::vector<std::string> definedDynamicSymbols(std::span<const std::uint8_t> file);

} // namespace tovrins::host
