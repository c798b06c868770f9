// From an artwork point to the document view's pixel a pick presses.
#pragma once

#include "document/document.hpp"

namespace tovrins::app {

// The view pixel nearest to the artwork point. Throws DialogActionError
// when that pixel lies beyond what a view position holds at the current
// zoom.
TvIntPoint pickPixel(const host::Document& document, TvRealPoint artwork);

} // namespace tovrins::app
