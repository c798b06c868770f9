// The document suites as a plug-in calls them: through the tables, with
// handles, into the environment's document.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <span>
#include <vector>

#include "tests/host/document_fixtures.hpp"
#include "host/suites/core_suites.hpp"
#include "host/suites/host_environment.hpp"

namespace tovrins::host {
namespace {

using testing::sampleDocument;

class ArtSuitesTest : public ::testing::Test {
protected:
    ArtSuitesTest() { env.open(sampleDocument()); }

    TvArtHandle handleOf(const std::string& name)
    {
        ArtId found = 0;
        env.document()->forEachInOrder([&](const Node& n) {
            if (n.name == name && found == 0)
                found = n.id;
        });
        return toHandle(found);
    }

    // The matching art as names, disposing the list as a plug-in must.
    std::vector<std::string> matching(std::span<const TvMatchingArtSpec> specs)
    {
        TvMemoryHandle list = nullptr;
        int32_t count = -1;
        EXPECT_EQ(matchingArtSuite().getMatchingArt(specs.data(), static_cast<int16_t>(specs.size()), &list, &count),
                  0);
        std::vector<std::string> names;
        if (count == 0) {
            EXPECT_EQ(list, nullptr);
            return names;
        }
        void* p = nullptr;
        EXPECT_EQ(mdMemorySuite().getPointer(list, &p), 0);
        for (TvArtHandle h : std::span(static_cast<TvArtHandle*>(p), static_cast<size_t>(count)))
            names.push_back(env.document()->find(artIdOf(h))->name);
        EXPECT_EQ(mdMemorySuite().disposeHandle(list), 0);
        return names;
    }

