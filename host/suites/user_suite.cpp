// Numbers to and from length-prefixed text.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "host/suites/core_suites.hpp"
#include "host/host_context.hpp"
#include "sdk/tv_errors.h"

namespace tovrins::host {
namespace {

TvErr realToText(TvReal value, int16_t decimals, unsigned char* text)
{
    if (TvErr err = checkFault(kTvAIUserSuite, "realToText"))
        return err;
    if (!text)
        return TV_ERR_BAD_PARAMETER;
    char buffer[320];
    const int digits = std::clamp<int>(decimals, 0, 20);
    const int n = std::snprintf(buffer, sizeof buffer, "%.*f", digits, static_cast<double>(value));
    const auto length = static_cast<unsigned char>(std::clamp(n, 0, 255));
    text[0] = length;
    std::copy_n(buffer, length, text + 1);
    return 0;
}

TvErr textToReal(const unsigned char* text, TvReal* value)
{
    if (TvErr err = checkFault(kTvAIUserSuite, "textToReal"))
        return err;
    if (!text || !value)
        return TV_ERR_BAD_PARAMETER;
    std::string_view s(reinterpret_cast<const char*>(text + 1), text[0]);
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    float parsed = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), parsed);
    if (s.empty() || ec != std::errc{} || end != s.data() + s.size() || !std::isfinite(parsed))
        return TV_ERR_BAD_PARAMETER;
    *value = parsed;
    return 0;
}

} // namespace

const TvAIUserSuiteV5& userSuite()
{
    static constexpr TvAIUserSuiteV5 table{realToText, textToReal};
    return table;
}

} // namespace tovrins::host
