#include "view_point.hpp"

#include <sstream>

#include "adm/dialog_front_end.hpp"

namespace tovrins::app {

TvIntPoint pickPixel(const host::Document& document, TvRealPoint artwork)
{
    if (const std::optional<TvIntPoint> pixel = document.artworkToView(artwork))
        return *pixel;
    std::ostringstream message;
    message << "artwork point " << artwork.h << ',' << artwork.v << " is outside the view at zoom "
            << document.view().zoom * 100 << " %";
    throw host::DialogActionError(message.str());
}

} // namespace tovrins::app
