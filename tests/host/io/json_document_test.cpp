// JSON documents: a full round trip, and errors that name the file and field.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <stdexcept>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/host/io/io_test_support.hpp"
#include "host/io/json_document.hpp"

namespace tovrins::host {
namespace {

using ::testing::AllOf;
using testing::corner;
using ::testing::HasSubstr;
using testing::straightPath;

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void expectSameColour(const TvColor& a, const TvColor& b, const std::string& where)
{
    EXPECT_EQ(a.kind, b.kind) << where;
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(a.components[i], b.components[i]) << where << " component " << i;
}

void expectSamePoint(TvRealPoint a, TvRealPoint b, const std::string& where)
{
    EXPECT_EQ(a.h, b.h) << where;
    EXPECT_EQ(a.v, b.v) << where;
}

void expectSameArt(const ArtData& a, const ArtData& b, const std::string& where)
{
    ASSERT_EQ(a.type, b.type) << where;
    EXPECT_EQ(a.id, b.id) << where;
    EXPECT_EQ(a.selected, b.selected) << where;
    expectSameColour(a.style.fill, b.style.fill, where + " fill");
    expectSameColour(a.style.stroke, b.style.stroke, where + " stroke");
    EXPECT_EQ(a.style.strokeWidth, b.style.strokeWidth) << where;
    EXPECT_EQ(a.style.opacity, b.style.opacity) << where;
    switch (a.type) {
    case ArtType::Path:
        EXPECT_EQ(a.closed, b.closed) << where;
        ASSERT_EQ(a.segments.size(), b.segments.size()) << where;
        for (size_t i = 0; i < a.segments.size(); ++i) {
            const std::string s = where + " segment " + std::to_string(i);
            expectSamePoint(a.segments[i].p, b.segments[i].p, s + " p");
            expectSamePoint(a.segments[i].in, b.segments[i].in, s + " in");
            expectSamePoint(a.segments[i].out, b.segments[i].out, s + " out");
            EXPECT_EQ(a.segments[i].corner, b.segments[i].corner) << s;
        }
        break;
    case ArtType::Group:
    case ArtType::CompoundPath:
        ASSERT_EQ(a.children.size(), b.children.size()) << where;
        for (size_t i = 0; i < a.children.size(); ++i)
            expectSameArt(a.children[i], b.children[i], where + " child " + std::to_string(i));
        break;
    case ArtType::Text:
    case ArtType::PlacedImage:
    case ArtType::Instance:
        EXPECT_EQ(a.matrix.a, b.matrix.a) << where;
        EXPECT_EQ(a.matrix.b, b.matrix.b) << where;
        EXPECT_EQ(a.matrix.c, b.matrix.c) << where;
        EXPECT_EQ(a.matrix.d, b.matrix.d) << where;
        EXPECT_EQ(a.matrix.tx, b.matrix.tx) << where;
        EXPECT_EQ(a.matrix.ty, b.matrix.ty) << where;
        EXPECT_EQ(a.bounds.left, b.bounds.left) << where;
        EXPECT_EQ(a.bounds.top, b.bounds.top) << where;
        EXPECT_EQ(a.bounds.right, b.bounds.right) << where;
        EXPECT_EQ(a.bounds.bottom, b.bounds.bottom) << where;
        EXPECT_EQ(a.content, b.content) << where;
        EXPECT_EQ(a.sourceXml, b.sourceXml) << where;
        break;
    }
}

// One of everything: every art type and colour kind, awkward floats,
// hidden and locked layers, a current layer that is not the last.
DocumentData everything()
{
    DocumentData d;
    d.width = 400.5f;
    d.height = 0.1f + 300;
    d.seed = 18446744073709551615ull;
    d.currentLayer = 1;

    ArtData curve = straightPath({{0.1f, 0.2f}, {100, 1e-7f}, {-3.25f, 7}}, true);
    curve.id = "curve \"quoted\" \xc3\xa9";
    curve.selected = true;
    curve.segments[1].in = {90.5f, 10};
    curve.segments[1].out = {110.5f, -10};
    curve.segments[1].corner = false;
    curve.style.stroke = {TV_COLOR_PROCESS, {0.1f, 0.2f, 0.3f, 0.4f}};
    curve.style.strokeWidth = 2.5f;
    curve.style.opacity = 0.3f;

    ArtData gray = straightPath({{1, 1}, {2, 2}}, false);
    gray.style.fill = {TV_COLOR_GRAY, {0.7f, 0, 0, 0}};
    gray.style.stroke = {TV_COLOR_GRADIENT, {1, 2, 3, 4}};

    ArtData compound;
    compound.type = ArtType::CompoundPath;
    compound.style = gray.style;
    compound.children = {straightPath({{0, 0}, {10, 0}, {10, 10}}, true), straightPath({{2, 2}, {4, 2}, {4, 4}}, true)};

    ArtData text;
    text.type = ArtType::Text;
    text.id = "label";
    text.matrix = {0.5f, 0.25f, -0.25f, 0.5f, 12, 34};
    text.bounds = {0, 12, 40, -3};
    text.content = "Hello\nworld";
    text.sourceXml = "<text x=\"0\" y=\"0\">Hello</text>";
    text.style = gray.style;

    ArtData image;
    image.type = ArtType::PlacedImage;
    image.bounds = {0, 0, 20, -10};
    image.matrix = {1, 0, 0, 1, 5, 6};
    image.content = "data:image/png;base64,AAAA";
    image.style.fill = {TV_COLOR_NONE, {}};
    image.style.stroke = {TV_COLOR_NONE, {}};

    ArtData group;
    group.type = ArtType::Group;
    group.id = "g1";
    ArtData emptyGroup;
    emptyGroup.type = ArtType::Group;
    group.children = {compound, text, emptyGroup};

    d.layers.push_back({"Background", false, true, {curve, gray}});
    d.layers.push_back({"Art", true, false, {group, image}});
    d.layers.push_back({"Empty", true, true, {}});
    return d;
}

TEST(JsonDocument, RoundTripKeepsEveryField)
{
    const DocumentData d = everything();
    const DocumentData back = readJson(writeJson(d), "everything.json");
    EXPECT_EQ(back.width, d.width);
    EXPECT_EQ(back.height, d.height);
    EXPECT_EQ(back.currentLayer, 1);
    EXPECT_EQ(back.seed, d.seed);
    ASSERT_EQ(back.layers.size(), d.layers.size());
    for (size_t i = 0; i < d.layers.size(); ++i) {
        EXPECT_EQ(back.layers[i].name, d.layers[i].name);
        EXPECT_EQ(back.layers[i].visible, d.layers[i].visible) << i;
        EXPECT_EQ(back.layers[i].locked, d.layers[i].locked) << i;
        ASSERT_EQ(back.layers[i].art.size(), d.layers[i].art.size());
        for (size_t k = 0; k < d.layers[i].art.size(); ++k)
            expectSameArt(back.layers[i].art[k], d.layers[i].art[k],
                          "layer " + std::to_string(i) + " art " + std::to_string(k));
    }
}

// The layout is compact: every segment on a line of its own, whole, and
// no line holding a lone number; keys still come in alphabetical order.
TEST(JsonDocument, WritesOneSegmentALineWithKeysInOrder)
{
    DocumentData d = everything();
    d.layers.push_back({"Empty \"quoted\"", false, true, {}});
    for (const DocumentData& doc : {d, DocumentData{}}) {
        const std::string text = writeJson(doc);
        const nlohmann::json tree = nlohmann::json::parse(text);
        // Parsed and dumped again (std::map keys), the order is the same.
        EXPECT_EQ(nlohmann::json::parse(tree.dump()), tree);
        EXPECT_EQ(text.find("\t"), std::string::npos);
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            const size_t first = line.find_first_not_of(' ');
            ASSERT_NE(first, std::string::npos) << "an empty line";
            EXPECT_FALSE(std::isdigit(static_cast<unsigned char>(line[first])) || line[first] == '-') << line;
            if (line.find("\"p\":") != std::string::npos) {
                EXPECT_THAT(line,
                            ::testing::MatchesRegex(R"( *\{"corner":(true|false)(,"in":\[[^]]*\])?)"
                                                    R"((,"out":\[[^]]*\])?,"p":\[[^]]*\]\},?)"));
            }
        }
    }
    const nlohmann::json tree = nlohmann::json::parse(writeJson(d));
    std::vector<std::string> keys;
    for (const auto& [key, value] : tree["layers"][0]["art"][0].items())
        keys.push_back(key);
    EXPECT_TRUE(std::ranges::is_sorted(keys));
}

// A handle lying on its anchor is left out and read back as the anchor;
// one that differs by as little as the sign of zero is written.
TEST(JsonDocument, HandlesOnTheirAnchorAreLeftOutAndReadBack)
{
    ArtData path = straightPath({{0, 0}, {5, 5}, {9, 1}}, false);
    path.segments[1].in = {4, 6};
    path.segments[2] = testing::corner(0, 1);
    path.segments[2].out = {-0.0f, 1};
    DocumentData d;
    d.layers.push_back({"L", true, false, {path}});
    const std::string text = writeJson(d);
    EXPECT_THAT(text, HasSubstr(R"({"corner":true,"p":[0.0,0.0]})"));
    EXPECT_THAT(text, HasSubstr(R"({"corner":true,"in":[4.0,6.0],"p":[5.0,5.0]})"));
    EXPECT_THAT(text, HasSubstr(R"({"corner":true,"out":[-0.0,1.0],"p":[0.0,1.0]})"));
    const ArtData back = readJson(text, "handles.json").layers[0].art[0];
    expectSameArt(back, path, "path");
    EXPECT_TRUE(std::signbit(back.segments[2].out.h));
    EXPECT_FALSE(std::signbit(back.segments[2].in.h));
}

// Files written in the earlier layout (tabs, one number a line, every
// handle written) read as they did, and are written anew in the compact one.
TEST(JsonDocument, TheEarlierLayoutStillReads)
{
    const std::string older = readFile(std::string(TOVRINS_OLDER_LAYOUT_DIR) + "/star.json");
    const std::string current = readFile(std::string(TOVRINS_EXAMPLES_DIR) + "/star.json");
    ASSERT_NE(older, current);
    const DocumentData a = readJson(older, "older.json");
    const DocumentData b = readJson(current, "star.json");
    ASSERT_EQ(a.layers.size(), b.layers.size());
    for (size_t i = 0; i < a.layers.size(); ++i) {
        ASSERT_EQ(a.layers[i].art.size(), b.layers[i].art.size());
        for (size_t k = 0; k < a.layers[i].art.size(); ++k)
            expectSameArt(a.layers[i].art[k], b.layers[i].art[k], "art " + std::to_string(k));
    }
    EXPECT_EQ(writeJson(a), current);
}

// Names pass through as JSON strings: quotes, backslashes and control
// characters escaped, UTF-8 kept, bytes that are not UTF-8 made U+FFFD.
TEST(JsonDocument, StringsAreEscapedAndReadBack)
{
    DocumentData d;
    ArtData path = straightPath({{1, 2}}, false);
    path.id = "a\"b\\c\nd\x01 \xc3\xa9";
    d.layers.push_back({"tab\there", true, false, {path}});
    d.layers.push_back({"bad \xff byte", true, false, {}});
    const std::string text = writeJson(d);
    const DocumentData back = readJson(text, "strings.json");
    EXPECT_EQ(back.layers[0].art[0].id, path.id);
    EXPECT_EQ(back.layers[0].name, "tab\there");
    EXPECT_EQ(back.layers[1].name, "bad \xef\xbf\xbd byte");
    EXPECT_THAT(text, HasSubstr(R"("id":"a\"b\\c\nd\u0001 )"));
}

TEST(JsonDocument, WritesShortNumbersAndNoSeedWhenUnset)
{
    DocumentData d;
    d.layers.push_back({"L", true, false, {straightPath({{0.1f, 0.2f}}, false)}});
    const std::string text = writeJson(d);
    EXPECT_THAT(text, HasSubstr("0.1"));
    EXPECT_THAT(text, ::testing::Not(HasSubstr("0.100000")));
    EXPECT_THAT(text, ::testing::Not(HasSubstr("seed")));
    EXPECT_FALSE(readJson(text, "a.json").seed.has_value());
}

// A valid document to break one field at a time.
std::string minimal(const std::string& artJson, const std::string& extra = "")
{
    return R"({"format": "tovrins-document", "version": 1, "width": 100, "height": 50, "currentLayer": 0)" + extra +
        R"(, "layers": [{"name": "L", "visible": true, "locked": false, "art": [)" + artJson + "]}]}";
}

const std::string kPath =
    R"({"type": "path", "style": {"fill": {"kind": "rgb", "rgb": [1, 0, 0]}, "stroke": {"kind": "none"},)"
    R"( "strokeWidth": 1, "opacity": 1}, "closed": false, "segments": [{"p": [1, 2], "in": [1, 2], "out": [1, 2], "corner": true}]})";

void expectError(const std::string& text, const std::string& field, const std::string& what)
{
    try {
        readJson(text, "bad.json");
        ADD_FAILURE() << "no error for " << text;
    } catch (const std::runtime_error& e) {
        EXPECT_THAT(e.what(), AllOf(HasSubstr("bad.json"), HasSubstr(field), HasSubstr(what)));
    }
}

TEST(JsonDocument, MinimalDocumentReads)
{
    const DocumentData d = readJson(minimal(kPath), "ok.json");
    ASSERT_EQ(d.layers.size(), 1u);
    ASSERT_EQ(d.layers[0].art.size(), 1u);
    EXPECT_EQ(d.layers[0].art[0].segments[0].p.v, 2);
    EXPECT_EQ(d.layers[0].art[0].style.fill.kind, TV_COLOR_RGB);
}

TEST(JsonDocument, ErrorsNameTheFileAndTheField)
{
    expectError("this is not json", "bad.json", "not valid JSON: parse error at line 1, column 2");
    expectError(R"({"format": "tovrins-document",)", "bad.json", "not valid JSON");
    expectError("[1, 2]", "document", "expected an object");
    expectError(R"({"format": "svg", "version": 1})", "format", "not a tovrins-document");
    expectError(R"({"format": "tovrins-document", "version": 2})", "version", "version 1");

    std::string noHeight = minimal(kPath);
    noHeight.replace(noHeight.find(R"("height": 50, )"), 14, "");
    expectError(noHeight, "\"height\"", "missing");

    expectError(minimal(kPath, R"(, "seed": -4)"), "seed", "non-negative integer");
    expectError(
        R"({"format": "tovrins-document", "version": 1, "width": 0, "height": 5, "currentLayer": 0, "layers": []})",
        "width", "positive");

    std::string wrongLayer = minimal(kPath);
    wrongLayer.replace(wrongLayer.find(R"("currentLayer": 0)"), 17, R"("currentLayer": 3)");
    expectError(wrongLayer, "currentLayer", "index 3");

    std::string wrongType = minimal(kPath);
    wrongType.replace(wrongType.find(R"("visible": true)"), 15, R"("visible": "yes")");
    expectError(wrongType, "layers[0].visible", "true or false");
}

TEST(JsonDocument, ArtErrorsNameTheArtField)
{
    auto withPath = [](const std::string& from, const std::string& to) {
        std::string art = kPath;
        art.replace(art.find(from), from.size(), to);
        return minimal(art);
    };
    expectError(withPath(R"("type": "path")", R"("type": "star")"), "layers[0].art[0].type",
                "unknown art type \"star\"");
    expectError(withPath(R"("type": "path")", R"("type": 2)"), "layers[0].art[0].type", "expected a string");
    expectError(withPath(R"("p": [1, 2])", R"("p": [1])"), "layers[0].art[0].segments[0].p", "array of 2");
    expectError(withPath(R"("p": [1, 2])", R"("p": [1, "2"])"), "segments[0].p[1]", "expected a number");
    expectError(withPath(R"("p": [1, 2])", R"("p": [1, 1e39])"), "segments[0].p[1]", "out of range");
    expectError(withPath(R"("p": [1, 2])", R"("p": [1, 1e999])"), "bad.json", "not valid JSON: number overflow");
    expectError(withPath(R"("p": [1, 2])", R"("p": [1, NaN])"), "bad.json", "not valid JSON");
    expectError(withPath(R"("p": [1, 2])", R"("p": [1, 3.5e38])"), "segments[0].p[1]", "out of range");
    expectError(withPath(R"("p": [1, 2])", R"("p": [1, null])"), "segments[0].p[1]", "expected a number");
    expectError(withPath(R"("closed": false, )", ""), "layers[0].art[0]", "\"closed\" is missing");
    expectError(withPath(R"("kind": "rgb")", R"("kind": "hsl")"), "style.fill.kind", "unknown paint kind");
    expectError(withPath(R"("strokeWidth": 1)", R"("strokeWidth": true)"), "style.strokeWidth", "expected a number");
    expectError(minimal(R"({"type": "compound", "style": {"fill": {"kind": "none"}, "stroke": {"kind": "none"},)"
                        R"( "strokeWidth": 1, "opacity": 1}, "children": [{"type": "group", "style": )"
                        R"({"fill": {"kind": "none"}, "stroke": {"kind": "none"}, "strokeWidth": 1, "opacity": 1},)"
                        R"( "children": []}]})"),
                "children[0].type", "only paths");
}

TEST(JsonDocument, NonFiniteValuesAreWrittenAsNullAndRejectedOnRead)
{
    DocumentData d;
    ArtData a = straightPath({{1, 2}}, false);
    a.style.strokeWidth = std::numeric_limits<float>::infinity();
    d.layers.push_back({"L", true, false, {a}});
    const std::string text = writeJson(d);
    EXPECT_THAT(text, HasSubstr("null"));
    expectError(text, "style.strokeWidth", "expected a number");
}

TEST(JsonDocument, LargestFloatSurvives)
{
    DocumentData d;
    ArtData a = straightPath({{std::numeric_limits<float>::max(), -std::numeric_limits<float>::max()}}, false);
    d.layers.push_back({"L", true, false, {a}});
    const DocumentData back = readJson(writeJson(d), "big.json");
    EXPECT_EQ(back.layers[0].art[0].segments[0].p.h, std::numeric_limits<float>::max());
}

TEST(JsonDocument, DeepNestingIsAnErrorNotACrash)
{
    std::string art = kPath;
    const std::string style =
        R"("style": {"fill": {"kind": "none"}, "stroke": {"kind": "none"}, "strokeWidth": 1, "opacity": 1})";
    for (int i = 0; i < 300; ++i)
        art = R"({"type": "group", )" + style + R"(, "children": [)" + art + "]}";
    expectError(minimal(art), "children[0]", "nested too deeply");
}

} // namespace
} // namespace tovrins::host
