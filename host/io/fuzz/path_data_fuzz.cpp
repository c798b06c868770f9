// libFuzzer target: the path-data parser must reject or accept any bytes
// without crashing, and what it accepts must hold only finite coordinates.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "path_data.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        for (const tovrins::host::Subpath& s : tovrins::host::parsePathData(text))
            for (const tovrins::host::Segment& seg : s.segments)
                if (!std::isfinite(seg.p.h) || !std::isfinite(seg.p.v) || !std::isfinite(seg.in.h) ||
                    !std::isfinite(seg.out.v))
                    std::abort();
    } catch (const tovrins::host::PathDataError&) {
    }
    return 0;
}
