// Gradients and patterns held by the document: following a transformed
// copy or staying put by the transform flags, ids, undo, and styles.
#include <gtest/gtest.h>

#include "host/document/document.hpp"
#include "host/document/geometry.hpp"
#include "host/document/paint_servers.hpp"
#include "tests/host/document_fixtures.hpp"
#include "sdk/tv_ai_transform_art.h"

namespace tovrins::host {
namespace {

using testing::layer;
using testing::rect;

constexpr TvRealMatrix kPage{1, 0, 0, -1, 0, 100}; // SVG user space of a 100-high page

// A square filled with a gradient laid out on its bounding box, another
// with a user-space pattern, both in the page's user space.
DocumentData paintedDocument()
{
    DocumentData d;
    d.width = d.height = 100;
    d.paintServers = {{"g", "linearGradient", true, {1, 0, 0, 1, 0, 0}}, {"p", "pattern", false, {2, 0, 0, 2, 5, 0}}};
    d.definitions = R"(<defs><linearGradient id="g"/><pattern id="p"/><g id="g-1"/></defs>)";
    ArtData a = rect("a", 10, 10, 30, 40);
    a.style.fill = {TV_COLOR_GRADIENT, {0, 0, 0, 0}};
    a.fillPaint = "g";
    a.space = kPage;
    ArtData b = rect("b", 50, 50, 60, 60);
    b.style.fill = {TV_COLOR_PATTERN, {0, 0, 0, 0}};
    b.fillPaint = "p";
    b.space = kPage;
    d.layers.push_back(layer("L", {a, b}));
    return d;
}

ArtId topArt(const Document& doc, size_t index) { return doc.findLayer(doc.layerOrder().front())->art.at(index); }

// Where a paint puts its own origin and unit axes in the document.
TvRealMatrix paintInDocument(const Document& doc, const Node& node)
{
    const PaintServer* s = doc.paintServers().find(node.fillPaint);
    EXPECT_NE(s, nullptr);
    TvRealMatrix units{1, 0, 0, 1, 0, 0};
    if (s->boundingBoxUnits) {
        const TvRealRect box = curveBounds(node.segments, node.closed, *invertMatrix(*node.space));
        units = {box.right - box.left, 0, 0, box.top - box.bottom, box.left, box.bottom};
    }
    return concatMatrix(concatMatrix(s->transform, units), *node.space);
}

void expectNear(const TvRealMatrix& a, const TvRealMatrix& b)
{
    const float x[6] = {a.a, a.b, a.c, a.d, a.tx, a.ty}, y[6] = {b.a, b.b, b.c, b.d, b.tx, b.ty};
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(x[i], y[i], 1e-3) << "entry " << i;
}

TEST(PaintServersTest, WithTheFlagsAPaintMovesWithItsArtAndNoPaintIsMade)
{
    Document doc(paintedDocument());
    const ArtId a = topArt(doc, 0);
    const TvRealMatrix move{0, 1, -1, 0, 7, 3}; // a quarter turn and a shift
    const TvRealMatrix before = paintInDocument(doc, *doc.find(a));
    ASSERT_EQ(doc.transform(a, move, 1, 15), 0);
    EXPECT_EQ(doc.find(a)->fillPaint, "g");
    expectNear(paintInDocument(doc, *doc.find(a)), concatMatrix(before, move));
    EXPECT_TRUE(doc.data().derivedPaints.empty());
}

TEST(PaintServersTest, WithoutTheFlagsEachPaintStaysWhereItWasInAPaintOfItsOwn)
{
    Document doc(paintedDocument());
    for (size_t i = 0; i < 2; ++i) {
        const ArtId id = topArt(doc, i);
        const std::string original = doc.find(id)->fillPaint;
        const TvRealMatrix before = paintInDocument(doc, *doc.find(id));
        ASSERT_EQ(doc.transform(id, TvRealMatrix{1.5f, 0.5f, -0.5f, 2, 20, -4}, 1, TV_TRANSFORM_OBJECTS), 0);
        const Node& moved = *doc.find(id);
        EXPECT_NE(moved.fillPaint, original);
        expectNear(paintInDocument(doc, moved), before);
    }
    // The new ids shun every id of the file, "g-1" of the definitions too.
    const DocumentData out = doc.data();
    ASSERT_EQ(out.derivedPaints.size(), 2u);
    EXPECT_EQ(out.derivedPaints[0].base, "g");
    EXPECT_NE(out.derivedPaints[0].id, "g-1");
    EXPECT_EQ(out.derivedPaints[1].base, "p");
    EXPECT_EQ(out.derivedPaints[1].element, "pattern");
}

TEST(PaintServersTest, APatternFlagAloneMovesThePatternButNotTheArt)
{
    Document doc(paintedDocument());
    const ArtId b = topArt(doc, 1);
    const std::vector<Segment> points = doc.find(b)->segments;
    const TvRealMatrix before = paintInDocument(doc, *doc.find(b));
    const TvRealMatrix shift{1, 0, 0, 1, 4, 0};
    ASSERT_EQ(doc.transform(b, shift, 1, TV_TRANSFORM_FILL_PATTERNS), 0);
    EXPECT_EQ(doc.find(b)->segments.front().p.h, points.front().p.h);
    expectNear(paintInDocument(doc, *doc.find(b)), concatMatrix(before, shift));
    // The gradient flag leaves a pattern alone.
    const std::string kept = doc.find(b)->fillPaint;
    ASSERT_EQ(doc.transform(b, shift, 1, TV_TRANSFORM_FILL_GRADIENTS), 0);
    EXPECT_EQ(doc.find(b)->fillPaint, kept);
}

TEST(PaintServersTest, CopiesWithPaintsOfTheirOwnAreUndoneAndRedoneWhole)
{
    Document doc(paintedDocument());
    const ArtId a = topArt(doc, 0);
    doc.beginCommand();
    ArtId copy = 0;
    ASSERT_EQ(doc.duplicate(a, TV_PLACE_ABOVE_ALL, a, copy), 0);
    ASSERT_EQ(doc.transform(copy, TvRealMatrix{1, 0, 0, 1, 30, 0}, 1, TV_TRANSFORM_OBJECTS), 0);
    doc.endCommand();
    const DocumentData made = doc.data();
    ASSERT_EQ(made.derivedPaints.size(), 1u);
    EXPECT_EQ(made.layers[0].art.back().fillPaint, made.derivedPaints[0].id);
    EXPECT_EQ(made.layers[0].art.front().fillPaint, "g"); // the original keeps its own
    ASSERT_TRUE(doc.undo());
    EXPECT_TRUE(doc.data().derivedPaints.empty()); // no paint left that nothing uses
    ASSERT_TRUE(doc.redo());
    const DocumentData again = doc.data();
    ASSERT_EQ(again.derivedPaints.size(), 1u);
    EXPECT_EQ(again.derivedPaints[0].id, made.derivedPaints[0].id);
    EXPECT_EQ(again.layers[0].art.back().fillPaint, made.derivedPaints[0].id);
}

TEST(PaintServersTest, AColourStepLeavesAGradientAndAColourReplacesIt)
{
    Document doc(paintedDocument());
    const ArtId a = topArt(doc, 0);
    TvPathStyle style = doc.find(a)->style;
    style.strokeWidth = 3;
    ASSERT_EQ(doc.setStyle(a, style), 0);
    EXPECT_EQ(doc.find(a)->style.fill.kind, TV_COLOR_GRADIENT);
    EXPECT_EQ(doc.find(a)->fillPaint, "g");
    style.fill = {TV_COLOR_RGB, {1, 0, 0, 0}};
    ASSERT_EQ(doc.setStyle(a, style), 0);
    EXPECT_EQ(doc.find(a)->style.fill.kind, TV_COLOR_RGB);
    // A gradient kind set on art without a paint server names none: the
    // art keeps the paint it has.
    const ArtId plainStyle = topArt(doc, 1);
    TvPathStyle gradient = doc.find(plainStyle)->style;
    gradient.stroke = {TV_COLOR_GRADIENT, {0, 0, 0, 0}};
    ASSERT_EQ(doc.setStyle(plainStyle, gradient), 0);
    EXPECT_EQ(doc.find(plainStyle)->style.stroke.kind, TV_COLOR_NONE);
}

TEST(PaintServersTest, CurveBoundsAreTheCurveNotItsControlPoints)
{
    // A half-circle-like arch from (0,0) to (10,0) rising to y = 7.5.
    std::vector<Segment> arch = {{{0, 0}, {0, 0}, {0, 10}, false}, {{10, 0}, {10, 10}, {10, 0}, false}};
    const TvRealRect r = curveBounds(arch, false, TvRealMatrix{1, 0, 0, 1, 0, 0});
    EXPECT_FLOAT_EQ(r.left, 0);
    EXPECT_FLOAT_EQ(r.right, 10);
    EXPECT_FLOAT_EQ(r.bottom, 0);
    EXPECT_NEAR(r.top, 7.5f, 1e-5);
    EXPECT_FALSE(invertMatrix(TvRealMatrix{1, 2, 2, 4, 0, 0}));
}

} // namespace
} // namespace tovrins::host
