// Colour percent 50 shifts copy i's fill by the host's blend with weight
// 0.5^i towards a target made from the first selected object's fill. The
// targets are worked out here from what each colour target does to a gray,
// an RGB and a process fill.
#include <algorithm>
#include <array>
#include <cmath>

#include "tests/filters/filter_test_support.hpp"
#include "sdk/tv_ai_path_style.h"

namespace tovrins::filters_test {
namespace {

using Components = std::array<double, 4>;

TvColor colour(int32_t kind, Components c)
{
    return {kind,
            {static_cast<float>(c[0]), static_cast<float>(c[1]), static_cast<float>(c[2]), static_cast<float>(c[3])}};
}

// The target fill of a colour target mode for a fill, or nullopt for the
// modes that draw random numbers.
std::optional<Components> targetOf(int mode, int32_t kind, Components x)
{
    if (mode == 3 || mode == 4)
        return std::nullopt;
    if (kind == TV_COLOR_GRAY) {
        const double g = x[0];
        const double gray[] = {0, 1, 0.5, 0, 0, 1 - g, 1 - g, 1 - g, 1 - g, 0, 0, 0, 1, 1, 1};
        return Components{gray[mode], 0, 0, 0};
    }
    const bool process = kind == TV_COLOR_PROCESS;
    const int n = process ? 4 : 3;
    Components t = x;
    auto all = [&](double v) { std::fill_n(t.begin(), n, v); };
    const double s = *std::max_element(x.begin(), x.begin() + n) + x[n - 1]; // + k, or + b
    switch (mode) {
    case 0: all(0); break;
    case 1: all(1); break;
    case 2: all(0.5); break;
    case 5:
        for (int i = 0; i < n; ++i)
            t[i] = 1 - x[i];
        break;
    case 6:
        for (int i = 0; i < 3; ++i)
            t[i] = 1 - x[i];
        if (process)
            t[3] = 0;
        break;
    case 7:
        for (int i = 0; i < n; ++i)
            t[i] = s - x[i];
        break;
    case 8:
        for (int i = 0; i < (process ? 3 : n); ++i)
            t[i] = s - x[i];
        break;
    // Modes 9 to 11 keep one of c, m, y (or r, g, b) and clear the others
    // (with k); modes 12 to 14 set two of them to 1 and keep the rest.
    case 9:
    case 10:
    case 11:
        for (int i = 0; i < n; ++i)
            if (i != mode - 9)
                t[i] = 0;
        break;
    case 12:
    case 13:
    case 14:
        for (int i = 0; i < 3; ++i)
            if (i != mode - 12)
                t[i] = 1;
        break;
    }
    return t;
}

struct Fill {
    const char* name;
    int32_t kind;
    Components components;
};
const Fill kFills[] = {
    {"gray", TV_COLOR_GRAY, {0.3, 0, 0, 0}},
    {"rgb", TV_COLOR_RGB, {0.2, 0.4, 0.6, 0}},
    {"process", TV_COLOR_PROCESS, {0.1, 0.2, 0.3, 0.4}},
};

DocumentData filledRect(const Fill& fill)
{
    DocumentData d = oneSelectedRect();
    d.layers[0].art[0].style.fill = colour(fill.kind, fill.components);
    return d;
}

// The copies of the default settings are one per new layer, in order.
std::vector<TvColor> copyFills(const DocumentData& d)
{
    std::vector<TvColor> out;
    for (size_t i = 1; i < d.layers.size(); ++i)
        for (const ArtData& art : d.layers[i].art)
            out.push_back(art.style.fill);
    return out;
}

void expectBlendedFills(testing::PluginHarness& h, const FilterWords& filter, const Fill& fill, int mode)
{
    SCOPED_TRACE(std::string(filter.title) + " " + fill.name + " target " + std::to_string(mode));
    h.bench.open(filledRect(fill));
    host::ScriptedFrontEnd frontEnd = scripted({host::DialogAction::setText(item::colourPercent, "50"),
                                                host::DialogAction::setText(item::colourTarget, std::to_string(mode))});
    ASSERT_EQ(h.run(h.filter(filter.title), frontEnd).code, 0);
    ASSERT_FALSE(frontEnd.failure()) << *frontEnd.failure();
    EXPECT_EQ(h.params(h.filter(filter.title))->*filter.colourPercent, 50.0f);
    const auto fills = copyFills(h.document().data());
    ASSERT_EQ(fills.size(), 7u);
    const int n = fill.kind == TV_COLOR_GRAY ? 1 : fill.kind == TV_COLOR_RGB ? 3 : 4;
    const auto target = targetOf(mode, fill.kind, fill.components);
    for (int i = 0; i < 7; ++i) {
        const double t = std::pow(0.5, i);
        EXPECT_EQ(fills[i].kind, fill.kind);
        for (int c = 0; c < n; ++c) {
            if (target) {
                EXPECT_NEAR(fills[i].components[c], fill.components[c] * t + (*target)[c] * (1 - t), 1e-5)
                    << "copy " << i << " component " << c;
            } else {
                EXPECT_TRUE(fills[i].components[c] >= 0 && fills[i].components[c] <= 1);
            }
        }
    }
    // " Interpolate 5" clears black in the target, whatever the draws.
    if (mode == 4 && fill.kind == TV_COLOR_PROCESS) {
        EXPECT_NEAR(fills[1].components[3], fill.components[3] * 0.5, 1e-5);
    }
}

TEST(ColourTarget, TranslateEveryTargetOnGrayRgbAndProcessFills)
{
    testing::PluginHarness h;
    for (const Fill& fill : kFills)
        for (int mode = 0; mode <= 14; ++mode)
            expectBlendedFills(h, kTranslate, fill, mode);
}

TEST(ColourTarget, RotateAndScaleShareTheTargetTable)
{
    testing::PluginHarness h;
    for (const FilterWords* filter : {&kRotate, &kScale})
        for (const Fill& fill : kFills)
            for (int mode : {1, 7, 8, 10, 13})
                expectBlendedFills(h, *filter, fill, mode);
}

// At 100 % the engines never read a style: a host that cannot read one
// does not stop the command. At 50 % the same failure ends it.
TEST(ColourTarget, FullPercentReadsNoStyle)
{
    for (const FilterWords* filter : kAllFilters) {
        SCOPED_TRACE(filter->title);
        testing::PluginHarness h;
        h.bench.open(filledRect(kFills[1]));
        h.bench.environment().faults.failOperation(kTvAIPathStyleSuite, "getPathStyle", TV_ERR_BAD_PARAMETER);
        const host::CommandOutcome full = h.run(h.filter(filter->title));
        EXPECT_EQ(full.code, 0);
        EXPECT_EQ(topLevelArtCount(h.document().data()), 7u);

        h.bench.open(filledRect(kFills[1]));
        h.params(h.filter(filter->title))->*filter->colourPercent = 50;
        const DocumentData before = h.document().data();
        const host::CommandOutcome half = h.repeat();
        EXPECT_EQ(half.code, TV_ERR_BAD_PARAMETER);
        host::testing::expectSameDocument(h.document().data(), before);
        h.bench.environment().faults.clear();
    }
}

} // namespace
} // namespace tovrins::filters_test
