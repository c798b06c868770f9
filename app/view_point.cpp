#include "view_point.hpp"

#include <cmath>

namespace tovrins::app {

TvIntPoint artworkToView(const host::DocumentView& view, TvRealPoint artwork)
{
    const double halfW = view.width / 2.0;
    const double halfH = view.height / 2.0;
    const double h = (artwork.h - view.centre.h) * view.zoom + halfW;
    const double v = halfH - (artwork.v - view.centre.v) * view.zoom;
    return {static_cast<int32_t>(std::lround(h)), static_cast<int32_t>(std::lround(v))};
}

} // namespace tovrins::app
