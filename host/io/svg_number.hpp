// The shortest decimal spelling of a float that reads back as that float.
#pragma once

#include <charconv>
#include <cmath>
#include <string>

namespace tovrins::host {

inline std::string shortest(float v)
{
    if (!std::isfinite(v))
        v = 0;
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

} // namespace tovrins::host
