#include "host/io/svg_text_encoding.hpp"
#include "host/io/svg_gzip.hpp"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace tovrins::host {

namespace {

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xc0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3f));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xe0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    } else {
        out += static_cast<char>(0xf0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3f));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    }
}

std::string fromUtf16(std::string_view b, bool bigEndian)
{
    if (b.size() % 2 != 0)
        throw std::runtime_error("is not valid UTF-16: it has an odd number of bytes");
    auto unit = [&](size_t i) -> char32_t {
        const auto hi = static_cast<unsigned char>(b[i + (bigEndian ? 0 : 1)]);
        const auto lo = static_cast<unsigned char>(b[i + (bigEndian ? 1 : 0)]);
        return static_cast<char32_t>(hi << 8 | lo);
    };
    std::string out;
    out.reserve(b.size());
    for (size_t i = 0; i < b.size(); i += 2) {
        char32_t c = unit(i);
        if (c >= 0xd800 && c < 0xdc00 && i + 2 < b.size() && unit(i + 2) >= 0xdc00 && unit(i + 2) < 0xe000) {
            c = 0x10000 + ((c - 0xd800) << 10) + (unit(i + 2) - 0xdc00);
            i += 2;
        } else if (c >= 0xd800 && c < 0xe000) {
            throw std::runtime_error("is not valid UTF-16: it has a broken surrogate pair at byte " +
                                     std::to_string(i));
        }
        appendUtf8(out, c);
    }
    return out;
}

// The encoding="" of the XML declaration, in lower case; empty without one.
std::string declaredEncoding(std::string_view text)
{
    if (!text.starts_with("<?xml"))
        return {};
    const std::string_view decl = text.substr(0, text.find("?>"));
    const size_t at = decl.find("encoding");
    if (at == std::string_view::npos)
        return {};
    const size_t open = decl.find_first_of("\"'", at);
    if (open == std::string_view::npos)
        return {};
    const size_t close = decl.find(decl[open], open + 1);
    std::string name(decl.substr(open + 1, close == std::string_view::npos ? 0 : close - open - 1));
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    return name;
}

bool isLatin1Name(std::string_view n)
{
    return n == "iso-8859-1" || n == "iso8859-1" || n == "iso_8859-1" || n == "latin1" || n == "latin-1" || n == "l1";
}

bool isWindows1252Name(std::string_view n) { return n == "windows-1252" || n == "cp1252" || n == "x-cp1252"; }

// Windows-1252 is Latin-1 but for 0x80 to 0x9f, which hold printable
// characters (€, quotes, dashes); its five unassigned codes read as the C1
// controls Latin-1 has there, as browsers read them.
constexpr char16_t kWindows1252High[32] = {0x20ac, 0x0081, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021,
                                           0x02c6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008d, 0x017d, 0x008f,
                                           0x0090, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022, 0x2013, 0x2014,
                                           0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0x009d, 0x017e, 0x0178};

std::string fromSingleByte(std::string_view b, bool windows1252)
{
    std::string out;
    out.reserve(b.size() + b.size() / 8);
    for (char c : b) {
        const auto u = static_cast<unsigned char>(c);
        appendUtf8(out, windows1252 && u >= 0x80 && u < 0xa0 ? kWindows1252High[u - 0x80] : u);
    }
    return out;
}

std::string decoded(std::string_view b)
{
    auto startsWith = [&](std::initializer_list<unsigned char> bytes) {
        return b.size() >= bytes.size() &&
            std::equal(bytes.begin(), bytes.end(), b.begin(),
                       [](unsigned char x, char y) { return x == static_cast<unsigned char>(y); });
    };
    if (startsWith({0xef, 0xbb, 0xbf}))
        return std::string(b.substr(3));
    if (startsWith({0xff, 0xfe, 0, 0}) || startsWith({0, 0, 0xfe, 0xff}))
        throw std::runtime_error("is in UTF-32, an encoding the workbench does not read (save it as UTF-8)");
    if (startsWith({0xff, 0xfe}))
        return fromUtf16(b.substr(2), false);
    if (startsWith({0xfe, 0xff}))
        return fromUtf16(b.substr(2), true);
    if (startsWith({'<', 0}))
        return fromUtf16(b, false);
    if (startsWith({0, '<'}))
        return fromUtf16(b, true);
    const std::string encoding = declaredEncoding(b);
    const bool ascii = std::all_of(b.begin(), b.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    // A file labelled UTF-16 without 16-bit bytes was saved as 8 bits by a
    // program that copied the label; read it as UTF-8, as browsers do.
    if (encoding.empty() || encoding == "utf-8" || encoding == "utf8" || encoding == "utf-16" || ascii ||
        encoding == "us-ascii" || encoding == "ascii")
        return std::string(b);
    if (isLatin1Name(encoding) || isWindows1252Name(encoding))
        return fromSingleByte(b, isWindows1252Name(encoding));
    throw std::runtime_error("is in the encoding \"" + encoding +
                             "\", which the workbench does not read (save it as UTF-8)");
}

} // namespace

// Inflated once: a gzip file holding gzip (even one holding itself) is
// then refused as not XML rather than unpacked without end.
std::string xmlTextAsUtf8(std::string_view bytes)
{
    if (const auto inflated = gunzipped(bytes))
        return decoded(*inflated);
    return decoded(bytes);
}

} // namespace tovrins::host
