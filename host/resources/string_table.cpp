#include "host/resources/string_table.hpp"

#include "host/resources/utf16.hpp"

namespace tovrins::host {

void readStringBlock(std::uint16_t blockId, std::span<const std::uint8_t> data,
                     std::map<std::int32_t, std::string>& strings)
{
    if (blockId == 0)
        throw ResourceError("string block id 0 is not valid");
    ByteReader in(data, "string block " + std::to_string(blockId));
    const std::int32_t firstId = (static_cast<std::int32_t>(blockId) - 1) * 16;
    for (std::int32_t i = 0; i < 16; ++i) {
        const std::uint16_t length = in.u16();
        std::u16string text;
        text.reserve(length);
        for (std::uint16_t c = 0; c < length; ++c)
            text += static_cast<char16_t>(in.u16());
        if (!text.empty())
            strings[firstId + i] = utf8FromUtf16(text);
    }
}

} // namespace tovrins::host
