#include "host/resources/res_file.hpp"

#include <string>

namespace tovrins::host {
namespace {

constexpr std::size_t kMinHeaderSize = 32;

bool isEmptyMarker(const RawResource& r)
{
    return r.data.empty() && r.type.isOrdinal && r.type.ordinal == 0 && r.name.isOrdinal && r.name.ordinal == 0;
}

} // namespace

std::vector<RawResource> parseResFile(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty())
        throw ResourceError("resource data is empty");
    ByteReader in(bytes, "resource file");
    std::vector<RawResource> resources;
    while (!in.atEnd()) {
        const std::size_t start = in.offset();
        const std::uint32_t dataSize = in.u32();
        const std::uint32_t headerSize = in.u32();
        if (headerSize < kMinHeaderSize) {
            in.fail("resource header size " + std::to_string(headerSize) + " is below the minimum of 32");
        }
        if (headerSize - 8 > in.remaining()) {
            in.fail("resource header of " + std::to_string(headerSize) + " bytes runs past the end");
        }
        ByteReader header(in.take(headerSize - 8), "resource header at offset " + std::to_string(start));
        RawResource r;
        r.type = readNameOrOrdinal(header);
        r.name = readNameOrOrdinal(header);
        header.alignTo(4);
        header.u32(); // data version
        header.u16(); // memory flags
        r.language = header.u16();
        header.u32(); // version
        header.u32(); // characteristics
        if (dataSize > in.remaining()) {
            in.fail("resource data of " + std::to_string(dataSize) + " bytes runs past the end (" +
                    std::to_string(in.remaining()) + " left)");
        }
        r.data = in.take(dataSize);
        in.alignTo(4);
        if (!isEmptyMarker(r))
            resources.push_back(std::move(r));
    }
    return resources;
}

} // namespace tovrins::host
