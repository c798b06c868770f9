// libFuzzer target: the path-data parser must reject or accept any bytes
// without crashing, and what it accepts must hold only finite coordinates.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string_view>

#include "path_data.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        for (const tovrins::host::Subpath& s : tovrins::host::parsePathData(text))
            for (const tovrins::host::Segment& seg : s.segments)
                for (const TvRealPoint& q : {seg.p, seg.in, seg.out})
                    if (!std::isfinite(q.h) || !std::isfinite(q.v))
                        std::abort();
    } catch (const tovrins::host::PathDataError&) {
    }
    return 0;
}
