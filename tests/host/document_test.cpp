// The live document: placement of copies, locked layers, limits, and the
// undo journal that previews rely on.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "host/document/document.hpp"
#include "tests/host/document_fixtures.hpp"
#include "sdk/tv_errors.h"

namespace tovrins::host {
namespace {

using testing::expectSameDocument;
using testing::sampleDocument;

constexpr TvRealMatrix moveBy10{1, 0, 0, 1, 10, 0};

// The id of the art whose file id is name, searched in document order.
ArtId idOf(const Document& doc, const std::string& name)
{
    ArtId found = 0;
    doc.forEachInOrder([&](const Node& n) {
        if (n.name == name && found == 0)
            found = n.id;
    });
    return found;
}

TEST(DocumentTest, RoundTripsItsData)
{
    const DocumentData in = sampleDocument();
    Document doc(in);
    expectSameDocument(doc.data(), in);
    EXPECT_EQ(doc.objectCount(), 8u + 2u);
}

TEST(DocumentTest, EmptyDataStillHasACurrentLayer)
{
    Document doc;
    ASSERT_EQ(doc.layerOrder().size(), 1u);
    EXPECT_EQ(doc.currentLayer(), doc.layerOrder()[0]);
}

TEST(DocumentTest, DuplicatesOnTopOrAtBottomOfTheCurrentLayerUnselected)
{
    Document doc(sampleDocument());
    const ArtId a = idOf(doc, "a"); // selected, on the back layer
    ArtId top = 0;
    ArtId bottom = 0;
    ASSERT_EQ(doc.duplicate(a, TV_PLACE_ABOVE_ALL, 0, top), 0);
    ASSERT_EQ(doc.duplicate(a, TV_PLACE_BELOW_ALL, 0, bottom), 0);
    const Layer& front = *doc.findLayer(doc.currentLayer());
    ASSERT_EQ(front.art.size(), 4u);
    EXPECT_EQ(front.art.back(), top);
    EXPECT_EQ(front.art.front(), bottom);
    EXPECT_FALSE(doc.find(top)->selected);
    EXPECT_TRUE(doc.find(a)->selected);
    EXPECT_EQ(doc.layerOf(top), doc.currentLayer());
}

TEST(DocumentTest, DuplicatesAGroupWithFreshUnselectedChildren)
{
    DocumentData data = sampleDocument();
    data.layers[0].art[1].selected = true;
    for (ArtData& c : data.layers[0].art[1].children)
        c.selected = true;
    Document doc(data);
    const ArtId g = idOf(doc, "g");
    ArtId copy = 0;
    ASSERT_EQ(doc.duplicate(g, TV_PLACE_ABOVE_ALL, 0, copy), 0);
    const Node& node = *doc.find(copy);
    ASSERT_EQ(node.children.size(), 2u);
    for (ArtId child : node.children) {
        EXPECT_NE(child, idOf(doc, "g1"));
        EXPECT_FALSE(doc.find(child)->selected);
        EXPECT_EQ(doc.find(child)->parent.group, copy);
        EXPECT_EQ(doc.find(child)->name, ""); // file ids stay unique
    }
    EXPECT_EQ(node.name, "");
    // Moving the copy leaves the original's children alone.
    ASSERT_EQ(doc.transform(copy, moveBy10, 1, 1), 0);
    TvRealRect r{};
    ASSERT_EQ(doc.bounds(g, r), 0);
    EXPECT_EQ(r.left, 20);
    ASSERT_EQ(doc.bounds(copy, r), 0);
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.top, 60);
}

TEST(DocumentTest, RelativeOrdersAndBadOrders)
{
    Document doc(sampleDocument());
    const ArtId b = idOf(doc, "b");
    const ArtId c = idOf(doc, "c");
    ArtId copy = 0;
    ASSERT_EQ(doc.duplicate(b, 1, c, copy), 0); // above c: the top
    EXPECT_EQ(doc.findLayer(doc.currentLayer())->art.back(), copy);
    ASSERT_EQ(doc.duplicate(b, 4, c, copy), 0); // inside c, at its bottom
    EXPECT_EQ(doc.find(c)->children.front(), copy);
    EXPECT_EQ(doc.duplicate(b, 9, 0, copy), TV_ERR_BAD_PARAMETER);
    EXPECT_EQ(doc.duplicate(b, 1, 0, copy), TV_ERR_BAD_PARAMETER);
    EXPECT_EQ(doc.duplicate(c, 3, c, copy), TV_ERR_BAD_PARAMETER); // into itself
}

TEST(DocumentTest, UnknownIdsAreBadParameters)
{
    Document doc(sampleDocument());
    ArtId copy = 0;
    ArtId child = 0;
    TvRealRect r{};
    EXPECT_EQ(doc.duplicate(12345, TV_PLACE_ABOVE_ALL, 0, copy), TV_ERR_BAD_PARAMETER);
    EXPECT_EQ(doc.dispose(0), TV_ERR_BAD_PARAMETER);
    EXPECT_EQ(doc.transform(999, moveBy10, 1, 1), TV_ERR_BAD_PARAMETER);
    EXPECT_EQ(doc.firstChild(999, child), TV_ERR_BAD_PARAMETER);
    EXPECT_EQ(doc.bounds(999, r), TV_ERR_BAD_PARAMETER);
    EXPECT_EQ(doc.setCurrentLayer(idOf(doc, "a")), TV_ERR_BAD_PARAMETER); // art is not a layer
}

TEST(DocumentTest, LockedOrHiddenLayersRefuseChangesWithSegm)
{
    for (bool locked : {true, false}) {
        SCOPED_TRACE(locked ? "locked" : "hidden");
        DocumentData data = sampleDocument();
        data.layers[1].locked = locked;
        data.layers[1].visible = !locked ? false : true;
        Document doc(data);
        const ArtId a = idOf(doc, "a"); // on the editable back layer
        const ArtId b = idOf(doc, "b");
        ArtId copy = 0;
        EXPECT_EQ(doc.duplicate(a, TV_PLACE_ABOVE_ALL, 0, copy), TV_ERR_LAYER_LOCKED);
        EXPECT_EQ(doc.transform(b, moveBy10, 1, 1), TV_ERR_LAYER_LOCKED);
        EXPECT_EQ(doc.setStyle(b, testing::grayStyle(0)), TV_ERR_LAYER_LOCKED);
        EXPECT_EQ(doc.dispose(b), TV_ERR_LAYER_LOCKED);
        expectSameDocument(doc.data(), data);
        // Art on the editable layer can be copied there.
        ASSERT_EQ(doc.setCurrentLayer(doc.layerOrder()[0]), 0);
        EXPECT_EQ(doc.duplicate(b, TV_PLACE_ABOVE_ALL, 0, copy), 0);
    }
}

TEST(DocumentTest, RefusesToGrowPastTheObjectLimit)
{
    Document doc(sampleDocument(), 12);
    ArtId copy = 0;
    LayerId layer = 0;
    const ArtId g = idOf(doc, "g");
    EXPECT_EQ(doc.duplicate(g, TV_PLACE_ABOVE_ALL, 0, copy), TV_ERR_MEMORY_FULL); // 3 more than 10 of 12
    EXPECT_EQ(doc.objectCount(), 10u);
    EXPECT_EQ(doc.duplicate(idOf(doc, "a"), TV_PLACE_ABOVE_ALL, 0, copy), 0);
    EXPECT_EQ(doc.insertLayer(TV_PLACE_ABOVE_ALL, 0, layer), 0);
    EXPECT_EQ(doc.insertLayer(TV_PLACE_ABOVE_ALL, 0, layer), TV_ERR_MEMORY_FULL);
}

TEST(DocumentTest, TransformRefusesNonFiniteMatricesAndScalesLines)
{
    Document doc(sampleDocument());
    const ArtId b = idOf(doc, "b");
    const DocumentData before = doc.data();
    TvRealMatrix bad = moveBy10;
    bad.ty = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(doc.transform(b, bad, 1, 1), TV_ERR_BAD_PARAMETER);
    bad.ty = std::numeric_limits<float>::infinity();
    EXPECT_EQ(doc.transform(b, bad, 1, 1), TV_ERR_BAD_PARAMETER);
    expectSameDocument(doc.data(), before);

    ASSERT_EQ(doc.transform(b, {2, 0, 0, 2, 0, 0}, 2, 1 | 16), 0);
    EXPECT_EQ(doc.find(b)->style.strokeWidth, 2);
    ASSERT_EQ(doc.transform(b, {2, 0, 0, 2, 0, 0}, 2, 1), 0); // without 16 lines keep their width
    EXPECT_EQ(doc.find(b)->style.strokeWidth, 2);
    TvRealRect r{};
    ASSERT_EQ(doc.bounds(b, r), 0);
    EXPECT_EQ(r.left, 400);
    EXPECT_EQ(r.top, 480);
}

TEST(DocumentTest, SelectingAContainerSelectsItsMembers)
{
    Document doc(sampleDocument());
    ASSERT_EQ(doc.setSelected(idOf(doc, "c"), true), 0);
    EXPECT_TRUE(doc.find(idOf(doc, "c1"))->selected);
    EXPECT_TRUE(doc.find(idOf(doc, "c2"))->selected);
    EXPECT_FALSE(doc.find(idOf(doc, "b"))->selected);
}

TEST(DocumentTest, ViewConvertsPixelsAboutItsCentre)
{
    Document doc(sampleDocument());
    EXPECT_EQ(doc.view().centre.h, 200);
    EXPECT_EQ(doc.view().centre.v, 150);
    TvRealPoint p = doc.viewToArtwork({400, 300});
    EXPECT_EQ(p.h, 200);
    EXPECT_EQ(p.v, 150);
    doc.view().zoom = 2;
    p = doc.viewToArtwork({500, 100}); // right of and above the centre
    EXPECT_EQ(p.h, 250);
    EXPECT_EQ(p.v, 250);
}

} // namespace
} // namespace tovrins::host
