#include "shell/colour_target.hpp"

#include <algorithm>
#include <span>

namespace tovrins {

namespace {

// Which components a mode keeps and which it forces to 0 or 1: for the
// modes 9 to 14 each colour keeps one or two of its own components.
enum class Keep { Zero, One, Same };

void applyPattern(std::span<TvReal> x, std::span<const Keep> pattern)
{
    for (std::size_t c = 0; c < x.size(); ++c) {
        if (pattern[c] == Keep::Zero)
            x[c] = 0.0f;
        if (pattern[c] == Keep::One)
            x[c] = 1.0f;
    }
}

void fill(std::span<TvReal> x, float value) { std::fill(x.begin(), x.end(), value); }

void drawEach(std::span<TvReal> x, RandomSource& random)
{
    for (TvReal& c : x)
        c = random.next();
}

void invert(std::span<TvReal> x)
{
    for (TvReal& c : x)
        c = static_cast<float>(1.0 - c);
}

// Each component becomes S - x with S = max of all plus the last one.
void reflect(std::span<TvReal> x, std::size_t count)
{
    const double s = static_cast<double>(*std::max_element(x.begin(), x.end())) + x.back();
    for (std::size_t c = 0; c < count; ++c)
        x[c] = static_cast<float>(s - x[c]);
}

void applyGray(int32_t mode, TvReal& g, RandomSource& random)
{
    if (mode == 0 || (mode >= 9 && mode <= 11))
        g = 0.0f;
    else if (mode == 1 || (mode >= 12 && mode <= 14))
        g = 1.0f;
    else if (mode == 2)
        g = 0.5f;
    else if (mode == 3 || mode == 4)
        g = random.next();
    else if (mode >= 5 && mode <= 8)
        g = static_cast<float>(1.0 - g);
}

void applyProcess(int32_t mode, std::span<TvReal, 4> cmyk, RandomSource& random)
{
    using enum Keep;
    static constexpr Keep kPatterns[6][4] = {{Same, Zero, Zero, Zero}, {Zero, Same, Zero, Zero},
                                             {Zero, Zero, Same, Zero}, {Same, One, One, Same},
                                             {One, Same, One, Same},   {One, One, Same, Same}};
    const std::span<TvReal> cmy = cmyk.first<3>();
    switch (mode) {
    case 0: fill(cmyk, 0.0f); break;
    case 1: fill(cmyk, 1.0f); break;
    case 2: fill(cmyk, 0.5f); break;
    case 3: drawEach(cmyk, random); break;
    case 4:
        drawEach(cmy, random);
        cmyk[3] = 0.0f;
        break;
    case 5: invert(cmyk); break;
    case 6:
        invert(cmy);
        cmyk[3] = 0.0f;
        break;
    case 7: reflect(cmyk, 4); break;
    case 8: reflect(cmyk, 3); break;
    default: applyPattern(cmyk, kPatterns[mode - 9]); break;
    }
}

void applyRgb(int32_t mode, std::span<TvReal, 3> rgb, RandomSource& random)
{
    using enum Keep;
    static constexpr Keep kPatterns[6][3] = {{Same, Zero, Zero}, {Zero, Same, Zero}, {Zero, Zero, Same},
                                             {Same, One, One},   {One, Same, One},   {One, One, Same}};
    switch (mode) {
    case 0: fill(rgb, 0.0f); break;
    case 1: fill(rgb, 1.0f); break;
    case 2: fill(rgb, 0.5f); break;
    case 3:
    case 4: drawEach(rgb, random); break;
    case 5:
    case 6: invert(rgb); break;
    case 7:
    case 8: reflect(rgb, 3); break;
    default: applyPattern(rgb, kPatterns[mode - 9]); break;
    }
}

} // namespace

void applyInterpolateTarget(int32_t mode, const TvColor& reference, TvColor& target, RandomSource& random)
{
    if (mode < 0 || mode > 14)
        return;
    const std::span<TvReal, 4> components{target.components};
    switch (reference.kind) {
    case TV_COLOR_GRAY: applyGray(mode, components[0], random); break;
    case TV_COLOR_PROCESS: applyProcess(mode, components, random); break;
    case TV_COLOR_RGB: applyRgb(mode, components.first<3>(), random); break;
    default: break;
    }
}

} // namespace tovrins
