// From artwork coordinates to the document view's pixels.
#pragma once

#include "document/document.hpp"

namespace tovrins::app {

// The pixel of the view that shows an artwork point: the inverse of
// Document::viewToArtwork, rounded to the nearest pixel.
TvIntPoint artworkToView(const host::DocumentView& view, TvRealPoint artwork);

} // namespace tovrins::app