    HostEnvironment env{42};
};

constexpr TvMatchingArtSpec selectedOf(int16_t type) { return {type, 0, TV_ART_SELECTED, TV_ART_SELECTED}; }

TEST_F(ArtSuitesTest, WalksTypesChildrenSiblingsAndBounds)
{
    const TvAIArtSuiteV9& art = artSuite();
    int16_t type = 0;
    ASSERT_EQ(art.getArtType(handleOf("c"), &type), 0);
    EXPECT_EQ(type, TV_ART_COMPOUND_PATH);
    TvArtHandle child = nullptr;
    ASSERT_EQ(art.getArtFirstChild(handleOf("g"), &child), 0);
    EXPECT_EQ(child, handleOf("g1"));
    TvArtHandle next = nullptr;
    ASSERT_EQ(art.getArtSibling(child, &next), 0);
    EXPECT_EQ(next, handleOf("g2"));
    ASSERT_EQ(art.getArtSibling(next, &next), 0);
    EXPECT_EQ(next, nullptr);
    ASSERT_EQ(art.getArtFirstChild(handleOf("a"), &child), 0);
    EXPECT_EQ(child, nullptr); // a path has no children
    TvRealRect r{};
    ASSERT_EQ(art.getArtBounds(handleOf("g"), &r), 0);
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.bottom, 20);
    EXPECT_EQ(r.right, 50);
    EXPECT_EQ(r.top, 60);
    const TvArtHandle bogus = toHandle(987654);
    EXPECT_EQ(art.getArtType(bogus, &type), TV_ERR_BAD_PARAMETER);
    EXPECT_EQ(art.getArtBounds(bogus, &r), TV_ERR_BAD_PARAMETER);
    EXPECT_EQ(art.disposeArt(bogus), TV_ERR_BAD_PARAMETER);
}

TEST_F(ArtSuitesTest, DuplicatesThroughTheSuite)
{
    TvArtHandle top = nullptr;
    TvArtHandle bottom = nullptr;
    ASSERT_EQ(artSuite().duplicateArt(handleOf("a"), TV_PLACE_ABOVE_ALL, handleOf("a"), &top), 0);
    ASSERT_EQ(artSuite().duplicateArt(handleOf("a"), TV_PLACE_BELOW_ALL, nullptr, &bottom), 0);
    const Layer& front = *env.document()->findLayer(env.document()->currentLayer());
    EXPECT_EQ(toHandle(front.art.back()), top);
    EXPECT_EQ(toHandle(front.art.front()), bottom);
    // The copies are not selected, so the selection is still just "a".
    EXPECT_EQ(matching(std::array{selectedOf(TV_ART_PATH)}), (std::vector<std::string>{"a"}));
}

// Front to back: the top layer first, each container before its members,
// each object once whatever request entries it matches.
TEST_F(ArtSuitesTest, MatchesSelectedArtFrontToBackWithContainerMembers)
{
    Document& doc = *env.document();
    ASSERT_EQ(doc.setSelected(artIdOf(handleOf("c")), true), 0);
    ASSERT_EQ(doc.setSelected(artIdOf(handleOf("g")), true), 0);
    const std::array specs{selectedOf(TV_ART_PATH), selectedOf(TV_ART_GROUP), selectedOf(TV_ART_COMPOUND_PATH)};
    EXPECT_EQ(matching(specs), (std::vector<std::string>{"c", "c2", "c1", "g", "g2", "g1", "a"}));
    const std::array repeated{selectedOf(TV_ART_COMPOUND_PATH), selectedOf(TV_ART_PATH), selectedOf(TV_ART_PATH)};
    EXPECT_EQ(matching(repeated), (std::vector<std::string>{"c", "c2", "c1", "g2", "g1", "a"}));
    EXPECT_EQ(matching(std::array{selectedOf(TV_ART_COMPOUND_PATH)}), (std::vector<std::string>{"c"}));
    // Unselected paths when asked for them.
    EXPECT_EQ(matching(std::array{TvMatchingArtSpec{TV_ART_PATH, 0, TV_ART_SELECTED, 0}}),
              (std::vector<std::string>{"b"}));
    EXPECT_EQ(env.memory.liveCount(), 0u);
}

TEST_F(ArtSuitesTest, NoMatchGivesNullAndZero)
{
    EXPECT_TRUE(matching(std::array{selectedOf(TV_ART_TEXT)}).empty());
    EXPECT_EQ(env.memory.liveCount(), 0u);
}

TEST_F(ArtSuitesTest, TransformRefusesNonFiniteMatrices)
{
    const DocumentData before = env.document()->data();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const TvRealMatrix bad{1, 0, nan, 1, 0, 0};
    EXPECT_EQ(transformArtSuite().transformArt(handleOf("b"), &bad, 1, 1), TV_ERR_OUT_OF_RANGE);
    testing::expectSameDocument(env.document()->data(), before);
    const TvRealMatrix scale{1, 0, 0, 1, 0, 0};
    EXPECT_EQ(transformArtSuite().transformArt(handleOf("b"), &scale, nan, 16), TV_ERR_BAD_PARAMETER);
    EXPECT_EQ(transformArtSuite().transformArt(handleOf("b"), &scale, 3, 16), 0);
    TvPathStyle s{};
    ASSERT_EQ(pathStyleSuite().getPathStyle(handleOf("b"), &s), 0);
    EXPECT_EQ(s.strokeWidth, 3);
}

// A transformation that would carry art beyond the range of coordinates
// is answered !rng, changes nothing, and the host notes why, for the
// command's report.
TEST_F(ArtSuitesTest, TransformBeyondTheRangeOfCoordinatesIsRefusedWithTheReason)
{
    HostRefusal refusal;
    hostContext().refusal = &refusal;
    const DocumentData before = env.document()->data();
    const auto transform = [&](const char* name, const TvRealMatrix& m, int32_t flags = TV_TRANSFORM_OBJECTS) {
        return transformArtSuite().transformArt(handleOf(name), &m, 1, flags);
    };
    // "b" reaches 120: a finite scale carries it past 3.4e38.
    EXPECT_EQ(transform("b", {1e37f, 0, 0, 1e37f, 0, 0}), TV_ERR_OUT_OF_RANGE);
    EXPECT_EQ(refusal.code, TV_ERR_OUT_OF_RANGE);
    EXPECT_EQ(refusal.reason, "transforming art 'b' would carry it beyond about 3.4e38 points either way");
    // An infinite scale, and the NaN of infinity times zero that
    // concatenating a translation to it leaves.
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const TvRealMatrix m : {TvRealMatrix{inf, 0, 0, 1, 0, 0}, TvRealMatrix{nan, nan, nan, nan, nan, nan}}) {
        refusal = {};
        EXPECT_EQ(transform("b", m), TV_ERR_OUT_OF_RANGE);
        EXPECT_EQ(refusal.reason, "the matrix to transform art 'b' by has overflowed, beyond about 3.4e38");
    }
    // A group is judged by everything in it.
    EXPECT_EQ(transform("g", {1e37f, 0, 0, 1, 0, 0}), TV_ERR_OUT_OF_RANGE);
    testing::expectSameDocument(env.document()->data(), before);

