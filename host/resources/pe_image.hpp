// Just enough of the PE format (32- and 64-bit Windows DLLs) to read the
// resource directory of its .rsrc data: every resource as the .res reader
// gives it, without loading the file.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "host/resources/res_file.hpp"

namespace tovrins::host {

// Whether the bytes start like a PE file: an MZ header.
bool looksLikePeImage(std::span<const std::uint8_t> file);

// The resources of a PE file, each with its type, name, language and data
// (pointing into `file`), in directory order. An image without a resource
// directory has none. Throws ResourceError for anything malformed: every
// header, directory, entry and data block is checked against the file.
std::vector<RawResource> readPeResources(std::span<const std::uint8_t> file);

} // namespace tovrins::host
