// SVG export read back by the importer, and the shipped example artwork.
#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/host/io/io_test_support.hpp"
#include "host/io/json_document.hpp"
#include "host/io/svg_export.hpp"
#include "host/io/svg_import.hpp"

namespace tovrins::host {
namespace {

using testing::collectPaths;
using ::testing::HasSubstr;
using testing::straightPath;

// Export writes y = height - v and import reads height - y, both in float:
// the loss is a rounding at the document's size, well under 1e-6 of it.
void expectNear(TvRealPoint a, TvRealPoint b, float size, const std::string& where)
{
    const float tol = 1e-6f * size;
    EXPECT_NEAR(a.h, b.h, tol) << where;
    EXPECT_NEAR(a.v, b.v, tol) << where;
}

DocumentData sample()
{
    DocumentData d;
    d.width = 500;
    d.height = 300;
    ArtData curve = straightPath({{10.1f, 20.3f}, {200.7f, 250.9f}, {300, 0.001f}}, false);
    curve.id = "curve";
    curve.segments[0].out = {50.25f, 100.5f};
    curve.segments[1].in = {150.125f, 240};
    curve.segments[1].out = {251.3f, 261.5f};
    curve.segments[1].corner = false;
    curve.style.stroke = {TV_COLOR_GRAY, {0.5f, 0, 0, 0}};
    curve.style.strokeWidth = 3.5f;
    curve.style.opacity = 0.75f;

    // Closed with a curved closing segment, and with a straight one.
    ArtData blob = straightPath({{100, 100}, {200, 100}, {150, 180}}, true);
    blob.segments[2].out = {120, 190};
    blob.segments[0].in = {90, 150};
    ArtData tri = straightPath({{1, 1}, {9, 1}, {5, 7}}, true);
    tri.style.fill = {TV_COLOR_PROCESS, {0.1f, 0.2f, 0.3f, 0.4f}};

    ArtData compound;
    compound.type = ArtType::CompoundPath;
    compound.style = tri.style;
    compound.children = {straightPath({{0, 0}, {50, 0}, {50, 50}}, true),
                         straightPath({{10, 5}, {40, 5}, {40, 30}}, true)};
    for (ArtData& c : compound.children)
        c.style = tri.style;

    ArtData group;
    group.type = ArtType::Group;
    group.id = "grp";
    group.children = {blob, compound};

    ArtData text;
    text.type = ArtType::Text;
    text.content = "Made here";
    text.bounds = {0, 8, 45, -2};
    text.matrix = {0.8f, 0.6f, -0.6f, 0.8f, 40, 60};
    text.style = tri.style;

    d.layers.push_back({"Hidden", false, true, {tri}});
    d.layers.push_back({"Main", true, false, {curve, group, text}});
    d.currentLayer = 1;
    return d;
}

TEST(SvgRoundTrip, ExportThenImportKeepsGeometryStyleAndLayers)
{
    const DocumentData d = sample();
    const std::string svg = writeSvg(d);
    std::vector<std::string> warnings;
    const DocumentData back = readSvg(svg, "export.svg", warnings);
    EXPECT_THAT(warnings, ::testing::IsEmpty());
    EXPECT_EQ(back.width, d.width);
    EXPECT_EQ(back.height, d.height);
    ASSERT_EQ(back.layers.size(), 2u);
    EXPECT_EQ(back.layers[0].name, "Hidden");
    EXPECT_FALSE(back.layers[0].visible);
    EXPECT_TRUE(back.layers[0].locked);
    EXPECT_TRUE(back.layers[1].visible);
    EXPECT_FALSE(back.layers[1].locked);

    for (size_t l = 0; l < d.layers.size(); ++l) {
        std::vector<const ArtData*> want, got;
        collectPaths(d.layers[l].art, want);
        collectPaths(back.layers[l].art, got);
        ASSERT_EQ(got.size(), want.size()) << "layer " << l;
        for (size_t i = 0; i < want.size(); ++i) {
            const std::string where = "layer " + std::to_string(l) + " path " + std::to_string(i);
            const ArtData& a = *want[i];
            const ArtData& b = *got[i];
            EXPECT_EQ(b.closed, a.closed) << where;
            ASSERT_EQ(b.segments.size(), a.segments.size()) << where;
            for (size_t k = 0; k < a.segments.size(); ++k) {
                expectNear(b.segments[k].p, a.segments[k].p, d.height, where + " p" + std::to_string(k));
                expectNear(b.segments[k].in, a.segments[k].in, d.height, where + " in" + std::to_string(k));
                expectNear(b.segments[k].out, a.segments[k].out, d.height, where + " out" + std::to_string(k));
            }
            EXPECT_EQ(b.style.fill.kind, a.style.fill.kind == TV_COLOR_GRAY ? TV_COLOR_RGB : a.style.fill.kind);
            EXPECT_NEAR(b.style.strokeWidth, a.style.strokeWidth, 1e-6) << where;
            EXPECT_NEAR(b.style.opacity, a.style.opacity, 1e-6) << where;
        }
    }
    // CMYK survives as device-cmyk(); the compound path stays compound.
    const ArtData& grp = back.layers[1].art[1];
    ASSERT_EQ(grp.type, ArtType::Group);
    EXPECT_EQ(grp.id, "grp");
    ASSERT_EQ(grp.children.size(), 2u);
    EXPECT_EQ(grp.children[1].type, ArtType::CompoundPath);
    EXPECT_EQ(grp.children[1].style.fill.kind, TV_COLOR_PROCESS);
    EXPECT_NEAR(grp.children[1].style.fill.components[2], 0.3f, 1e-6);
    EXPECT_EQ(back.layers[1].art[0].id, "curve");
    EXPECT_EQ(back.layers[1].art[0].style.stroke.kind, TV_COLOR_RGB);
    EXPECT_NEAR(back.layers[1].art[0].style.stroke.components[0], 128 / 255.f, 1e-6);
}

TEST(SvgRoundTrip, TextKeepsItsMatrixBoundsAndContent)
{
    const DocumentData d = sample();
    std::vector<std::string> warnings;
    const DocumentData once = readSvg(writeSvg(d), "export.svg", warnings);
    // Twice: the second export writes back the source element kept the first time.
    const DocumentData twice = readSvg(writeSvg(once), "export2.svg", warnings);
    EXPECT_THAT(warnings, ::testing::IsEmpty());
    const ArtData& want = d.layers[1].art[2];
    for (const DocumentData* back : {&once, &twice}) {
        ASSERT_EQ(back->layers[1].art.size(), 3u);
        const ArtData& t = back->layers[1].art[2];
        ASSERT_EQ(t.type, ArtType::Text);
        EXPECT_EQ(t.content, "Made here");
        EXPECT_NEAR(t.matrix.a, want.matrix.a, 1e-6);
        EXPECT_NEAR(t.matrix.b, want.matrix.b, 1e-6);
        EXPECT_NEAR(t.matrix.c, want.matrix.c, 1e-6);
        EXPECT_NEAR(t.matrix.d, want.matrix.d, 1e-6);
        EXPECT_NEAR(t.matrix.tx, want.matrix.tx, 1e-4);
        EXPECT_NEAR(t.matrix.ty, want.matrix.ty, 1e-4);
        EXPECT_NEAR(t.bounds.left, want.bounds.left, 1e-4);
        EXPECT_NEAR(t.bounds.top, want.bounds.top, 1e-4);
        EXPECT_NEAR(t.bounds.bottom, want.bounds.bottom, 1e-4);
    }
}

// Export writes any float the document holds, the largest included
// ("3.4028235e+38"), and import reads every such number back exactly.
TEST(SvgRoundTrip, CoordinatesUpToTheLargestFloatReadBack)
{
    constexpr float kMax = std::numeric_limits<float>::max();
    DocumentData d;
    d.width = 500;
    d.height = 300;
    ArtData far = straightPath({{kMax, 0}, {-kMax, 3e38f}, {1, -kMax}, {-3e-38f, 1e-45f}}, true);
    far.id = "far";
    ArtData text;
    text.type = ArtType::Text;
    text.id = "faraway";
    text.content = "far";
    text.matrix = {1, 0, 0, 1, -kMax, kMax};
    text.bounds = {0, 12, 30, -3};
    d.layers.push_back({"Layer 1", true, false, {far, text}});
    const std::string svg = writeSvg(d);
    EXPECT_THAT(svg, HasSubstr("3.4028235e+38"));
    std::vector<std::string> warnings;
    const DocumentData back = readSvg(svg, "far.svg", warnings);
    EXPECT_THAT(warnings, ::testing::IsEmpty());
    ASSERT_EQ(back.layers.size(), 1u);
    ASSERT_EQ(back.layers[0].art.size(), 2u);
    const ArtData& path = back.layers[0].art[0];
    ASSERT_EQ(path.segments.size(), far.segments.size());
    for (size_t i = 0; i < far.segments.size(); ++i) {
        // y goes through height - y twice: lost at this size only below 1e-6 of it.
        expectNear(path.segments[i].p, far.segments[i].p, 300, "anchor " + std::to_string(i));
        EXPECT_EQ(std::fabs(path.segments[i].p.h), std::fabs(far.segments[i].p.h)) << i;
    }
    EXPECT_EQ(path.segments[0].p.h, kMax);
    EXPECT_EQ(path.segments[2].p.v, -kMax);
    const ArtData& t = back.layers[0].art[1];
    EXPECT_EQ(t.matrix.tx, -kMax);
    EXPECT_EQ(t.matrix.ty, kMax);
}

// Just beyond the largest float a number is out of range: one clear
// sentence naming the element, never an infinity in the document.
TEST(SvgRoundTrip, NumbersJustBeyondTheLargestFloatAreRefused)
{
    std::vector<std::string> warnings;
    const DocumentData d =
        readSvg(R"(<svg width="10" height="10"><path id="p" d="M 0 0 L 3.4028235e+38 0 L 3.4028236e+38 0"/></svg>)",
                "big.svg", warnings);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_THAT(warnings[0], HasSubstr("\"p\" up to its error: number out of range for 'L'"));
    ASSERT_EQ(d.layers.at(0).art.size(), 1u);
    EXPECT_EQ(d.layers[0].art[0].segments.size(), 2u) << "the path up to the number a float cannot hold";
    for (const char* text : {R"~(<svg><path id="p" d="M 3e38 0 l 3e38 0"/></svg>)~",
                             R"~(<svg><rect id="p" x="3e38" width="3e38" height="1"/></svg>)~",
                             R"~(<svg><path id="p" transform="translate(3.4028236e38 0)" d="M 0 0 L 1 1"/></svg>)~"}) {
        try {
            readSvg(text, "big.svg", warnings);
            ADD_FAILURE() << "no error for " << text;
        } catch (const std::runtime_error& e) {
            EXPECT_THAT(e.what(),
                        ::testing::AnyOf(HasSubstr("big.svg has an element <path> \"p\""),
                                         HasSubstr("big.svg has an element <rect> \"p\"")))
                << text;
        }
    }
}

TEST(SvgRoundTrip, ExportIsStandaloneSvgInPoints)
{
    const std::string svg = writeSvg(sample());
    EXPECT_THAT(svg, HasSubstr(R"(width="500")"));
    EXPECT_THAT(svg, HasSubstr(R"(viewBox="0 0 500 300")"));
    EXPECT_THAT(svg, HasSubstr(R"(inkscape:groupmode="layer")"));
    EXPECT_THAT(svg, HasSubstr("device-cmyk(0.1"));
    // The first anchor (10.1, 20.3) is written y-down: 300 - 20.3.
    EXPECT_THAT(svg, HasSubstr("M 10.1 279.7"));
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(ExampleArtwork, StarImportsWithoutWarnings)
{
    const std::string path = std::string(TOVRINS_EXAMPLES_DIR) + "/star.svg";
    const std::string text = readFile(path);
    ASSERT_FALSE(text.empty()) << path;
    std::vector<std::string> warnings;
    const DocumentData d = readSvg(text, path, warnings);
    EXPECT_THAT(warnings, ::testing::IsEmpty());
    EXPECT_EQ(d.width, 400);
    EXPECT_EQ(d.height, 400);
    ASSERT_EQ(d.layers.size(), 2u);
    EXPECT_EQ(d.layers[1].name, "Star");
    ASSERT_EQ(d.layers[1].art.size(), 2u);
    const ArtData& star = d.layers[1].art[0];
    EXPECT_EQ(star.id, "star");
    ASSERT_EQ(star.type, ArtType::Path);
    EXPECT_TRUE(star.closed);
    EXPECT_EQ(star.segments.size(), 10u);
    EXPECT_EQ(star.style.fill.kind, TV_COLOR_RGB);
    EXPECT_EQ(star.style.stroke.kind, TV_COLOR_RGB);
    EXPECT_NEAR(star.style.strokeWidth, 6, 1e-6);
    // The top point is at SVG y 62, so 338 up from the bottom of the page.
    EXPECT_NEAR(artBounds(star).top, 338, 1e-3);
    EXPECT_EQ(d.layers[1].art[1].style.stroke.kind, TV_COLOR_NONE);
}

} // namespace
} // namespace tovrins::host

namespace tovrins::host {
namespace {

// The JSON example beside the SVG is that SVG read and written: it reads
// back and writes out byte for byte the same, so neither has gone stale.
TEST(ExampleArtwork, StarJsonIsTheStarSvgWritten)
{
    const std::string svgPath = std::string(TOVRINS_EXAMPLES_DIR) + "/star.svg";
    const std::string jsonPath = std::string(TOVRINS_EXAMPLES_DIR) + "/star.json";
    std::vector<std::string> warnings;
    const std::string json = readFile(jsonPath);
    EXPECT_EQ(writeJson(readSvg(readFile(svgPath), svgPath, warnings)), json);
    EXPECT_EQ(writeJson(readJson(json, jsonPath)), json);
}

// The example in docs/json.md is what the writer writes.
TEST(ExampleArtwork, JsonDocumentationExampleIsExact)
{
    const std::string doc = readFile(std::string(TOVRINS_DOCS_DIR) + "/json.md");
    const size_t start = doc.find("```json\n");
    ASSERT_NE(start, std::string::npos);
    const size_t end = doc.find("\n```", start + 8);
    ASSERT_NE(end, std::string::npos);
    const std::string example = doc.substr(start + 8, end - start - 8 + 1);
    const DocumentData d = readJson(example, "json.md");
    EXPECT_EQ(writeJson(d), example);
    EXPECT_EQ(d.seed, 42u);
    ASSERT_EQ(d.layers.size(), 1u);
    ASSERT_EQ(d.layers[0].art.size(), 2u);
    EXPECT_EQ(d.layers[0].art[1].type, ArtType::Text);
}

} // namespace
} // namespace tovrins::host
