#include "host/resources/pipl.hpp"

#include <algorithm>
#include <string>

#include "host/resources/byte_reader.hpp"

namespace tovrins::host {

const PiplProperty* Pipl::find(std::uint32_t vendor, std::uint32_t key) const
{
    for (const PiplProperty& p : properties) {
        if (p.vendor == vendor && p.key == key)
            return &p;
    }
    return nullptr;
}

Pipl readPipl(std::span<const std::uint8_t> data)
{
    constexpr std::size_t kPropertyHeader = 16;
    ByteReader in(data, "PIPL");
    Pipl pipl;
    pipl.version = in.u16();
    pipl.listVersion = in.u32();
    const std::uint32_t count = in.u32();
    if (count > in.remaining() / kPropertyHeader) {
        in.fail("property count " + std::to_string(count) + " does not fit in the remaining " +
                std::to_string(in.remaining()) + " bytes");
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        PiplProperty p;
        p.vendor = in.u32();
        p.key = in.u32();
        p.id = in.u32();
        const auto bytes = in.take(in.u32());
        p.data.assign(bytes.begin(), bytes.end());
        // Each property's data is padded to a multiple of four bytes.
        const std::size_t pad = (4 - bytes.size() % 4) % 4;
        in.skip(std::min(pad, in.remaining()));
        pipl.properties.push_back(std::move(p));
    }
    if (!in.atEnd())
        in.fail(std::to_string(in.remaining()) + " unexpected bytes after the last property");
    return pipl;
}

} // namespace tovrins::host