    refusal = {};
    EXPECT_EQ(transform("b", {1e36f, 0, 0, 1e36f, 0, 0}), 0); // 1.2e38 still fits
    TvRealRect bounds{};
    ASSERT_EQ(artSuite().getArtBounds(handleOf("b"), &bounds), 0);
    EXPECT_FLOAT_EQ(bounds.top, 1.2e38f);
    // Without the objects flag the matrix moves no point, and the
    // document's own check answers; so it does for an unknown art.
    EXPECT_EQ(transform("a", {inf, 0, 0, 1, 0, 0}, TV_TRANSFORM_SCALE_LINES), TV_ERR_BAD_PARAMETER);
    const TvRealMatrix identity{1, 0, 0, 1, 0, 0};
    EXPECT_EQ(transformArtSuite().transformArt(toHandle(9999), &identity, 1, TV_TRANSFORM_OBJECTS),
              TV_ERR_BAD_PARAMETER);
    EXPECT_EQ(refusal.code, 0) << refusal.reason;
    hostContext().refusal = nullptr;
}

TEST_F(ArtSuitesTest, LayersGoOnTopOrAtTheBottomAndBecomeCurrent)
{
    TvLayerHandle top = nullptr;
    TvLayerHandle bottom = nullptr;
    ASSERT_EQ(layerSuite().insertLayer(nullptr, TV_PLACE_ABOVE_ALL, &top), 0);
    ASSERT_EQ(layerSuite().insertLayer(nullptr, TV_PLACE_BELOW_ALL, &bottom), 0);
    const std::vector<LayerId> order = env.document()->layerOrder();
    ASSERT_EQ(order.size(), 4u);
    EXPECT_EQ(order.back(), layerIdOf(top));
    EXPECT_EQ(order.front(), layerIdOf(bottom));
    ASSERT_EQ(layerSuite().setCurrentLayer(bottom), 0);
    TvArtHandle copy = nullptr;
    ASSERT_EQ(artSuite().duplicateArt(handleOf("b"), TV_PLACE_ABOVE_ALL, nullptr, &copy), 0);
    EXPECT_EQ(env.document()->layerOf(artIdOf(copy)), layerIdOf(bottom));
    EXPECT_EQ(layerSuite().setCurrentLayer(reinterpret_cast<TvLayerHandle>(uintptr_t{77777})), TV_ERR_BAD_PARAMETER);
}

TEST_F(ArtSuitesTest, UndoSuiteRevertsTheCommand)
{
    Document& doc = *env.document();
    const DocumentData before = doc.data();
    doc.beginCommand();
    TvArtHandle copy = nullptr;
    ASSERT_EQ(artSuite().duplicateArt(handleOf("g"), TV_PLACE_BELOW_ALL, nullptr, &copy), 0);
    ASSERT_EQ(artSuite().disposeArt(handleOf("a")), 0);
    ASSERT_EQ(undoSuite().undoChanges(), 0);
    testing::expectSameDocument(doc.data(), before);
    int16_t type = 0;
    EXPECT_EQ(artSuite().getArtType(copy, &type), TV_ERR_BAD_PARAMETER); // the copy is gone
    EXPECT_EQ(artSuite().getArtType(handleOf("a"), &type), 0);
}

TEST_F(ArtSuitesTest, DocumentAndViewSuites)
{
    TvDocumentSetup setup{};
    ASSERT_EQ(documentSuite().getDocumentSetup(&setup), 0);
    EXPECT_EQ(setup.width, 400);
    EXPECT_EQ(setup.height, 300);
    ASSERT_EQ(documentSuite().redrawDocument(), 0);
    ASSERT_EQ(documentSuite().redrawDocument(), 0);
    EXPECT_EQ(env.document()->redrawCount(), 2u);

    const TvAIDocumentViewSuiteV7& views = documentViewSuite();
    TvDocumentViewHandle view = nullptr;
    ASSERT_EQ(views.getNthDocumentView(0, &view), 0);
    EXPECT_EQ(views.getNthDocumentView(1, &view), TV_ERR_BAD_PARAMETER);
    ASSERT_EQ(views.getNthDocumentView(0, &view), 0);
    EXPECT_EQ(views.setDocumentViewZoom(view, 0), TV_ERR_BAD_PARAMETER);
    EXPECT_EQ(views.setDocumentViewZoom(view, std::numeric_limits<float>::infinity()), TV_ERR_BAD_PARAMETER);
    ASSERT_EQ(views.setDocumentViewZoom(view, 4), 0);
    const TvIntPoint px{0, 0};
    TvRealPoint p{};
    ASSERT_EQ(views.viewPointToArtworkPoint(view, &px, &p), 0);
    EXPECT_EQ(p.h, 200 - 100);
    EXPECT_EQ(p.v, 150 + 75);

    env.close();
    EXPECT_EQ(documentSuite().getDocumentSetup(&setup), TV_ERR_BAD_PARAMETER);
}

} // namespace
} // namespace tovrins::host
