#include "host/suites/style_blend.hpp"

#include <algorithm>

namespace tovrins::host {
namespace {

bool isPlain(int32_t kind) { return kind == TV_COLOR_GRAY || kind == TV_COLOR_PROCESS || kind == TV_COLOR_RGB; }

int componentCount(int32_t kind)
{
    switch (kind) {
    case TV_COLOR_GRAY: return 1;
    case TV_COLOR_RGB: return 3;
    case TV_COLOR_PROCESS: return 4;
    default: return 0;
    }
}

struct Rgb {
    TvReal r, g, b;
};

Rgb toRgb(const TvColor& c)
{
    const TvReal* v = c.components;
    switch (c.kind) {
    case TV_COLOR_GRAY: return {v[0], v[0], v[0]};
    case TV_COLOR_PROCESS: return {(1 - v[0]) * (1 - v[3]), (1 - v[1]) * (1 - v[3]), (1 - v[2]) * (1 - v[3])};
    default: return {v[0], v[1], v[2]};
    }
}

} // namespace

TvColor convertColor(const TvColor& colour, int32_t kind)
{
    if (colour.kind == kind || !isPlain(colour.kind) || !isPlain(kind))
        return colour;
    TvColor out{kind, {0, 0, 0, 0}};
    const TvReal* v = colour.components;
    if (kind == TV_COLOR_GRAY) {
        // Gray from ink coverage for process colour, from luminance for RGB.
        if (colour.kind == TV_COLOR_PROCESS)
            out.components[0] = 1 - std::min<TvReal>(1, 0.30f * v[0] + 0.59f * v[1] + 0.11f * v[2] + v[3]);
        else
            out.components[0] = 0.30f * v[0] + 0.59f * v[1] + 0.11f * v[2];
        return out;
    }
    const Rgb rgb = toRgb(colour);
    if (kind == TV_COLOR_RGB) {
        out.components[0] = rgb.r;
        out.components[1] = rgb.g;
        out.components[2] = rgb.b;
        return out;
    }
    // Process colour: all of the shared darkness goes to black.
    const TvReal k = 1 - std::max({rgb.r, rgb.g, rgb.b});
    out.components[3] = k;
    if (k < 1) {
        out.components[0] = (1 - rgb.r - k) / (1 - k);
        out.components[1] = (1 - rgb.g - k) / (1 - k);
        out.components[2] = (1 - rgb.b - k) / (1 - k);
    }
    return out;
}

namespace {

TvColor blend(const TvColor& first, const TvColor& second, TvReal t)
{
    if (!isPlain(first.kind) || !isPlain(second.kind))
        return first;
    const TvColor other = convertColor(second, first.kind);
    TvColor out = first;
    for (int i = 0; i < componentCount(first.kind); ++i)
        out.components[i] = first.components[i] * t + other.components[i] * (1 - t);
    return out;
}

} // namespace

TvPathStyle interpolateStyles(const TvPathStyle& first, const TvPathStyle& second, TvReal t)
{
    TvPathStyle out = first;
    out.fill = blend(first.fill, second.fill, t);
    out.stroke = blend(first.stroke, second.stroke, t);
    out.strokeWidth = first.strokeWidth * t + second.strokeWidth * (1 - t);
    out.opacity = first.opacity * t + second.opacity * (1 - t);
    return out;
}

} // namespace tovrins::host
