#include "app/art_selection.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/app_error.hpp"

namespace tovrins::app {
namespace {

using ::testing::HasSubstr;

host::ArtData art(std::string id, std::vector<host::ArtData> children = {})
{
    host::ArtData a;
    a.type = children.empty() ? host::ArtType::Path : host::ArtType::Group;
    a.id = std::move(id);
    a.children = std::move(children);
    return a;
}

// Layer 0: box, group pair{dot, tick}; layer 1 (locked): lid; layer 2 (hidden): ghost.
host::DocumentData sample()
{
    host::DocumentData doc;
    doc.layers.push_back({"Main", true, false, {art("box"), art("pair", {art("dot"), art("tick")})}});
    doc.layers.push_back({"Locked", true, true, {art("lid")}});
    doc.layers.push_back({"Hidden", false, false, {art("ghost")}});
    doc.layers[0].art[0].selected = true; // a selection saved in the file is replaced
    return doc;
}

const host::ArtData& at(const host::DocumentData& doc, size_t layer, size_t index)
{
    return doc.layers[layer].art[index];
}

TEST(ArtSelection, AllSelectsTheArtOfVisibleUnlockedLayers)
{
    host::DocumentData doc = sample();
    applySelection(doc, SelectionRequest{}, "in.svg");
    EXPECT_TRUE(at(doc, 0, 0).selected);
    EXPECT_TRUE(at(doc, 0, 1).selected);
    EXPECT_TRUE(at(doc, 0, 1).children[0].selected && at(doc, 0, 1).children[1].selected);
    EXPECT_FALSE(at(doc, 1, 0).selected);
    EXPECT_FALSE(at(doc, 2, 0).selected);
}

TEST(ArtSelection, IdsSelectTheirArtAndWhatIsInsideOnly)
{
    host::DocumentData doc = sample();
    applySelection(doc, SelectionRequest{false, {"pair", "lid"}}, "in.svg");
    EXPECT_FALSE(at(doc, 0, 0).selected);
    EXPECT_TRUE(at(doc, 0, 1).selected);
    EXPECT_TRUE(at(doc, 0, 1).children[1].selected);
    EXPECT_TRUE(at(doc, 1, 0).selected); // named explicitly; the host decides what a locked layer allows

    host::DocumentData inner = sample();
    applySelection(inner, SelectionRequest{false, {"tick"}}, "in.svg");
    EXPECT_FALSE(at(inner, 0, 1).selected);
    EXPECT_FALSE(at(inner, 0, 1).children[0].selected);
    EXPECT_TRUE(at(inner, 0, 1).children[1].selected);
}

TEST(ArtSelection, UnknownIdsAreNamed)
{
    host::DocumentData doc = sample();
    try {
        applySelection(doc, SelectionRequest{false, {"box", "nope", "dot", "gone", "nope"}}, "in.svg");
        FAIL() << "unknown ids were accepted";
    } catch (const UsageError& e) {
        EXPECT_THAT(e.what(), HasSubstr("in.svg"));
        EXPECT_THAT(e.what(), HasSubstr("'gone', 'nope'"));
        EXPECT_THAT(e.what(), ::testing::Not(HasSubstr("'box'")));
        EXPECT_THAT(e.what(), ::testing::Not(HasSubstr("'dot'")));
    }
    // Art without an id cannot be named by an empty one.
    host::DocumentData unnamed;
    unnamed.layers.push_back({"L", true, false, {art("")}});
    EXPECT_THROW(applySelection(unnamed, SelectionRequest{false, {""}}, "x.json"), UsageError);
}

} // namespace
} // namespace tovrins::app
