#include "host/resources/byte_reader.hpp"

namespace tovrins::host {

std::uint16_t ByteReader::u16()
{
    const auto b = take(2);
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::uint32_t ByteReader::u32()
{
    const auto b = take(4);
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
        (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

std::span<const std::uint8_t> ByteReader::take(std::size_t count)
{
    if (count > remaining()) {
        fail("truncated: " + std::to_string(count) + " bytes needed, " + std::to_string(remaining()) + " left");
    }
    const auto part = bytes_.subspan(offset_, count);
    offset_ += count;
    return part;
}

void ByteReader::alignTo(std::size_t alignment)
{
    const std::size_t pad = (alignment - offset_ % alignment) % alignment;
    offset_ += pad < remaining() ? pad : remaining();
}

void ByteReader::fail(const std::string& problem) const
{
    throw ResourceError(what_ + " at offset " + std::to_string(offset_) + ": " + problem);
}

} // namespace tovrins::host
