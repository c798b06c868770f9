#include "shell/colour_target.hpp"

#include <algorithm>
#include <span>

namespace tovrins {

namespace {

// Which components a target keeps and which it forces to 0 or 1: the
// targets from FirstOthersZero on keep one of the colour's own components
// (and a process colour's black, for the last three).
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

// The six targets that keep one colour component: their position from
// FirstOthersZero.
std::size_t keptPattern(InterpolateTarget target)
{
    return static_cast<std::size_t>(target) - static_cast<std::size_t>(InterpolateTarget::FirstOthersZero);
}

// Gray has one component: the targets that keep one component make it 0 or 1,
// and reflecting it is inverting it.
void applyGray(InterpolateTarget target, TvReal& g, RandomSource& random)
{
    using enum InterpolateTarget;
    switch (target) {
    case AllZero:
    case FirstOthersZero:
    case SecondOthersZero:
    case ThirdOthersZero: g = 0.0f; break;
    case AllOne:
    case FirstOthersFull:
    case SecondOthersFull:
    case ThirdOthersFull: g = 1.0f; break;
    case AllHalf: g = 0.5f; break;
    case RandomAll:
    case RandomNoBlack: g = random.next(); break;
    case InvertAll:
    case InvertNoBlack:
    case ReflectAll:
    case ReflectKeepBlack: g = static_cast<float>(1.0 - g); break;
    case Count: break;
    }
}

void applyProcess(InterpolateTarget target, std::span<TvReal, 4> cmyk, RandomSource& random)
{
    using enum Keep;
    static constexpr Keep kPatterns[6][4] = {{Same, Zero, Zero, Zero}, {Zero, Same, Zero, Zero},
                                             {Zero, Zero, Same, Zero}, {Same, One, One, Same},
                                             {One, Same, One, Same},   {One, One, Same, Same}};
    const std::span<TvReal> cmy = cmyk.first<3>();
    using enum InterpolateTarget;
    switch (target) {
    case AllZero: fill(cmyk, 0.0f); break;
    case AllOne: fill(cmyk, 1.0f); break;
    case AllHalf: fill(cmyk, 0.5f); break;
    case RandomAll: drawEach(cmyk, random); break;
    case RandomNoBlack:
        drawEach(cmy, random);
        cmyk[3] = 0.0f;
        break;
    case InvertAll: invert(cmyk); break;
    case InvertNoBlack:
        invert(cmy);
        cmyk[3] = 0.0f;
        break;
    case ReflectAll: reflect(cmyk, 4); break;
    case ReflectKeepBlack: reflect(cmyk, 3); break;
    case Count: break;
    default: applyPattern(cmyk, kPatterns[keptPattern(target)]); break;
    }
}

// RGB has no black: the targets that spare it act on all three components.
void applyRgb(InterpolateTarget target, std::span<TvReal, 3> rgb, RandomSource& random)
{
    using enum Keep;
    static constexpr Keep kPatterns[6][3] = {{Same, Zero, Zero}, {Zero, Same, Zero}, {Zero, Zero, Same},
                                             {Same, One, One},   {One, Same, One},   {One, One, Same}};
    using enum InterpolateTarget;
    switch (target) {
    case AllZero: fill(rgb, 0.0f); break;
    case AllOne: fill(rgb, 1.0f); break;
    case AllHalf: fill(rgb, 0.5f); break;
    case RandomAll:
    case RandomNoBlack: drawEach(rgb, random); break;
    case InvertAll:
    case InvertNoBlack: invert(rgb); break;
    case ReflectAll:
    case ReflectKeepBlack: reflect(rgb, 3); break;
    case Count: break;
    default: applyPattern(rgb, kPatterns[keptPattern(target)]); break;
    }
}

} // namespace

void applyInterpolateTarget(int32_t mode, const TvColor& reference, TvColor& target, RandomSource& random)
{
    if (mode < 0 || mode >= static_cast<int32_t>(InterpolateTarget::Count))
        return;
    const auto named = static_cast<InterpolateTarget>(mode);
    const std::span<TvReal, 4> components{target.components};
    switch (reference.kind) {
    case TV_COLOR_GRAY: applyGray(named, components[0], random); break;
    case TV_COLOR_PROCESS: applyProcess(named, components, random); break;
    case TV_COLOR_RGB: applyRgb(named, components.first<3>(), random); break;
    default: break;
    }
}

} // namespace tovrins
