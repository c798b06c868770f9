#include "host/io/svg_viewbox.hpp"

#include <algorithm>
#include <optional>
#include <sstream>
#include <string>

namespace tovrins::host::svg {

namespace {

struct AspectRatio {
    bool none = false;
    double alignX = 0.5, alignY = 0.5; // 0 min, 0.5 mid, 1 max
    bool slice = false;
};

std::optional<double> alignment(std::string_view word)
{
    if (word == "Min")
        return 0.0;
    if (word == "Mid")
        return 0.5;
    if (word == "Max")
        return 1.0;
    return std::nullopt;
}

std::optional<AspectRatio> readAspectRatio(std::string_view text)
{
    std::istringstream words{std::string(text)};
    std::string align, fit, extra;
    words >> align;
    if (align == "defer") // only for images: on a viewBox it is skipped
        words >> align;
    words >> fit >> extra;
    AspectRatio out;
    if (!extra.empty() || !(fit.empty() || fit == "meet" || fit == "slice"))
        return std::nullopt;
    out.slice = fit == "slice";
    if (align == "none") {
        out.none = true;
        return out;
    }
    if (align.empty())
        return out;
    if (align.size() != 8 || align[0] != 'x' || align[4] != 'Y')
        return std::nullopt;
    const auto x = alignment(std::string_view(align).substr(1, 3));
    const auto y = alignment(std::string_view(align).substr(5, 3));
    if (!x || !y)
        return std::nullopt;
    out.alignX = *x;
    out.alignY = *y;
    return out;
}

} // namespace

TvRealMatrix viewBoxMatrix(const std::array<double, 4>& box, double width, double height,
                           std::string_view preserveAspectRatio)
{
    const AspectRatio ratio = readAspectRatio(preserveAspectRatio).value_or(AspectRatio{});
    double sx = width / box[2], sy = height / box[3];
    if (!ratio.none)
        sx = sy = ratio.slice ? std::max(sx, sy) : std::min(sx, sy);
    const double tx = (width - box[2] * sx) * ratio.alignX - box[0] * sx;
    const double ty = (height - box[3] * sy) * ratio.alignY - box[1] * sy;
    return {static_cast<float>(sx), 0, 0, static_cast<float>(sy), static_cast<float>(tx), static_cast<float>(ty)};
}

} // namespace tovrins::host::svg
