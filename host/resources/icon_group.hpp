// Icons: an RT_GROUP_ICON directory naming RT_ICON images by id.
#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <vector>

namespace tovrins::host {

struct IconImage {
    std::uint16_t width = 0; // a stored 0 means 256
    std::uint16_t height = 0;
    std::uint16_t bitCount = 0;
    std::vector<std::uint8_t> image; // the BITMAPINFOHEADER-based image
};

// Resolves the group's entries against the RT_ICON images; throws
// ResourceError on malformed data or a missing image.
std::vector<IconImage> readIconGroup(std::span<const std::uint8_t> data, std::int32_t id,
                                     const std::map<std::int32_t, std::span<const std::uint8_t>>& images);

} // namespace tovrins::host
