// Writing an output file completely or not at all: the bytes go to a
// temporary file in the same directory, which is renamed over the target
// only once it is fully written and closed.
#pragma once

#include <filesystem>
#include <string_view>

namespace tovrins::app {

// Throws RunError naming the file; no temporary file is left behind.
void writeFileAtomically(const std::filesystem::path& path, std::string_view content);

} // namespace tovrins::app
