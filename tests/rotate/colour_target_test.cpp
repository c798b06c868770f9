#include "shell/colour_target.hpp"

#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/host_doubles.hpp"

namespace tovrins {
namespace {

using test::ScriptedRandom;
using Four = std::array<float, 4>;

TvColor colour(int32_t kind, Four components)
{
    TvColor c{};
    c.kind = kind;
    for (std::size_t k = 0; k < 4; ++k)
        c.components[k] = components[k];
    return c;
}

struct Outcome {
    Four components;
    std::size_t draws;
};

Outcome apply(int32_t mode, int32_t kind, Four start, std::vector<float> script = {})
{
    const TvColor reference = colour(kind, start);
    TvColor target = reference;
    ScriptedRandom random(std::move(script));
    applyInterpolateTarget(mode, reference, target, random);
    EXPECT_EQ(target.kind, kind);
    return {{target.components[0], target.components[1], target.components[2], target.components[3]}, random.draws()};
}

void expectComponents(const Four& actual, const Four& expected, const std::string& what)
{
    for (std::size_t k = 0; k < 4; ++k)
        EXPECT_FLOAT_EQ(actual[k], expected[k]) << what << " component " << k;
}

// The fourth component of gray and RGB colours is not theirs to change.
constexpr float kSpare = 0.375f;

TEST(InterpolateTarget, Gray)
{
    const Four g{0.25f, kSpare, kSpare, kSpare};
    const struct {
        int32_t mode;
        float expected;
    } cases[] = {{0, 0}, {1, 1},  {2, 0.5f}, {5, 0.75f}, {6, 0.75f}, {7, 0.75f}, {8, 0.75f},
                 {9, 0}, {10, 0}, {11, 0},   {12, 1},    {13, 1},    {14, 1}};
    for (const auto& c : cases) {
        const Outcome o = apply(c.mode, TV_COLOR_GRAY, g);
        expectComponents(o.components, {c.expected, kSpare, kSpare, kSpare}, "mode " + std::to_string(c.mode));
        EXPECT_EQ(o.draws, 0u);
    }
    for (int32_t mode : {3, 4}) {
        const Outcome o = apply(mode, TV_COLOR_GRAY, g, {0.625f});
        expectComponents(o.components, {0.625f, kSpare, kSpare, kSpare}, "random gray");
        EXPECT_EQ(o.draws, 1u);
    }
}

TEST(InterpolateTarget, ProcessColour)
{
    const Four cmyk{0.1f, 0.2f, 0.4f, 0.3f};
    const struct {
        int32_t mode;
        Four expected;
    } cases[] = {
        {0, {0, 0, 0, 0}},
        {1, {1, 1, 1, 1}},
        {2, {0.5f, 0.5f, 0.5f, 0.5f}},
        {5, {0.9f, 0.8f, 0.6f, 0.7f}},
        {6, {0.9f, 0.8f, 0.6f, 0}},
        {7, {0.6f, 0.5f, 0.3f, 0.4f}}, // S = 0.4 + 0.3
        {8, {0.6f, 0.5f, 0.3f, 0.3f}},
        {9, {0.1f, 0, 0, 0}},
        {10, {0, 0.2f, 0, 0}},
        {11, {0, 0, 0.4f, 0}},
        {12, {0.1f, 1, 1, 0.3f}},
        {13, {1, 0.2f, 1, 0.3f}},
        {14, {1, 1, 0.4f, 0.3f}},
    };
    for (const auto& c : cases) {
        const Outcome o = apply(c.mode, TV_COLOR_PROCESS, cmyk);
        expectComponents(o.components, c.expected, "mode " + std::to_string(c.mode));
        EXPECT_EQ(o.draws, 0u);
    }
}

TEST(InterpolateTarget, ProcessColourRandomDrawsInComponentOrder)
{
    const Four cmyk{0.1f, 0.2f, 0.4f, 0.3f};
    const Outcome all = apply(3, TV_COLOR_PROCESS, cmyk, {0.125f, 0.25f, 0.5f, 0.75f});
    expectComponents(all.components, {0.125f, 0.25f, 0.5f, 0.75f}, "mode 3");
    EXPECT_EQ(all.draws, 4u);
    const Outcome noBlack = apply(4, TV_COLOR_PROCESS, cmyk, {0.125f, 0.25f, 0.5f});
    expectComponents(noBlack.components, {0.125f, 0.25f, 0.5f, 0}, "mode 4");
    EXPECT_EQ(noBlack.draws, 3u);
}

TEST(InterpolateTarget, Rgb)
{
    const Four rgb{0.1f, 0.6f, 0.2f, kSpare};
    const struct {
        int32_t mode;
        Four expected;
    } cases[] = {
        {0, {0, 0, 0, kSpare}},          {1, {1, 1, 1, kSpare}},
        {2, {0.5f, 0.5f, 0.5f, kSpare}}, {5, {0.9f, 0.4f, 0.8f, kSpare}},
        {6, {0.9f, 0.4f, 0.8f, kSpare}}, {7, {0.7f, 0.2f, 0.6f, kSpare}}, // S = 0.6 + 0.2
        {8, {0.7f, 0.2f, 0.6f, kSpare}}, {9, {0.1f, 0, 0, kSpare}},
        {10, {0, 0.6f, 0, kSpare}},      {11, {0, 0, 0.2f, kSpare}},
        {12, {0.1f, 1, 1, kSpare}},      {13, {1, 0.6f, 1, kSpare}},
        {14, {1, 1, 0.2f, kSpare}},
    };
    for (const auto& c : cases) {
        const Outcome o = apply(c.mode, TV_COLOR_RGB, rgb);
        expectComponents(o.components, c.expected, "mode " + std::to_string(c.mode));
        EXPECT_EQ(o.draws, 0u);
    }
    for (int32_t mode : {3, 4}) {
        const Outcome o = apply(mode, TV_COLOR_RGB, rgb, {0.75f, 0.5f, 0.25f});
        expectComponents(o.components, {0.75f, 0.5f, 0.25f, kSpare}, "random rgb");
        EXPECT_EQ(o.draws, 3u);
    }
}

TEST(InterpolateTarget, ReferenceKindChoosesTheColumn)
{
    // A gray reference changes only the first component even of a target
    // that holds four.
    const TvColor reference = colour(TV_COLOR_GRAY, {0.25f, 0, 0, 0});
    TvColor target = colour(TV_COLOR_PROCESS, {0.1f, 0.2f, 0.4f, 0.3f});
    ScriptedRandom none;
    applyInterpolateTarget(1, reference, target, none);
    expectComponents({target.components[0], target.components[1], target.components[2], target.components[3]},
                     {1, 0.2f, 0.4f, 0.3f}, "gray column");
}

TEST(InterpolateTarget, OtherKindsAndModesLeaveTheTarget)
{
    const Four start{0.1f, 0.2f, 0.4f, 0.3f};
    const int32_t otherKinds[] = {TV_COLOR_PATTERN, TV_COLOR_CUSTOM, TV_COLOR_GRADIENT, TV_COLOR_NONE, 42};
    for (int32_t kind : otherKinds) {
        for (int32_t mode : {0, 3, 7, 14}) {
            const Outcome o = apply(mode, kind, start);
            expectComponents(o.components, start, "kind " + std::to_string(kind));
            EXPECT_EQ(o.draws, 0u);
        }
    }
    for (int32_t mode : {-1, 15, 100}) {
        for (int32_t kind : {int32_t{TV_COLOR_GRAY}, int32_t{TV_COLOR_PROCESS}, int32_t{TV_COLOR_RGB}}) {
            const Outcome o = apply(mode, kind, start);
            expectComponents(o.components, start, "mode " + std::to_string(mode));
        }
    }
}

} // namespace
} // namespace tovrins
