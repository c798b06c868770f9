#include "host/io/svg_gzip.hpp"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <stdexcept>

#include <zlib.h>

namespace tovrins::host {

std::optional<std::string> gunzipped(std::string_view bytes, size_t limit)
{
    if (bytes.size() < 2 || static_cast<unsigned char>(bytes[0]) != 0x1f ||
        static_cast<unsigned char>(bytes[1]) != 0x8b)
        return std::nullopt;
    z_stream z{};
    // 16 + MAX_WBITS: a gzip header, not a zlib one.
    if (inflateInit2(&z, 16 + MAX_WBITS) != Z_OK)
        throw std::runtime_error("is compressed, and the decompressor could not start");
    const std::unique_ptr<z_stream, int (*)(z_streamp)> end(&z, inflateEnd);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    z.avail_in = static_cast<uInt>(std::min<size_t>(bytes.size(), UINT32_MAX));
    std::string out;
    char chunk[64 * 1024];
    int status = Z_OK;
    while (status != Z_STREAM_END) {
        z.next_out = reinterpret_cast<Bytef*>(chunk);
        z.avail_out = sizeof chunk;
        status = inflate(&z, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END)
            throw std::runtime_error("is compressed, but its gzip data is damaged or cut short");
        out.append(chunk, sizeof chunk - z.avail_out);
        if (out.size() > limit)
            throw std::runtime_error("is compressed and inflates to more than " + std::to_string(limit >> 20) +
                                     " MiB, more than a drawing holds");
    }
    return out;
}

} // namespace tovrins::host
