// Feature files written back unchanged render as their sources do, and
// what the document keeps of them goes through JSON and back.
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "host/io/json_document.hpp"
#include "host/io/svg_export.hpp"
#include "host/io/svg_import.hpp"
#include "tests/support/svg_render.hpp"

// librsvg's text keeps fontconfig's caches until exit, which LeakSanitizer
// reports; they are the library's, not ours.
extern "C" __attribute__((weak)) const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

namespace tovrins::host {
namespace {

using ::testing::HasSubstr;

std::string readFile(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class FeatureFile : public ::testing::TestWithParam<const char*> { };

TEST_P(FeatureFile, RendersAsItsSourceWhenWrittenBackUnchanged)
{
    const std::filesystem::path path = std::filesystem::path(TOVRINS_FIDELITY_DIR) / GetParam();
    const std::string source = readFile(path);
    std::vector<std::string> warnings;
    const DocumentData doc = readSvg(source, path.string(), warnings);
    EXPECT_TRUE(warnings.empty()) << warnings.front();
    const std::string written = writeSvg(doc);
    const double differing = tovrins::testing::differingFraction(tovrins::testing::renderSvg(source, 200, 200),
                                                                 tovrins::testing::renderSvg(written, 200, 200));
    EXPECT_LT(differing, 0.02) << written;
    // Through JSON and back, the same file comes out.
    EXPECT_EQ(writeSvg(readJson(writeJson(doc), "doc.json")), written);
}

INSTANTIATE_TEST_SUITE_P(Features, FeatureFile,
                         ::testing::Values("gradient.svg", "pattern.svg", "clip-mask-filter.svg", "marker-dash.svg",
                                           "text-use.svg"),
                         [](const auto& info) {
                             std::string name = info.param;
                             name = name.substr(0, name.find('.'));
                             std::erase(name, '-');
                             return name;
                         });

TEST(SvgFidelity, ReferencesAndForeignAttributesAreWrittenBack)
{
    std::vector<std::string> warnings;
    const DocumentData doc =
        readSvg(readFile(std::filesystem::path(TOVRINS_FIDELITY_DIR) / "clip-mask-filter.svg"), "f.svg", warnings);
    const std::string out = writeSvg(doc);
    EXPECT_THAT(out, HasSubstr("clip-path=\"url(#clip)\""));
    EXPECT_THAT(out, HasSubstr("<clipPath id=\"clip\">"));
    EXPECT_THAT(out, HasSubstr("mask=\"url(#m)\""));
    EXPECT_THAT(out, HasSubstr("filter=\"url(#blur)\""));
    // The group keeps its own opacity rather than handing it to its children.
    EXPECT_THAT(out, HasSubstr("opacity=\"0.7\" mask=\"url(#m)\""));
}

TEST(SvgFidelity, APageSizedInMillimetresWithoutViewBoxKeepsItsTrueSize)
{
    std::vector<std::string> warnings;
    const DocumentData doc =
        readSvg(readFile(std::filesystem::path(TOVRINS_FIDELITY_DIR) / "page-mm.svg"), "mm.svg", warnings);
    EXPECT_NEAR(doc.width, 50 * 96 / 25.4, 1e-3); // user units, 96 to the inch
    const std::string out = writeSvg(doc);
    EXPECT_THAT(out, HasSubstr("width=\"50mm\" height=\"40mm\" viewBox=\"0 0 188.97638 151.1811\""));
    EXPECT_THAT(out, HasSubstr("M 10 10 L 110 10"));
}

TEST(SvgFidelity, NestingBeyondTheSharedLimitIsRefusedOnReadingAndWriting)
{
    std::string deep;
    for (int i = 0; i < 250; ++i)
        deep += "<g>";
    deep += "<rect width=\"1\" height=\"1\"/>";
    for (int i = 0; i < 250; ++i)
        deep += "</g>";
    std::vector<std::string> warnings;
    try {
        readSvg("<svg xmlns=\"http://www.w3.org/2000/svg\">" + deep + "</svg>", "deep.svg", warnings);
        FAIL() << "a 250-deep group was read";
    } catch (const std::runtime_error& e) {
        EXPECT_THAT(e.what(), HasSubstr("deep.svg"));
        EXPECT_THAT(e.what(), HasSubstr("200"));
    }
    // As deep as the limit allows goes through JSON and back.
    ArtData art;
    art.type = ArtType::Path;
    for (int i = 0; i <= kMaxArtDepth; ++i) {
        ArtData g;
        g.type = ArtType::Group;
        g.children.push_back(std::move(art));
        art = std::move(g);
    }
    DocumentData doc;
    doc.layers.push_back({"L", true, false, {}});
    doc.layers[0].art.push_back(art.children.front());
    EXPECT_NO_THROW(readJson(writeJson(doc), "ok.json"));
    EXPECT_NO_THROW(readSvg(writeSvg(doc), "ok.svg", warnings));
    doc.layers[0].art[0] = art; // one level more
    EXPECT_THROW(writeJson(doc), std::runtime_error);
    EXPECT_THROW(writeSvg(doc), std::runtime_error);
}

TEST(SvgFidelity, EveryNewFieldGoesThroughJsonAndBack)
{
    DocumentData doc;
    doc.definitions = "<defs><linearGradient id=\"g\"/></defs>";
    doc.rootAttributes = {{"width", "50mm"}, {"xmlns:foo", "urn:foo"}};
    doc.paintServers = {{"g", "linearGradient", true, {2, 0, 0, 2, 1, 1}}};
    doc.derivedPaints = {{"g-1", "g", "linearGradient", {1, 0, 0, 1, 5, 6}}};
    ArtData path;
    path.type = ArtType::Path;
    path.segments = {{{1, 2}, {1, 2}, {1, 2}, true}};
    path.style = {{TV_COLOR_GRADIENT, {}}, {TV_COLOR_PATTERN, {}}, 2, 0.5f};
    path.fillPaint = "g-1";
    path.strokePaint = "p";
    path.space = TvRealMatrix{1, 0, 0, -1, 0, 100};
    path.attributes = {{"stroke-dasharray", "1 2"}, {"inkscape:label", "x\"y"}};
    ArtData use;
    use.type = ArtType::Instance;
    use.matrix = {1, 0, 0, 1, 3, 4};
    use.bounds = {0, 10, 10, 0};
    use.content = "#sym";
    use.sourceXml = "<use href=\"#sym\"/>";
    doc.layers.push_back({"L", true, false, {path, use}});
    const DocumentData back = readJson(writeJson(doc), "all.json");
    EXPECT_EQ(writeJson(back), writeJson(doc));
    EXPECT_EQ(back.definitions, doc.definitions);
    ASSERT_EQ(back.rootAttributes, doc.rootAttributes);
    ASSERT_EQ(back.derivedPaints.size(), 1u);
    EXPECT_EQ(back.derivedPaints[0].transform.tx, 5);
    const ArtData& p = back.layers[0].art[0];
    EXPECT_EQ(p.fillPaint, "g-1");
    EXPECT_EQ(p.style.stroke.kind, TV_COLOR_PATTERN);
    EXPECT_EQ(p.attributes, path.attributes);
    ASSERT_TRUE(p.space);
    EXPECT_EQ(p.space->ty, 100);
    EXPECT_EQ(back.layers[0].art[1].type, ArtType::Instance);
}

} // namespace
} // namespace tovrins::host
