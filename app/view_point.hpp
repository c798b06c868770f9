// From an artwork point to the document view's pixel a pick presses.
#pragma once

#include "host/document/document.hpp"

namespace tovrins::app {

// The view pixel nearest to the artwork point. Throws DialogActionError,
// naming the artwork the view shows at its current zoom, when that pixel
// is not one of the view's.
TvIntPoint pickPixel(const host::Document& document, TvRealPoint artwork);

} // namespace tovrins::app
