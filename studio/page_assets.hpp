// The page's files (studio/page), built into the program so that the studio
// serves them without reading any file.
#pragma once

#include <span>
#include <string_view>

namespace tovrins::studio {

struct PageAsset {
    std::string_view path; // "/studio.js"; the page itself is "/index.html"
    std::string_view contentType;
    std::string_view body;
};

std::span<const PageAsset> pageAssets();

} // namespace tovrins::studio
