// The undo journal: previews undone one after another inside a command,
// handles kept, and the user's whole-command undo and redo.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "host/document/document.hpp"
#include "tests/host/document_fixtures.hpp"

namespace tovrins::host {
namespace {

using testing::expectSameDocument;
using testing::sampleDocument;

ArtId idOf(const Document& doc, const std::string& name)
{
    ArtId found = 0;
    doc.forEachInOrder([&](const Node& n) {
        if (n.name == name && found == 0)
            found = n.id;
    });
    return found;
}

// What a filter's preview does: new layer, copies of the selection moved
// and recoloured, the selection changed, an original deleted.
void preview(Document& doc, const std::vector<ArtId>& originals, int copies)
{
    LayerId layer = 0;
    ASSERT_EQ(doc.insertLayer(TV_PLACE_ABOVE_ALL, 0, layer), 0);
    ASSERT_EQ(doc.setCurrentLayer(layer), 0);
    for (ArtId original : originals) {
        ArtId from = original;
        for (int i = 0; i < copies; ++i) {
            ArtId copy = 0;
            ASSERT_EQ(doc.duplicate(from, i % 2 ? TV_PLACE_BELOW_ALL : TV_PLACE_ABOVE_ALL, 0, copy), 0);
            ASSERT_EQ(doc.transform(copy, {1, 0, 0, 1, 5.0f * static_cast<float>(i + 1), 1}, 1, 1), 0);
            ASSERT_EQ(doc.setStyle(copy, testing::grayStyle(0.1f * static_cast<float>(i))), 0);
            from = copy;
        }
    }
    ASSERT_EQ(doc.setSelected(originals.front(), false), 0);
    ASSERT_EQ(doc.transform(originals.back(), {1, 0, 0, 1, 0, 3}, 1, 1), 0);
    ASSERT_EQ(doc.dispose(originals.back()), 0);
}

TEST(UndoTest, UndoChangesRestoresExactlyAcrossPreviewsAndKeepsHandles)
{
    Document doc(sampleDocument());
    const std::vector<ArtId> originals{idOf(doc, "a"), idOf(doc, "g"), idOf(doc, "c")};
    const DocumentData before = doc.data();
    const uint64_t objects = doc.objectCount();

    doc.beginCommand();
    for (int round = 1; round <= 3; ++round) {
        SCOPED_TRACE(round);
        preview(doc, originals, round * 2);
        EXPECT_EQ(doc.find(originals.back()), nullptr); // disposed: its handle no longer resolves
        doc.undoChanges();
        expectSameDocument(doc.data(), before);
        EXPECT_EQ(doc.objectCount(), objects);
        for (ArtId id : originals)
            EXPECT_NE(doc.find(id), nullptr);
        // Members of restored containers keep their ids too.
        EXPECT_EQ(doc.find(idOf(doc, "g1"))->parent.group, originals[1]);
    }
    EXPECT_EQ(doc.pendingChanges(), 0u);
    doc.endCommand();
    EXPECT_FALSE(doc.canUndo()); // a command that ends with nothing changed leaves no step
}

TEST(UndoTest, UndoChangesOnlyRevertsTheCurrentCommand)
{
    Document doc(sampleDocument());
    const ArtId a = idOf(doc, "a");
    ArtId copy = 0;
    ASSERT_EQ(doc.duplicate(a, TV_PLACE_ABOVE_ALL, 0, copy), 0); // a lone edit: its own step
    const DocumentData afterFirst = doc.data();
    doc.beginCommand();
    ASSERT_EQ(doc.dispose(copy), 0);
    doc.undoChanges();
    expectSameDocument(doc.data(), afterFirst);
    EXPECT_NE(doc.find(copy), nullptr);
    doc.endCommand();
}

TEST(UndoTest, UserUndoAndRedoWholeCommands)
{
    Document doc(sampleDocument());
    const std::vector<ArtId> originals{idOf(doc, "a"), idOf(doc, "b")};
    const DocumentData before = doc.data();

    doc.beginCommand();
    preview(doc, originals, 3);
    doc.undoChanges();
    preview(doc, originals, 4); // the accepted preview
    doc.endCommand();
    const DocumentData after = doc.data();
    ASSERT_NE(after.layers.size(), before.layers.size());

    ASSERT_TRUE(doc.undo());
    expectSameDocument(doc.data(), before);
    EXPECT_FALSE(doc.undo());
    ASSERT_TRUE(doc.redo());
    expectSameDocument(doc.data(), after);
    EXPECT_FALSE(doc.redo());
    ASSERT_TRUE(doc.undo());
    expectSameDocument(doc.data(), before);
}

TEST(UndoTest, ArtMadeInAnEarlierCommandIsJournaledWhenChanged)
{
    // A copy made by one command and changed by the next: undoing the
    // second must bring the copy back as the first command left it.
    Document doc(sampleDocument());
    ArtId copy = 0;
    doc.beginCommand();
    ASSERT_EQ(doc.duplicate(idOf(doc, "g"), TV_PLACE_ABOVE_ALL, 0, copy), 0);
    ASSERT_EQ(doc.transform(copy, {2, 0, 0, 2, 7, 7}, 2, 1 | 16), 0);
    doc.endCommand();
    const DocumentData made = doc.data();
    doc.beginCommand();
    ASSERT_EQ(doc.transform(copy, {1, 0, 0, 1, 5, 0}, 3, 1 | 16), 0);
    ASSERT_EQ(doc.setStyle(copy, testing::grayStyle(0.9f)), 0);
    ASSERT_EQ(doc.setSelected(copy, true), 0);
    doc.endCommand();
    const DocumentData changed = doc.data();
    ASSERT_TRUE(doc.undo());
    expectSameDocument(doc.data(), made);
    ASSERT_TRUE(doc.redo());
    expectSameDocument(doc.data(), changed);
    ASSERT_TRUE(doc.undo());
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(doc.find(copy), nullptr);
    ASSERT_TRUE(doc.redo());
    expectSameDocument(doc.data(), made);
}

TEST(UndoTest, ANewChangeDropsTheRedoStep)
{
    Document doc(sampleDocument());
    const ArtId b = idOf(doc, "b");
    ASSERT_EQ(doc.setSelected(b, true), 0);
    ASSERT_TRUE(doc.undo());
    EXPECT_FALSE(doc.find(b)->selected);
    ASSERT_EQ(doc.setStyle(b, testing::grayStyle(1)), 0);
    EXPECT_FALSE(doc.redo());
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(doc.find(b)->style.fill.components[0], 0.5f);
}

TEST(UndoTest, LayerPropertiesAndTheCurrentLayerAreUndone)
{
    Document doc(sampleDocument());
    const DocumentData before = doc.data();
    const LayerId back = doc.layerOrder()[0];
    doc.beginCommand();
    ASSERT_EQ(doc.setLayerProperties(back, "Renamed", false, true), 0);
    ASSERT_EQ(doc.setCurrentLayer(back), 0);
    EXPECT_TRUE(doc.findLayer(back)->locked);
    doc.undoChanges();
    expectSameDocument(doc.data(), before);
    EXPECT_NE(doc.currentLayer(), back);
    doc.endCommand();
}

// A layer per copy makes each new layer current in turn; the journal keeps
// one record of the current layer, and undo and redo still land exactly.
// A handle of either kind handed to the other's lookups must name nothing,
// however many of each the commands, undos and redos have made.
void expectLayersAndArtNeverResolveAsEachOther(const Document& doc)
{
    std::vector<ArtId> art;
    doc.forEachInOrder([&art](const Node& n) { art.push_back(n.id); });
    ASSERT_FALSE(art.empty());
    for (ArtId id : art) {
        const TvLayerHandle asLayer = reinterpret_cast<TvLayerHandle>(toHandle(id));
        EXPECT_EQ(doc.findLayer(layerIdOf(asLayer)), nullptr) << "art " << id;
    }
    for (LayerId id : doc.layerOrder()) {
        const TvArtHandle asArt = reinterpret_cast<TvArtHandle>(toLayerHandle(id));
        EXPECT_EQ(doc.find(artIdOf(asArt)), nullptr) << "layer " << id;
        EXPECT_EQ(doc.layerOf(artIdOf(asArt)), LayerId{0}) << "layer " << id;
    }
}

TEST(UndoTest, LayersAndArtNeverShareAnIdWhileBothAreMade)
{
    Document doc(sampleDocument());
    expectLayersAndArtNeverResolveAsEachOther(doc);
    const ArtId a = idOf(doc, "a");
    const ArtId b = idOf(doc, "b");
    doc.beginCommand();
    preview(doc, {a, b}, 3);
    doc.undoChanges();
    preview(doc, {a, b}, 3); // ids made after an undo are new ones
    expectLayersAndArtNeverResolveAsEachOther(doc);
    doc.endCommand();
    const DocumentData first = doc.data();

    // Art made by the last command, after its layers, is changed by the
    // next one: still journaled, so undo brings it back as it was.
    ArtId late = 0;
    doc.forEachInOrder([&late](const Node& n) { late = std::max(late, n.id); });
    doc.beginCommand();
    LayerId layer = 0;
    ASSERT_EQ(doc.insertLayer(TV_PLACE_BELOW_ALL, 0, layer), 0);
    ASSERT_EQ(doc.transform(late, {1, 0, 0, 1, 4, 4}, 1, 1), 0);
    EXPECT_EQ(doc.pendingChanges(), 2u); // the new layer and the move of the earlier art
    ArtId copy = 0;
    ASSERT_EQ(doc.duplicate(late, TV_PLACE_ABOVE_ALL, 0, copy), 0);
    ASSERT_EQ(doc.transform(copy, {1, 0, 0, 1, 4, 4}, 1, 1), 0);
    EXPECT_EQ(doc.pendingChanges(), 3u); // a copy made in the command is not journaled when moved
    expectLayersAndArtNeverResolveAsEachOther(doc);
    doc.endCommand();
    ASSERT_TRUE(doc.undo());
    expectSameDocument(doc.data(), first);
    ASSERT_TRUE(doc.redo());
    expectLayersAndArtNeverResolveAsEachOther(doc);
    EXPECT_NE(doc.find(copy), nullptr);
    EXPECT_NE(doc.findLayer(layer), nullptr);
}

TEST(UndoTest, ALayerPerCopyKeepsOneCurrentLayerRecordAndUndoesExactly)
{
    Document doc(sampleDocument());
    const DocumentData before = doc.data();
    const LayerId front = doc.currentLayer();
    const LayerId back = doc.layerOrder()[0];
    const ArtId b = idOf(doc, "b");
    auto makeLayers = [&](std::vector<LayerId>& made) {
        ASSERT_EQ(doc.setCurrentLayer(back), 0);
        for (int i = 0; i < 3; ++i) {
            LayerId layer = 0;
            ASSERT_EQ(doc.insertLayer(i == 1 ? TV_PLACE_BELOW_ALL : TV_PLACE_ABOVE_ALL, 0, layer), 0);
            ASSERT_EQ(doc.setCurrentLayer(layer), 0);
            ArtId copy = 0;
            ASSERT_EQ(doc.duplicate(b, TV_PLACE_ABOVE_ALL, 0, copy), 0);
            made.push_back(layer);
        }
    };
    doc.beginCommand();
    std::vector<LayerId> made;
    makeLayers(made);
    EXPECT_EQ(doc.pendingChanges(), 7u); // a layer and a copy each, and the layer current at first
    doc.undoChanges();
    expectSameDocument(doc.data(), before);
    EXPECT_EQ(doc.currentLayer(), front);

    made.clear();
    makeLayers(made); // after an undo the first change of the current layer is recorded again
    ASSERT_EQ(doc.currentLayer(), made.back());
    const DocumentData after = doc.data();
    doc.endCommand();
    ASSERT_TRUE(doc.undo());
    expectSameDocument(doc.data(), before);
    EXPECT_EQ(doc.currentLayer(), front);
    ASSERT_TRUE(doc.redo());
    expectSameDocument(doc.data(), after);
    EXPECT_EQ(doc.currentLayer(), made.back());
    EXPECT_EQ(doc.layerOrder().front(), made[1]);
}

TEST(UndoTest, UndoCostFollowsTheChangesNotTheDocument)
{
    // A large document: undoing one copy records and reverts one change.
    DocumentData data;
    data.layers.push_back(testing::layer("Big", {}));
    for (int i = 0; i < 20000; ++i)
        data.layers[0].art.push_back(testing::rect("r" + std::to_string(i), 0, 0, 1, 1));
    Document doc(data);
    const ArtId first = doc.findLayer(doc.layerOrder()[0])->art.front();
    doc.beginCommand();
    ArtId copy = 0;
    ASSERT_EQ(doc.duplicate(first, TV_PLACE_BELOW_ALL, 0, copy), 0);
    ASSERT_EQ(doc.transform(copy, {1, 0, 0, 1, 1, 1}, 1, 1), 0);
    ASSERT_EQ(doc.setStyle(copy, testing::grayStyle(0.2f)), 0);
    // The copy's own edits need no record: reverting its making takes it out whole.
    EXPECT_EQ(doc.pendingChanges(), 1u);
    doc.undoChanges();
    EXPECT_EQ(doc.findLayer(doc.layerOrder()[0])->art.front(), first);
    EXPECT_EQ(doc.objectCount(), 20001u);
}

// Bounds are kept once asked for, so every way a path's points change must
// show in them: a move, a move undone or redone, and a copy moved on its own.
TEST(UndoTest, BoundsFollowThePointsThroughMovesCopiesUndoAndRedo)
{
    Document doc(sampleDocument());
    const ArtId b = idOf(doc, "b"); // 100,100 to 110,120
    const ArtId g = idOf(doc, "g");
    auto boundsOf = [&doc](ArtId id) {
        TvRealRect r{};
        EXPECT_EQ(doc.bounds(id, r), 0);
        return std::vector<float>{r.left, r.bottom, r.right, r.top};
    };
    const std::vector<float> original{100, 100, 110, 120};
    EXPECT_EQ(boundsOf(b), original);
    const std::vector<float> groupBefore = boundsOf(g);

    doc.beginCommand();
    ArtId copy = 0;
    ASSERT_EQ(doc.duplicate(b, TV_PLACE_ABOVE_ALL, 0, copy), 0);
    EXPECT_EQ(boundsOf(copy), original); // known already, from the original
    ASSERT_EQ(doc.transform(copy, {1, 0, 0, 1, 5, 7}, 1, 1), 0);
    EXPECT_EQ(boundsOf(copy), (std::vector<float>{105, 107, 115, 127}));
    EXPECT_EQ(boundsOf(b), original); // the original did not move with its copy
    ASSERT_EQ(doc.transform(b, {2, 0, 0, 2, 0, 0}, 1, 1), 0);
    EXPECT_EQ(boundsOf(b), (std::vector<float>{200, 200, 220, 240}));
    // A member moved inside a group moves the group's bounds.
    ASSERT_EQ(doc.transform(idOf(doc, "g2"), {1, 0, 0, 1, 0, 100}, 1, 1), 0);
    EXPECT_EQ(boundsOf(g)[3], 160);
    doc.undoChanges();
    EXPECT_EQ(boundsOf(b), original);
    EXPECT_EQ(boundsOf(g), groupBefore);
    doc.endCommand();

    ASSERT_EQ(doc.transform(b, {1, 0, 0, 1, -100, -100}, 1, 1), 0); // a lone edit: one undo step
    EXPECT_EQ(boundsOf(b), (std::vector<float>{0, 0, 10, 20}));
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(boundsOf(b), original);
    ASSERT_TRUE(doc.redo());
    EXPECT_EQ(boundsOf(b), (std::vector<float>{0, 0, 10, 20}));
}


// The names of a list's art, bottom to top, as the document reads them.
std::vector<std::string> namesIn(const std::vector<ArtData>& art)
{
    std::vector<std::string> names;
    for (const ArtData& a : art)
        names.push_back(a.id);
    return names;
}

// Deletes from a large layer and a large group at many positions, in a
// scattered order, with copies placed beside art whose neighbours are
// gone: every reader of the order sees exactly what a plain list would,
// and undo and redo put everything back where it was.
TEST(UndoTest, DeletesAtManyPositionsComeBackInPlace)
{
    DocumentData data;
    std::vector<ArtData> members;
    for (int i = 0; i < 300; ++i)
        members.push_back(testing::rect("m" + std::to_string(i), 0, 0, 1, 1));
    std::vector<ArtData> art;
    for (int i = 0; i < 600; ++i)
        art.push_back(testing::rect("a" + std::to_string(i), 0, 0, 1, 1));
    art.insert(art.begin() + 250, testing::container(ArtType::Group, "g", std::move(members)));
    data.layers.push_back(testing::layer("big", std::move(art)));
    Document doc(data);
    const DocumentData before = doc.data();
    std::vector<std::string> layerModel = namesIn(before.layers[0].art);
    std::vector<std::string> groupModel = namesIn(before.layers[0].art[250].children);

    auto erase = [&](std::vector<std::string>& model, const std::string& name) {
        const auto at = std::find(model.begin(), model.end(), name);
        ASSERT_NE(at, model.end()) << name;
        ASSERT_EQ(doc.dispose(idOf(doc, name)), 0) << name;
        model.erase(at);
    };
    doc.beginCommand();
    for (int i = 0; i < 600; ++i) { // every other one, scattered (223 is prime to 600)
        const int k = (i * 223) % 600;
        if (k % 2 == 1)
            erase(layerModel, "a" + std::to_string(k));
    }
    for (int i = 0; i < 300; i += 3)
        erase(groupModel, "m" + std::to_string((i * 7) % 300));
    // Copies beside art deep among the holes: the index above must count them right.
    ArtId copy = 0;
    ASSERT_EQ(doc.duplicate(idOf(doc, "a400"), 1, idOf(doc, "a400"), copy), 0);
    layerModel.insert(std::find(layerModel.begin(), layerModel.end(), "a400") + 1, "");
    ASSERT_EQ(doc.duplicate(idOf(doc, "m100"), 2, idOf(doc, "m100"), copy), 0);
    groupModel.insert(std::find(groupModel.begin(), groupModel.end(), "m100"), "");
    erase(layerModel, "a0");   // the bottom
    erase(layerModel, "a598"); // the top
    doc.endCommand();

    const DocumentData after = doc.data();
    EXPECT_EQ(namesIn(after.layers[0].art), layerModel);
    const auto group = std::find(layerModel.begin(), layerModel.end(), "g") - layerModel.begin();
    EXPECT_EQ(namesIn(after.layers[0].art[static_cast<size_t>(group)].children), groupModel);
    // Walking the group's members one sibling after another meets them all, in order.
    std::vector<std::string> walked;
    ArtId member = 0;
    ASSERT_EQ(doc.firstChild(idOf(doc, "g"), member), 0);
    while (member != 0) {
        walked.push_back(doc.find(member)->name);
        ASSERT_EQ(doc.sibling(member, member), 0);
    }
    EXPECT_EQ(walked, groupModel);

    ASSERT_TRUE(doc.undo());
    expectSameDocument(doc.data(), before);
    ASSERT_TRUE(doc.redo());
    expectSameDocument(doc.data(), after);
    ASSERT_TRUE(doc.undo());
    expectSameDocument(doc.data(), before);
}

} // namespace
} // namespace tovrins::host
