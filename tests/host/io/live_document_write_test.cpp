// Writing straight from the live document: the same text as writing a copy
// of it, handed on in chunks when asked, and the nesting limit kept.
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/host/io/io_test_support.hpp"
#include "host/document/document.hpp"
#include "host/io/json_document.hpp"
#include "host/io/svg_export.hpp"
#include "host/io/svg_import.hpp"

namespace tovrins::host {
namespace {

namespace fs = std::filesystem;
using testing::straightPath;

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Moves every piece of art without its paints, so that the document makes
// derived gradients and patterns the writers must list.
void moveEverything(Document& doc)
{
    constexpr int32_t kObjectOnly = 1;
    for (LayerId layer : doc.layerOrder()) {
        const std::vector<ArtId> art(doc.findLayer(layer)->art.begin(), doc.findLayer(layer)->art.end());
        for (ArtId id : art)
            doc.transform(id, {1, 0, 0, 1, 7.5f, -3}, 1, kObjectOnly);
    }
}

// Every feature file (gradients, clip paths, text, images, instances,
// kept attributes, nested groups), as read and after being moved.
TEST(LiveDocumentWrite, GivesTheTextOfACopyOfTheDocument)
{
    int files = 0;
    for (const auto& entry : fs::directory_iterator(TOVRINS_FEATURES_DIR)) {
        if (entry.path().extension() != ".svg")
            continue;
        ++files;
        std::vector<std::string> warnings;
        Document doc(readSvg(readFile(entry.path()), entry.path().string(), warnings));
        for (int moved = 0; moved < 2; ++moved) {
            const std::string what = entry.path().filename().string() + (moved ? " moved" : " as read");
            const DocumentData copy = doc.data();
            EXPECT_EQ(writeSvg(doc), writeSvg(copy)) << what;
            EXPECT_EQ(writeJson(doc), writeJson(copy)) << what;
            moveEverything(doc);
        }
    }
    EXPECT_GT(files, 10);
}

DocumentData manyPaths(int count)
{
    DocumentData d;
    std::vector<ArtData> art;
    for (int i = 0; i < count; ++i) {
        ArtData path = straightPath({{i * 0.25f, 1.5f}, {i + 0.125f, 7}, {3, i * 0.5f}, {0.1f, 0.2f}}, true);
        path.id = "p" + std::to_string(i);
        art.push_back(std::move(path));
    }
    d.layers.push_back({"Below", true, false, {}});
    d.layers.push_back({"Art", true, false, std::move(art)});
    return d;
}

// A document larger than a chunk is handed on in several pieces that
// together are the whole text, none much larger than a chunk.
TEST(LiveDocumentWrite, LargeDocumentsAreHandedOnInChunks)
{
    const Document doc(manyPaths(20000));
    const std::string svg = writeSvg(doc);
    const std::string json = writeJson(doc);
    ASSERT_GT(svg.size(), 2 * TextOutput::kChunk);
    for (const bool asJson : {false, true}) {
        std::vector<std::string> pieces;
        const TextDrain keep = [&](std::string_view piece) { pieces.emplace_back(piece); };
        asJson ? writeJson(doc, keep) : writeSvg(doc, keep);
        ASSERT_GT(pieces.size(), 2u);
        std::string whole;
        for (size_t i = 0; i < pieces.size(); ++i) {
            EXPECT_FALSE(pieces[i].empty()) << i;
            EXPECT_LT(pieces[i].size(), TextOutput::kChunk + 4096) << i;
            if (i + 1 < pieces.size()) {
                EXPECT_GE(pieces[i].size(), TextOutput::kChunk) << i;
            }
            whole += pieces[i];
        }
        EXPECT_EQ(whole, asJson ? json : svg);
    }
}

// A small document is handed on whole, once; an empty one too.
TEST(LiveDocumentWrite, SmallDocumentsAreHandedOnOnce)
{
    for (const DocumentData& data : {manyPaths(3), DocumentData{}}) {
        const Document doc(data);
        std::vector<std::string> pieces;
        writeSvg(doc, [&](std::string_view piece) { pieces.emplace_back(piece); });
        ASSERT_EQ(pieces.size(), 1u);
        EXPECT_EQ(pieces[0], writeSvg(doc.data()));
    }
}

ArtData nested(int depth)
{
    ArtData art = straightPath({{1, 2}, {3, 4}}, false);
    for (int i = 0; i < depth; ++i) {
        ArtData group;
        group.type = ArtType::Group;
        group.children.push_back(std::move(art));
        art = std::move(group);
    }
    return art;
}

// Art nested deeper than the limit is refused by both writers, also when
// the text before it has already been handed on; at the limit it is written.
TEST(LiveDocumentWrite, NestingBeyondTheLimitIsRefusedMidStream)
{
    DocumentData deep = manyPaths(20000);
    deep.layers.back().art.push_back(nested(kMaxArtDepth + 1));
    const Document tooDeep(deep);
    for (const bool asJson : {false, true}) {
        size_t handedOn = 0;
        const TextDrain count = [&](std::string_view piece) { handedOn += piece.size(); };
        EXPECT_THROW(asJson ? writeJson(tooDeep, count) : writeSvg(tooDeep, count), std::runtime_error);
        EXPECT_GT(handedOn, 0u) << "the failure came before any text was handed on";
    }
    DocumentData limit;
    limit.layers.push_back({"L", true, false, {nested(kMaxArtDepth)}});
    const Document atLimit(limit);
    EXPECT_EQ(readJson(writeJson(atLimit), "limit.json").layers[0].art.size(), 1u);
    std::vector<std::string> warnings;
    EXPECT_EQ(readSvg(writeSvg(atLimit), "limit.svg", warnings).layers.size(), 1u);
}

} // namespace
} // namespace tovrins::host

