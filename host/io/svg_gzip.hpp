// Compressed SVG files (.svgz): gzip around the XML.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tovrins::host {

// What a compressed file may grow to. Real drawings compress to a tenth or
// so and stay far below; a "zip bomb" (a few kilobytes that inflate to
// gigabytes) stops here instead of filling the memory.
constexpr size_t kMaxInflatedSvg = size_t{256} << 20;

// The inflated bytes when `bytes` start with the gzip signature, nullopt
// otherwise. Throws std::runtime_error for damaged data or more than `limit`
// bytes, with a sentence without the file name or a final full stop.
std::optional<std::string> gunzipped(std::string_view bytes, size_t limit = kMaxInflatedSvg);

} // namespace tovrins::host
