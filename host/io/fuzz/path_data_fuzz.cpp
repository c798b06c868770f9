// libFuzzer target: the path-data parser must reject or accept any bytes
// without crashing; what it reads, whole or up to an error, must hold only
// finite coordinates, and the strict parser must throw exactly when the
// partial reader reports an error.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string_view>

#include "host/io/path_data.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const tovrins::host::PartialPathData partial = tovrins::host::readPathData(text);
    for (const tovrins::host::Subpath& s : partial.subpaths)
        for (const tovrins::host::Segment& seg : s.segments)
            for (const TvRealPoint& q : {seg.p, seg.in, seg.out})
                if (!std::isfinite(q.h) || !std::isfinite(q.v))
                    std::abort();
    bool threw = false;
    try {
        tovrins::host::parsePathData(text);
    } catch (const tovrins::host::PathDataError&) {
        threw = true;
    }
    if (threw != !partial.error.empty())
        std::abort();
    return 0;
}