namespace tovrins::host {
namespace {

// A run of paths that look alike is spelt once and repeated; every change
// of look, however small, is spelt anew: paint, stroke width, opacity, and
// (in SVG) the scale of the space the stroke width is written in.
TEST(LiveDocumentWrite, EachPathKeepsItsOwnLook)
{
    std::vector<ArtData> art;
    auto add = [&](auto change) {
        ArtData path = straightPath({{1, 2}, {3, 4}, {5, 1}}, true);
        path.style.stroke = {TV_COLOR_RGB, {0.25f, 0.25f, 0.25f, 0}};
        change(path);
        art.push_back(std::move(path));
    };
    add([](ArtData&) { });
    add([](ArtData&) { });
    add([](ArtData& a) { a.style.fill.components[1] = 0.75f; });
    add([](ArtData& a) { a.style.strokeWidth = 3; });
    add([](ArtData& a) { a.style.opacity = 0.5f; });
    add([](ArtData& a) { a.style.stroke = {TV_COLOR_PROCESS, {0.1f, 0.2f, 0.3f, 0.4f}}; });
    add([](ArtData&) { });
    ArtData group;
    group.type = ArtType::Group;
    group.space = TvRealMatrix{2, 0, 0, 2, 0, 0};
    group.style.opacity = 1;
    add([](ArtData&) { });
    group.children.push_back(art.back()); // the same look, in a space scaled twice
    art.pop_back();
    art.push_back(group);
    add([](ArtData&) { });
    DocumentData data;
    data.width = data.height = 100;
    data.layers.push_back({"L", true, false, art});

    const Document doc(data);
    const std::string svg = writeSvg(doc);
    EXPECT_EQ(svg, writeSvg(data));
    std::vector<std::string> warnings;
    const DocumentData back = readSvg(svg, "looks.svg", warnings);
    std::vector<const ArtData*> written, read;
    testing::collectPaths(data.layers[0].art, written);
    testing::collectPaths(back.layers.at(0).art, read);
    ASSERT_EQ(read.size(), written.size());
    for (size_t i = 0; i < read.size(); ++i) {
        const TvPathStyle& in = written[i]->style;
        const TvPathStyle& out = read[i]->style;
        EXPECT_EQ(out.fill.kind, in.fill.kind) << i;
        EXPECT_NEAR(out.fill.components[1], in.fill.components[1], 0.003) << i;
        EXPECT_EQ(out.stroke.kind, in.stroke.kind) << i;
        EXPECT_NEAR(out.strokeWidth, in.strokeWidth, 1e-6) << i;
        EXPECT_NEAR(out.opacity, in.opacity, 1e-6) << i;
    }
    // JSON keeps every look exactly.
    const DocumentData fromJson = readJson(writeJson(doc), "looks.json");
    std::vector<const ArtData*> jsonPaths;
    testing::collectPaths(fromJson.layers.at(0).art, jsonPaths);
    ASSERT_EQ(jsonPaths.size(), written.size());
    for (size_t i = 0; i < jsonPaths.size(); ++i)
        EXPECT_EQ(std::memcmp(&jsonPaths[i]->style, &written[i]->style, sizeof(TvPathStyle)), 0) << i;
    // The path in the scaled group writes half the width of its twin.
    EXPECT_NE(svg.find("stroke-width=\"0.5\""), std::string::npos) << svg;
    EXPECT_NE(svg.find("style=\"stroke:device-cmyk(0.100000001, "), std::string::npos) << svg;
}

} // namespace
} // namespace tovrins::host
