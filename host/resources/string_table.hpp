// String tables: each RT_STRING resource is a block of sixteen counted
// UTF-16 strings; block n holds the ids (n - 1) * 16 to (n - 1) * 16 + 15.
#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>

#include "host/resources/byte_reader.hpp"

namespace tovrins::host {

// Adds the non-empty strings of one block to strings. Empty strings are
// absent resources and are not added.
void readStringBlock(std::uint16_t blockId, std::span<const std::uint8_t> data,
                     std::map<std::int32_t, std::string>& strings);

} // namespace tovrins::host
