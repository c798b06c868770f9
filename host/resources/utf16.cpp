#include "host/resources/utf16.hpp"

#include <cstdint>

namespace tovrins::host {
namespace {

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool isHigh(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool isLow(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

} // namespace

std::string utf8FromUtf16(std::u16string_view text)
{
    constexpr char32_t replacement = 0xFFFD;
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t u = text[i];
        if (isHigh(u) && i + 1 < text.size() && isLow(text[i + 1])) {
            appendUtf8(out,
                       0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) +
                           (static_cast<char32_t>(text[i + 1]) - 0xDC00));
            ++i;
        } else if (isHigh(u) || isLow(u)) {
            appendUtf8(out, replacement); // unpaired surrogate
        } else {
            appendUtf8(out, u);
        }
    }
    return out;
}

std::u16string readZeroTerminatedUtf16(ByteReader& in)
{
    std::u16string text;
    for (char16_t u = in.u16(); u != 0; u = in.u16())
        text += u;
    return text;
}

NameOrOrdinal readNameOrOrdinal(ByteReader& in)
{
    NameOrOrdinal result;
    const std::uint16_t first = in.u16();
    if (first == 0xFFFF) {
        result.isOrdinal = true;
        result.ordinal = in.u16();
        return result;
    }
    if (first == 0)
        return result;
    std::u16string text(1, static_cast<char16_t>(first));
    text += readZeroTerminatedUtf16(in);
    result.name = utf8FromUtf16(text);
    return result;
}

} // namespace tovrins::host
