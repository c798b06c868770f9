// The studio's images read from the live document in place: each is what
// the plain writer makes of its run of art on a page of one layer, plain and
// live art have one fingerprint, and keys follow what is drawn through the
// edits a preview makes (new layers, copies, styles, undo, hiding layers).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "host/io/svg_export.hpp"
#include "studio/art_fingerprint.hpp"
#include "studio/artwork_chunks.hpp"

namespace tovrins::studio {
namespace {

constexpr TvRealMatrix kIdentity{1, 0, 0, 1, 0, 0};

host::ArtData triangle(const std::string& id, float x)
{
    host::ArtData art;
    art.id = id;
    art.closed = true;
    art.style.fill = TvColor{TV_COLOR_RGB, {1, 0.5f, 0, 0}};
    for (const TvRealPoint p : {TvRealPoint{x, 0}, TvRealPoint{x + 10, 0}, TvRealPoint{x + 5, 8}})
        art.segments.push_back({p, p, p, true});
    return art;
}

// A gradient, kept attributes, a group, text, a hidden layer and a layer of
// seven: runs of three split it into several images.
host::DocumentData painted()
{
    host::DocumentData d;
    d.width = d.height = 300;
    d.definitions = "<defs><linearGradient id=\"g\"/><linearGradient id=\"h\"/></defs>";
    d.paintServers = {{"g", "linearGradient", true, kIdentity}, {"h", "linearGradient", true, kIdentity}};
    host::ArtData shaded = triangle("shaded", 0);
    shaded.style.fill.kind = TV_COLOR_GRADIENT;
    shaded.fillPaint = "g";
    shaded.attributes.push_back({"stroke-dasharray", "2 1"});
    host::ArtData group;
    group.type = host::ArtType::Group;
    group.id = "group";
    group.children = {triangle("inner0", 20), triangle("inner1", 30)};
    host::ArtData text;
    text.type = host::ArtType::Text;
    text.id = "label";
    text.content = "Hi";
    text.bounds = {0, 40, 20, 30};
    text.sourceXml = "<text font-size=\"10\">Hi</text>";
    host::LayerData back{"Back", true, false, {shaded, group, text, triangle("back3", 50)}};
    host::LayerData hidden{"Hidden", false, false, {triangle("hidden0", 60), triangle("hidden1", 70)}};
    host::LayerData copies{"Copies", true, false, {}};
    for (int i = 0; i < 7; ++i)
        copies.art.push_back(triangle("c" + std::to_string(i), static_cast<float>(10 * i)));
    d.layers = {back, hidden, copies};
    return d;
}

std::vector<std::string> keysOf(const host::Document& doc)
{
    std::vector<std::string> keys;
    for (const ArtworkChunk& c : splitArtwork(doc, 3))
        keys.push_back(c.key);
    return keys;
}

host::LayerId layerAt(const host::Document& doc, size_t index) { return doc.layerOrder().at(index); }
host::ArtId artAt(const host::Document& doc, size_t layer, size_t index)
{
    return doc.findLayer(layerAt(doc, layer))->art.at(index);
}

TEST(ArtworkLive, EachImageIsWhatThePlainWriterMakesOfItsRun)
{
    const host::Document doc(painted());
    const host::DocumentData plain = doc.data();
    std::vector<std::string> expected;
    for (const host::LayerData& layer : plain.layers) {
        if (!layer.visible)
            continue;
        for (size_t first = 0; first < layer.art.size(); first += 3) {
            host::DocumentData page = plain;
            page.currentLayer = 0;
            page.layers = {host::LayerData{"Artwork", true, false, {}}};
            const size_t end = std::min(layer.art.size(), first + 3);
            page.layers[0].art.assign(layer.art.begin() + static_cast<std::ptrdiff_t>(first),
                                      layer.art.begin() + static_cast<std::ptrdiff_t>(end));
            expected.push_back(host::writeSvg(page));
        }
    }
    const std::vector<ArtworkChunk> chunks = splitArtwork(doc, 3);
    ASSERT_EQ(chunks.size(), 5u); // Back in 3 and 1, Copies in 3, 3 and 1; Hidden not drawn
    for (size_t i = 0; i < chunks.size(); ++i)
        EXPECT_EQ(chunks[i].svg, expected[i]) << "image " << i;
    EXPECT_NE(chunks[0].svg.find("url(#g)"), std::string::npos);
    EXPECT_NE(chunks[0].svg.find("stroke-dasharray"), std::string::npos);
    for (const ArtworkChunk& c : chunks)
        EXPECT_EQ(c.svg.find("hidden"), std::string::npos) << "a hidden layer's art was drawn";
}

TEST(ArtworkLive, PlainAndLiveArtHaveOneFingerprint)
{
    const host::Document doc(painted());
    const host::DocumentData plain = doc.data();
    for (size_t l = 0; l < plain.layers.size(); ++l)
        for (size_t i = 0; i < plain.layers[l].art.size(); ++i) {
            ArtFingerprint asValues, asNodes;
            asValues.add(plain.layers[l].art[i]);
            asNodes.add(doc, *doc.find(artAt(doc, l, i)));
            EXPECT_EQ(asNodes.value(), asValues.value()) << "layer " << l << ", art " << i;
        }
}

TEST(ArtworkLive, APreviewsNewLayersLeaveTheImagesBelowAsTheyWere)
{
    host::Document doc(painted());
    const std::vector<std::string> before = keysOf(doc);
    // What a preview with a layer per copy does: a layer on top, each copy
    // of the selection moved onto it.
    doc.beginCommand();
    for (int pass = 0; pass < 2; ++pass) {
        host::LayerId layer = 0;
        ASSERT_EQ(doc.insertLayer(TV_PLACE_ABOVE_ALL, 0, layer), 0);
        ASSERT_EQ(doc.setCurrentLayer(layer), 0);
        for (size_t i = 0; i < 7; ++i) {
            host::ArtId copy = 0;
            ASSERT_EQ(doc.duplicate(artAt(doc, 2, i), TV_PLACE_ABOVE_ALL, 0, copy), 0);
            ASSERT_EQ(doc.transform(copy, TvRealMatrix{1, 0, 0, 1, 0, 12.f * (pass + 1)}, 1, 1), 0);
        }
    }
    const std::vector<std::string> previewed = keysOf(doc);
    ASSERT_EQ(previewed.size(), before.size() + 6);
    EXPECT_EQ(std::vector(previewed.begin(), previewed.begin() + 5), before);
    EXPECT_NE(previewed[5], previewed[8]) << "copies moved otherwise drew one image";
    doc.undoChanges();
    doc.endCommand();
    EXPECT_EQ(keysOf(doc), before) << "the preview undone, the images are the document's again";
    ASSERT_EQ(doc.setSelected(artAt(doc, 2, 0), true), 0);
    EXPECT_EQ(keysOf(doc), before) << "selection is outlined over the images, not drawn";
}

TEST(ArtworkLive, ADrawnChangeRenamesTheImageThatDrawsIt)
{
    const std::vector<std::string> before = keysOf(host::Document(painted()));
    // Each changes the first image (Back's first three art) and no other.
    const std::vector<std::pair<const char*, std::function<void(host::Document&)>>> liveEdits{
        {"colour",
         [](host::Document& d) {
             TvPathStyle s = d.find(artAt(d, 0, 1))->style;
             s.fill.components[1] = 0.25f;
             ASSERT_EQ(d.setStyle(artAt(d, 0, 1), s), 0);
         }},
        {"opacity",
         [](host::Document& d) {
             TvPathStyle s = d.find(artAt(d, 0, 2))->style;
             s.opacity = 0.5f;
             ASSERT_EQ(d.setStyle(artAt(d, 0, 2), s), 0);
         }},
        // The group, not the gradient's art: a gradient moved along is a
        // paint of the document's, drawn into every image.
        {"a point",
         [](host::Document& d) {
             ASSERT_EQ(d.transform(artAt(d, 0, 1), TvRealMatrix{1, 0, 0, 1, 0.5f, 0}, 1, 1), 0);
         }},
    };
    for (const auto& [what, edit] : liveEdits) {
        host::Document doc(painted());
        edit(doc);
        const std::vector<std::string> after = keysOf(doc);
        ASSERT_EQ(after.size(), before.size()) << what;
        EXPECT_NE(after[0], before[0]) << what << " left the image's key as it was";
        EXPECT_EQ(std::vector(after.begin() + 1, after.end()), std::vector(before.begin() + 1, before.end())) << what;
    }
    const std::vector<std::pair<const char*, std::function<void(host::DocumentData&)>>> fileEdits{
        {"the paint server", [](host::DocumentData& d) { d.layers[0].art[0].fillPaint = "h"; }},
        {"a kept attribute", [](host::DocumentData& d) { d.layers[0].art[0].attributes[0].value = "3 1"; }},
        {"a group's child", [](host::DocumentData& d) { d.layers[0].art[1].children[1].segments[2].p.v = 9; }},
        {"text", [](host::DocumentData& d) { d.layers[0].art[2].content = "Ho"; }},
    };
    for (const auto& [what, edit] : fileEdits) {
        host::DocumentData data = painted();
        edit(data);
        const std::vector<std::string> after = keysOf(host::Document(data));
        ASSERT_EQ(after.size(), before.size()) << what;
        EXPECT_NE(after[0], before[0]) << what << " left the image's key as it was";
        EXPECT_EQ(std::vector(after.begin() + 1, after.end()), std::vector(before.begin() + 1, before.end())) << what;
    }
    // Every image carries the definitions and paint servers.
    host::DocumentData moved = painted();
    moved.paintServers[1].transform.tx = 4;
    const std::vector<std::string> after = keysOf(host::Document(moved));
    for (size_t i = 0; i < after.size(); ++i)
        EXPECT_NE(after[i], before[i]) << "image " << i << " kept its key when a paint server moved";
}

TEST(ArtworkLive, HiddenLayersDrawNothingAndShownAgainDrawAsBefore)
{
    host::Document doc(painted());
    const std::vector<std::string> before = keysOf(doc);
    ASSERT_EQ(doc.setLayerProperties(layerAt(doc, 2), "Copies", false, false), 0);
    EXPECT_EQ(keysOf(doc), std::vector(before.begin(), before.begin() + 2)) << "the hidden layer's images stayed";
    ASSERT_EQ(doc.setLayerProperties(layerAt(doc, 1), "Hidden", true, true), 0);
    const std::vector<ArtworkChunk> shown = splitArtwork(doc, 3);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_NE(shown[2].svg.find("hidden1"), std::string::npos);
    ASSERT_EQ(doc.setLayerProperties(layerAt(doc, 1), "Hidden", false, false), 0);
    ASSERT_EQ(doc.setLayerProperties(layerAt(doc, 2), "Copies", true, false), 0);
    EXPECT_EQ(keysOf(doc), before);
}

} // namespace
} // namespace tovrins::studio
