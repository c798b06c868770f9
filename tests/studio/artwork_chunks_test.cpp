// The artwork split into images the page stacks: every visible art in
// order, once; unchanged runs keep their names; documents whose art draws
// across images stay whole; the cache splits once a revision.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "host/io/svg_export.hpp"
#include "host/io/svg_import.hpp"
#include "studio/art_fingerprint.hpp"
#include "studio/artwork_chunks.hpp"

namespace tovrins::studio {
namespace {

host::ArtData triangle(const std::string& id, float x)
{
    host::ArtData art;
    art.id = id;
    art.closed = true;
    for (const TvRealPoint p : {TvRealPoint{x, 0}, TvRealPoint{x + 10, 0}, TvRealPoint{x + 5, 8}})
        art.segments.push_back({p, p, p, true});
    return art;
}

host::LayerData layer(const std::string& name, const std::string& prefix, int count, bool visible = true)
{
    host::LayerData l{name, visible, false, {}};
    for (int i = 0; i < count; ++i)
        l.art.push_back(triangle(prefix + std::to_string(i), static_cast<float>(i)));
    return l;
}

host::DocumentData drawing()
{
    host::DocumentData doc;
    doc.width = doc.height = 400;
    doc.layers = {layer("Back", "b", 3), layer("Hidden", "h", 2, false), layer("Copies", "c", 1200)};
    return doc;
}

// The ids of the art an image holds, read back as the browser would.
std::vector<std::string> artIds(const ArtworkChunk& chunk)
{
    std::vector<std::string> warnings;
    const host::DocumentData read = host::readSvg(chunk.svg, "chunk.svg", warnings);
    std::vector<std::string> ids;
    for (const host::LayerData& l : read.layers)
        for (const host::ArtData& art : l.art)
            ids.push_back(art.id);
    return ids;
}

// The live route, from a document opened on `data`.
std::vector<ArtworkChunk> split(const host::DocumentData& data, size_t mostArtPerChunk = kMostArtPerChunk,
                                const KnownImage& known = {})
{
    return splitArtwork(host::Document(data), mostArtPerChunk, known);
}

std::vector<std::string> keysOf(const std::vector<ArtworkChunk>& chunks)
{
    std::vector<std::string> keys;
    for (const ArtworkChunk& c : chunks)
        keys.push_back(c.key);
    return keys;
}

TEST(ArtworkChunks, HoldEveryVisibleArtOnceInOrderInRunsOfOneLayer)
{
    const std::vector<ArtworkChunk> chunks = split(drawing(), 500);
    ASSERT_EQ(chunks.size(), 4u); // Back; Copies in 500, 500 and 200; Hidden not drawn
    EXPECT_EQ(artIds(chunks[0]), (std::vector<std::string>{"b0", "b1", "b2"}));
    std::vector<std::string> copies;
    for (size_t i = 1; i < chunks.size(); ++i) {
        const std::vector<std::string> ids = artIds(chunks[i]);
        EXPECT_EQ(ids.size(), i < 3 ? 500u : 200u);
        copies.insert(copies.end(), ids.begin(), ids.end());
    }
    ASSERT_EQ(copies.size(), 1200u);
    for (size_t i = 0; i < copies.size(); ++i)
        ASSERT_EQ(copies[i], "c" + std::to_string(i));
    // Each image is a page of the document's size, so that they stack.
    EXPECT_NE(chunks[1].svg.find("viewBox=\"0 0 400 400\""), std::string::npos);
}

TEST(ArtworkChunks, UnchangedRunsKeepTheirKeysAndChangedOnesGetNewOnes)
{
    const std::vector<std::string> before = keysOf(split(drawing(), 500));
    EXPECT_EQ(keysOf(split(drawing(), 500)), before);

    host::DocumentData more = drawing();
    more.layers[2].art.push_back(triangle("c1200", 3));
    const std::vector<std::string> added = keysOf(split(more, 500));
    ASSERT_EQ(added.size(), 4u);
    EXPECT_EQ(std::vector(added.begin(), added.begin() + 3), std::vector(before.begin(), before.begin() + 3));
    EXPECT_NE(added[3], before[3]);

    // Layer names and locks are not drawn: renamed and locked, the same images.
    host::DocumentData renamed = drawing();
    renamed.layers[2].name = "Layer 21";
    renamed.layers[2].locked = true;
    EXPECT_EQ(keysOf(split(renamed, 500)), before);

    host::DocumentData moved = drawing();
    moved.layers[0].art[1].segments[0].p.h += 1;
    const std::vector<std::string> changed = keysOf(split(moved, 500));
    EXPECT_NE(changed[0], before[0]);
    EXPECT_EQ(std::vector(changed.begin() + 1, changed.end()), std::vector(before.begin() + 1, before.end()));
}

TEST(ArtworkChunks, ArtThatDrawsAcrossImagesKeepsTheDocumentWhole)
{
    host::DocumentData used = drawing();
    host::ArtData use;
    use.type = host::ArtType::Instance;
    use.id = "u";
    use.sourceXml = "<use href=\"#b0\"/>";
    used.layers[2].art.push_back(use);
    host::DocumentData blended = drawing();
    blended.layers[0].art[0].attributes.push_back({"mix-blend-mode", "multiply"});
    host::DocumentData grouped = drawing();
    host::ArtData group;
    group.type = host::ArtType::Group;
    group.children.push_back(triangle("g0", 1));
    group.children.back().attributes.push_back({"style", "mix-blend-mode:screen"});
    grouped.layers[0].art.push_back(group);

    for (const host::DocumentData& doc : {used, blended, grouped}) {
        const std::vector<ArtworkChunk> chunks = split(doc);
        ASSERT_EQ(chunks.size(), 1u);
        EXPECT_EQ(chunks[0].svg, host::writeSvg(doc));
    }
}

TEST(ArtworkChunks, AnEmptyDocumentHasNoImagesAndARunOfZeroStillSplits)
{
    host::DocumentData empty;
    empty.layers = {host::LayerData{"Layer 1", true, false, {}}};
    EXPECT_TRUE(split(empty).empty());
    host::DocumentData few;
    few.layers = {layer("Few", "f", 5)};
    EXPECT_EQ(split(few, 0).size(), 5u);
}

TEST(ArtworkCache, SplitsOnceARevisionAndKeepsThePreviousRevisionsImages)
{
    ArtworkCache cache;
    int splits = 0;
    host::DocumentData doc = drawing();
    std::optional<host::Document> live;
    const auto current = [&]() -> const host::Document& {
        ++splits;
        return live.emplace(doc);
    };
    const std::vector<std::string> first = cache.keys(1, current);
    EXPECT_EQ(cache.keys(1, current), first);
    EXPECT_EQ(splits, 1);
    ASSERT_NE(cache.find(first[0]), nullptr);
    EXPECT_NE(cache.find(first[0])->find("b0"), std::string::npos);
    EXPECT_EQ(cache.find("0000000000000000-1"), nullptr);

    doc.layers[0].art.pop_back();
    const std::vector<std::string> second = cache.keys(2, current);
    EXPECT_EQ(splits, 2);
    EXPECT_NE(second[0], first[0]);
    EXPECT_NE(cache.find(first[0]), nullptr) << "a page a revision behind still fetches its images";
    doc.layers[0].art.pop_back();
    cache.keys(3, current);
    EXPECT_EQ(cache.find(first[0]), nullptr) << "two revisions back is gone";
    EXPECT_NE(cache.find(second[0]), nullptr);
}

TEST(ArtworkCache, WritesOnlyTheImagesItDoesNotHold)
{
    ArtworkCache cache;
    host::DocumentData doc = drawing();
    std::optional<host::Document> live;
    const auto current = [&]() -> const host::Document& { return live.emplace(doc); };
    const std::vector<std::string> first = cache.keys(1, current);
    const std::string* sky = cache.find(first[0]);
    doc.layers[2].art.pop_back();
    const std::vector<std::string> second = cache.keys(2, current);
    EXPECT_EQ(second[0], first[0]);
    EXPECT_EQ(cache.find(second[0]), sky) << "an image held already was written again";
    EXPECT_NE(second[1], first[1]);

    std::vector<std::string> asked;
    const std::vector<ArtworkChunk> known = split(drawing(), 500, [&](const std::string& key) {
        asked.push_back(key);
        return key == first[0];
    });
    EXPECT_EQ(asked.size(), known.size());
    EXPECT_TRUE(known[0].svg.empty());
    EXPECT_FALSE(known[1].svg.empty());
}

TEST(ArtFingerprint, EveryFieldTheWriterDrawsFromChangesIt)
{
    host::ArtData base = triangle("t", 1);
    base.children.push_back(triangle("child", 2));
    base.attributes.push_back({"stroke-dasharray", "2 1"});
    const auto print = [](const host::ArtData& art) {
        ArtFingerprint f;
        f.add(art);
        return f.value();
    };
    const std::vector<std::function<void(host::ArtData&)>> changes{
        [](host::ArtData& a) { a.type = host::ArtType::CompoundPath; },
        [](host::ArtData& a) { a.id = "u"; },
        [](host::ArtData& a) { a.style.fill.kind = 1; },
        [](host::ArtData& a) { a.style.stroke.components[3] = 0.5f; },
        [](host::ArtData& a) { a.style.strokeWidth = 2; },
        [](host::ArtData& a) { a.style.opacity = 0.5f; },
        [](host::ArtData& a) { a.closed = false; },
        [](host::ArtData& a) { a.segments[1].in.v = 3; },
        [](host::ArtData& a) { a.segments[2].out.h = 3; },
        [](host::ArtData& a) { a.segments[0].corner = false; },
        [](host::ArtData& a) { a.children[0].segments[0].p.h = 9; },
        [](host::ArtData& a) { a.children.clear(); },
        [](host::ArtData& a) { a.matrix.tx = 1; },
        [](host::ArtData& a) { a.bounds.right = 1; },
        [](host::ArtData& a) { a.content = "Hello"; },
        [](host::ArtData& a) { a.sourceXml = "<text/>"; },
        [](host::ArtData& a) { a.space = TvRealMatrix{1, 0, 0, 1, 0, 0}; },
        [](host::ArtData& a) { a.fillPaint = "g1"; },
        [](host::ArtData& a) { a.strokePaint = "g1"; },
        [](host::ArtData& a) { a.attributes[0].value = "2 2"; },
        [](host::ArtData& a) { a.attributes[0].name = "stroke-dashoffset"; },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        host::ArtData changed = base;
        changes[i](changed);
        EXPECT_NE(print(changed), print(base)) << "change " << i << " left the fingerprint as it was";
    }
    EXPECT_EQ(print(host::ArtData(base)), print(base));
    host::ArtData selected = base;
    selected.selected = true;
    EXPECT_EQ(print(selected), print(base)) << "selection is outlined over the images, not drawn in them";

    const auto shared = [](const host::DocumentData& d) {
        ArtFingerprint f;
        f.addShared(d);
        return f.value();
    };
    const host::DocumentData doc = drawing();
    const std::vector<std::function<void(host::DocumentData&)>> docChanges{
        [](host::DocumentData& d) { d.width = 401; },
        [](host::DocumentData& d) { d.height = 401; },
        [](host::DocumentData& d) { d.definitions = "<linearGradient id=\"g\"/>"; },
        [](host::DocumentData& d) {
            d.paintServers.push_back({"g", "linearGradient", false, {1, 0, 0, 1, 0, 0}});
        },
        [](host::DocumentData& d) {
            d.derivedPaints.push_back({"g-1", "g", "linearGradient", {1, 0, 0, 1, 5, 0}});
        },
        [](host::DocumentData& d) {
            d.rootAttributes.push_back({"width", "400pt"});
        },
    };
    for (size_t i = 0; i < docChanges.size(); ++i) {
        host::DocumentData changed = doc;
        docChanges[i](changed);
        EXPECT_NE(shared(changed), shared(doc)) << "document change " << i << " left the fingerprint as it was";
    }
    // The same letters split otherwise between an attribute's name and value.
    host::ArtData split = base, splitOtherwise = base;
    split.attributes[0] = {"ab", "c"};
    splitOtherwise.attributes[0] = {"a", "bc"};
    EXPECT_NE(print(split), print(splitOtherwise));
}

} // namespace
} // namespace tovrins::studio
