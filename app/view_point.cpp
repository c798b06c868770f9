#include "app/view_point.hpp"

#include <sstream>

#include "host/adm/dialog_front_end.hpp"

namespace tovrins::app {

// A user can only click what the view shows: a point off its pixels is
// refused whether it is just past the edge or beyond any position a pixel
// can hold, and the message says what the view does show.
TvIntPoint pickPixel(const host::Document& document, TvRealPoint artwork)
{
    const host::DocumentView& view = document.view();
    if (const std::optional<TvIntPoint> pixel = document.artworkToView(artwork))
        if (pixel->h >= 0 && pixel->h < view.width && pixel->v >= 0 && pixel->v < view.height)
            return *pixel;
    const TvRealPoint topLeft = document.viewToArtwork({0, 0});
    const TvRealPoint bottomRight = document.viewToArtwork({view.width - 1, view.height - 1});
    std::ostringstream message;
    message << "artwork point " << artwork.h << ',' << artwork.v << " is outside the view, which shows x from "
            << topLeft.h << " to " << bottomRight.h << " and y from " << bottomRight.v << " to " << topLeft.v
            << " at zoom " << view.zoom * 100 << " %";
    throw host::DialogActionError(message.str());
}

} // namespace tovrins::app
