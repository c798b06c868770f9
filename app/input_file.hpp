// Reading an input document's bytes: whole, but given up as soon as the
// first bytes show that the file cannot be one (a device of zeros or random
// bytes is refused after a few bytes, not gigabytes), and refused beyond a
// size limit.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "app/document_files.hpp"

namespace tovrins::app {

// An input is read whole, and parsed into a tree several times its size;
// 256 MiB is far beyond any drawing the filters are made for and keeps a
// run within a few gigabytes of memory.
inline constexpr std::uintmax_t kLargestInput = std::uintmax_t{256} << 20;

// The file's bytes. Throws RunError naming the file for one that cannot be
// read, that is larger than kLargestInput, or that does not begin as an SVG
// (with '<', after any byte-order mark and white space; UTF-16 text and
// gzip-compressed SVG are left to the reader) or JSON document (with '{')
// does, or that holds a zero byte, which neither format's UTF-8 text has.
std::string readInputFile(const std::filesystem::path& path, FileFormat format);

} // namespace tovrins::app
