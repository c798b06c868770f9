#include "host/resources/icon_group.hpp"

#include <string>

#include "host/resources/byte_reader.hpp"

namespace tovrins::host {

std::vector<IconImage> readIconGroup(std::span<const std::uint8_t> data, std::int32_t id,
                                     const std::map<std::int32_t, std::span<const std::uint8_t>>& images)
{
    ByteReader in(data, "icon group " + std::to_string(id));
    in.u16(); // reserved
    if (in.u16() != 1)
        in.fail("not an icon directory");
    const std::uint16_t count = in.u16();
    std::vector<IconImage> icons;
    for (std::uint16_t i = 0; i < count; ++i) {
        IconImage icon;
        const std::uint8_t width = in.u8();
        const std::uint8_t height = in.u8();
        icon.width = width == 0 ? 256 : width;
        icon.height = height == 0 ? 256 : height;
        in.u8();  // colour count
        in.u8();  // reserved
        in.u16(); // planes
        icon.bitCount = in.u16();
        const std::uint32_t size = in.u32();
        const std::uint16_t imageId = in.u16();
        const auto found = images.find(imageId);
        if (found == images.end())
            in.fail("icon image " + std::to_string(imageId) + " is missing");
        if (found->second.size() != size) {
            in.fail("icon image " + std::to_string(imageId) + " has " + std::to_string(found->second.size()) +
                    " bytes, the directory says " + std::to_string(size));
        }
        icon.image.assign(found->second.begin(), found->second.end());
        icons.push_back(std::move(icon));
    }
    return icons;
}

} // namespace tovrins::host
