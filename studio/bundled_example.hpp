// The example the studio opens when it is given no document. It is built
// into the program, as the page is, so that a program moved away from its
// build or checkout still opens it.
#pragma once

#include <string_view>

namespace tovrins::studio {

struct BundledExample {
    std::string_view name; // the file name it is shown and saved under
    std::string_view svg;
};

BundledExample bundledExample();

} // namespace tovrins::studio
