#include "app/input_file.hpp"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>

#include "app/app_error.hpp"

namespace tovrins::app {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

[[noreturn]] void refuse(const std::filesystem::path& path, const std::string& why)
{
    throw RunError("cannot read input " + path.string() + ": " + why);
}

std::string byteText(unsigned char byte)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

// Text whose zero bytes are ordinary: UTF-16, or SVG compressed with gzip,
// which the SVG reader inflates.
bool isUtf16OrGzipStart(std::string_view start)
{
    if (start.starts_with("\x1F\x8B"))
        return true;
    if (start.starts_with("\xFE\xFF") || start.starts_with("\xFF\xFE"))
        return true;
    using namespace std::string_view_literals;
    return start.starts_with("<\0"sv) || start.starts_with("\0<"sv);
}

// Throws unless the first bytes can begin a document of the format.
// Returns whether zero bytes are ordinary in it.
bool checkStart(const std::filesystem::path& path, std::string_view start, FileFormat format)
{
    const bool svg = format == FileFormat::Svg;
    if (svg && isUtf16OrGzipStart(start))
        return true;
    if (start.starts_with("\xEF\xBB\xBF"))
        start.remove_prefix(3);
    const auto first = start.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return false; // only white space so far: the reader says what is missing
    const char opening = svg ? '<' : '{';
    if (start[first] != opening)
        refuse(path,
               std::string("it begins with the byte ") + byteText(static_cast<unsigned char>(start[first])) +
                   " where " + (svg ? "an SVG" : "a JSON") + " document begins with '" + opening +
                   "', so it is not one");
    return false;
}

void checkNoZeroByte(const std::filesystem::path& path, std::string_view chunk, std::uintmax_t offset)
{
    if (const auto zero = chunk.find('\0'); zero != std::string_view::npos)
        refuse(path,
               "byte " + std::to_string(offset + zero) +
                   " is a zero byte, which no SVG or JSON text has, so it is not a document");
}

[[noreturn]] void refuseSize(const std::filesystem::path& path, std::string_view size)
{
    refuse(path,
           std::string(size) + ", and inputs are limited to " + std::to_string(kLargestInput) + " bytes (" +
               std::to_string(kLargestInput >> 20) + " MiB), far beyond any drawing the filters are made for");
}

} // namespace

std::string readInputFile(const std::filesystem::path& path, FileFormat format)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        refuse(path, "it is a directory");
    if (std::filesystem::is_regular_file(path, ec)) {
        const std::uintmax_t size = std::filesystem::file_size(path, ec);
        if (!ec && size > kLargestInput)
            refuseSize(path, "it is " + std::to_string(size) + " bytes");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in)
        refuse(path, std::filesystem::exists(path, ec) ? "it cannot be opened" : "no such file");
    std::string text;
    std::array<char, kChunk> chunk;
    bool binary = false;
    while (in) {
        in.read(chunk.data(), chunk.size());
        const auto got = static_cast<std::size_t>(in.gcount());
        if (got == 0)
            break;
        const std::string_view bytes(chunk.data(), got);
        if (text.empty())
            binary = checkStart(path, bytes, format);
        if (!binary)
            checkNoZeroByte(path, bytes, text.size());
        if (text.size() + got > kLargestInput)
            refuseSize(path, "it goes on past " + std::to_string(kLargestInput) + " bytes");
        text.append(bytes);
    }
    if (in.bad())
        refuse(path, "reading failed");
    if (text.empty())
        refuse(path, "it is empty");
    return text;
}

} // namespace tovrins::app
