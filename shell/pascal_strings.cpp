#include "shell/pascal_strings.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "shell/suites.hpp"

namespace tovrins {

namespace {

unsigned char* bytes(std::span<char> text) { return reinterpret_cast<unsigned char*>(text.data()); }

} // namespace

std::size_t cStringLength(std::span<const char> text)
{
    const auto zero = std::find(text.begin(), text.end(), '\0');
    return static_cast<std::size_t>(zero - text.begin());
}

bool cToPascal(std::span<char> buffer)
{
    const std::size_t length = cStringLength(buffer);
    if (length == buffer.size() || length > kMaxPascalLength)
        return false;
    std::memmove(buffer.data() + 1, buffer.data(), length);
    bytes(buffer)[0] = static_cast<unsigned char>(length);
    return true;
}

void pascalToC(std::span<char> buffer)
{
    if (buffer.empty())
        return;
    const std::size_t length = std::min<std::size_t>(bytes(buffer)[0], buffer.size() - 1);
    std::memmove(buffer.data(), buffer.data() + 1, length);
    buffer[length] = '\0';
}

TvErr fourCharCodeFromPascal(std::span<const char> text)
{
    const auto* data = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t length = text.empty() ? 0 : std::min<std::size_t>(data[0], text.size() - 1);
    uint32_t code = 0;
    for (std::size_t i = 1; i <= 4; ++i)
        code = (code << 8) | (i <= length ? data[i] : 0u);
    return static_cast<TvErr>(code);
}

void fourCharCodeToPascal(TvErr code, std::span<char> text)
{
    const auto value = static_cast<uint32_t>(code);
    unsigned char* out = bytes(text);
    out[0] = 4;
    for (int i = 0; i < 4; ++i)
        out[1 + i] = static_cast<unsigned char>(value >> (8 * (3 - i)));
}

TvErr numberToText(TvErr code, std::span<char> text)
{
    if (!suites().user || text.size() < 256)
        return TV_ERR_BAD_PARAMETER;
    text[0] = '\0';
    const TvErr result = suites().user->realToText(static_cast<TvReal>(code), 0, bytes(text));
    if (result != TV_ERR_NONE)
        return result;
    pascalToC(text);
    return TV_ERR_NONE;
}

TvErr textToNumber(std::span<char> text, int16_t& value)
{
    if (!suites().user)
        return TV_ERR_BAD_PARAMETER;
    if (!cToPascal(text))
        return TV_ERR_BAD_PARAMETER;
    TvReal real = 0;
    const TvErr result = suites().user->textToReal(bytes(text), &real);
    if (result != TV_ERR_NONE)
        return result;
    if (!std::isfinite(real))
        return TV_ERR_BAD_PARAMETER;
    // Clamped first so that the conversion itself is defined; the 16-bit
    // wrap that follows is what the table's keys rely on.
    const auto whole = static_cast<int32_t>(std::clamp(real, -2147483520.0f, 2147483520.0f));
    value = static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint32_t>(whole) & 0xFFFFu));
    return TV_ERR_NONE;
}

} // namespace tovrins
