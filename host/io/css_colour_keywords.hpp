// The CSS colour keywords: the 147 of SVG 1.1 and rebeccapurple.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tovrins::host {

// 0xRRGGBB for a keyword in lower case; nullopt for any other word.
std::optional<uint32_t> cssColourKeyword(std::string_view lowerCaseName);

} // namespace tovrins::host
