// Writing straight from the live document: the same text as writing a copy
// of it, handed on in chunks when asked, and the nesting limit kept.
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
