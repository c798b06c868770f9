// A selected compound path counts as one object: its members, which the
// host also reports as selected paths, are not copied on their own, and
// each copy is transformed and recoloured member by member.
#include "tests/filters/filter_test_support.hpp"

namespace tovrins::filters_test {
namespace {

using host::testing::grayStyle;
using host::testing::rect;

// The compound path (outer 100,100-200,150 with a hole 120,110-140,130)
// over an unselected square that must stay as it is.
DocumentData compoundDocument()
{
    ArtData compound = host::testing::container(
        ArtType::CompoundPath, "c", {rect("outer", 100, 100, 200, 150), rect("hole", 120, 110, 140, 130)}, true);
    compound.style = grayStyle(0.2f);
    for (ArtData& member : compound.children)
        member.style = grayStyle(0.2f);
    return oneLayer({rect("other", 400, 400, 410, 410), compound});
}

const std::vector<Point> kOuter{{100, 100}, {200, 100}, {200, 150}, {100, 150}};
const std::vector<Point> kHole{{120, 110}, {140, 110}, {140, 130}, {120, 130}};

// The copies made, in the order of the new layers (one per layer for the
// default settings); the untouched square stays in "Layer 1".
std::vector<ArtData> copiesOf(const DocumentData& d)
{
    std::vector<ArtData> out;
    EXPECT_EQ(d.layers.at(0).art.size(), 1u) << "only the unselected square is left in the first layer";
    EXPECT_EQ(d.layers.at(0).art.at(0).id, "other");
    for (size_t i = 1; i < d.layers.size(); ++i)
        for (const ArtData& art : d.layers[i].art)
            out.push_back(art);
    return out;
}

template <class Transform> void expectMembersTransformed(const std::vector<ArtData>& copies, Transform transform)
{
    ASSERT_EQ(copies.size(), 7u) << "one copy per copy index, none of the members on its own";
    for (int i = 0; i < 7; ++i) {
        const ArtData& copy = copies[i];
        ASSERT_EQ(copy.type, ArtType::CompoundPath) << "copy " << i;
        ASSERT_EQ(copy.children.size(), 2u);
        std::vector<Point> outer;
        std::vector<Point> hole;
        for (Point p : kOuter)
            outer.push_back(transform(i, p));
        for (Point p : kHole)
            hole.push_back(transform(i, p));
        expectPoints(corners(copy.children[0]), outer, 1e-3, "outer of copy " + std::to_string(i));
        expectPoints(corners(copy.children[1]), hole, 1e-3, "hole of copy " + std::to_string(i));
    }
}

TEST(CompoundPath, RotatePivotsOnTheWholeCompoundPathsBounds)
{
    testing::PluginHarness h;
    h.bench.open(compoundDocument());
    ASSERT_EQ(h.run(h.rotate()).code, 0);
    expectMembersTransformed(copiesOf(h.document().data()), [](int i, Point p) {
        return rotated(p, {150, 100}, (i + 1) * 10.0);
    });
}

TEST(CompoundPath, ScaleShrinksBothMembersAboutTheCommonCentre)
{
    testing::PluginHarness h;
    h.bench.open(compoundDocument());
    ASSERT_EQ(h.run(h.scale()).code, 0);
    expectMembersTransformed(copiesOf(h.document().data()), [](int i, Point p) {
        return scaled(p, {150, 125}, std::pow(0.96, i + 1));
    });
}

TEST(CompoundPath, TranslateMovesBothMembersAlike)
{
    testing::PluginHarness h;
    h.bench.open(compoundDocument());
    ASSERT_EQ(h.run(h.translate()).code, 0);
    expectMembersTransformed(copiesOf(h.document().data()), [](int i, Point p) {
        return Point{p.x + 10.0 * (i + 1), p.y + 10.0 * (i + 1)};
    });
}

// Colour 50 % towards " Interpolate 6" (1 - g): the target is read from the
// compound path, and only its members are restyled, each with 0.5^i.
TEST(CompoundPath, MembersAreRecolouredOneByOne)
{
    testing::PluginHarness h;
    h.bench.open(compoundDocument());
    host::ScriptedFrontEnd frontEnd = scripted(
        {host::DialogAction::setText(item::colourPercent, "50"), host::DialogAction::setText(item::colourTarget, "5")});
    ASSERT_EQ(h.run(h.translate(), frontEnd).code, 0);
    ASSERT_FALSE(frontEnd.failure()) << *frontEnd.failure();
    const auto copies = copiesOf(h.document().data());
    ASSERT_EQ(copies.size(), 7u);
    for (int i = 0; i < 7; ++i) {
        const double t = std::pow(0.5, i);
        EXPECT_FLOAT_EQ(copies[i].style.fill.components[0], 0.2f) << "the compound path itself keeps its style";
        for (const ArtData& member : copies[i].children) {
            EXPECT_EQ(member.style.fill.kind, TV_COLOR_GRAY);
            EXPECT_NEAR(member.style.fill.components[0], 0.2 * t + 0.8 * (1 - t), 1e-5) << "copy " << i;
        }
    }
}

} // namespace
} // namespace tovrins::filters_test
