// Copies the plug-in makes of art with gradients, patterns, clip paths,
// filters, markers, text and instances look exactly like the original
// drawn inside a group that carries the copy's matrix: the librsvg render
// of the result matches that of the same document written by hand so.
#include <map>

#include <gtest/gtest.h>

#include "host/adm/scripted_front_end.hpp"
#include "host/document/geometry.hpp"
#include "host/document/paint_servers.hpp"
#include "tests/support/plugin_harness.hpp"
#include "host/io/svg_export.hpp"
#include "host/io/svg_import.hpp"
#include "tests/support/svg_render.hpp"
#include "host/io/xml_writer.hpp"

// librsvg's text keeps fontconfig's caches until exit, which LeakSanitizer
// reports; they are the library's, not ours.
extern "C" __attribute__((weak)) const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

namespace tovrins::host {
namespace {

constexpr float kPage = 400;

// Each object on its own, by id.
const std::map<std::string, std::string> kObjects = {
    {"grad",
     R"~(<rect id="grad" x="40" y="40" width="80" height="50" fill="url(#lin)" transform="rotate(8 80 65)"/>)~"},
    {"pat", R"~(<rect id="pat" x="150" y="30" width="70" height="70" fill="url(#dots)" stroke="black"/>)~"},
    {"clip", R"~(<rect id="clip" x="260" y="20" width="100" height="100" fill="orange" clip-path="url(#round)"/>)~"},
    {"blur", R"~(<rect id="blur" x="40" y="160" width="70" height="60" fill="teal" filter="url(#soft)"/>)~"},
    {"mark",
     R"~(<path id="mark" d="M160 170 L230 200 L190 250" fill="none" stroke="black" stroke-width="3" marker-end="url(#arrow)"/>)~"},
    {"text",
     R"~(<text id="text" x="260" y="200" font-family="sans-serif" font-size="30" font-weight="bold" fill="url(#lin)">Tv</text>)~"},
    {"inst", R"~(<use id="inst" href="#sym" x="60" y="270" width="80" height="80"/>)~"},
};

const char* kDefinitions = R"~(<defs>
<linearGradient id="lin" x1="0" y1="0" x2="1" y2="0.3"><stop offset="0" stop-color="red"/><stop offset="1" stop-color="blue"/></linearGradient>
<pattern id="dots" width="14" height="14" patternUnits="userSpaceOnUse" patternTransform="rotate(15)"><rect width="7" height="7" fill="green"/></pattern>
<clipPath id="round"><circle cx="310" cy="70" r="45"/></clipPath>
<filter id="soft" x="-20%" y="-20%" width="140%" height="140%"><feGaussianBlur stdDeviation="2"/></filter>
<marker id="arrow" viewBox="0 0 10 10" refX="5" refY="5" markerWidth="5" markerHeight="5" orient="auto"><path d="M0 0 L10 5 L0 10 z" fill="red"/></marker>
<symbol id="sym" viewBox="0 0 10 10"><circle cx="5" cy="5" r="4" fill="gold" stroke="purple"/></symbol>
</defs>)~";

std::string document(const std::string& body)
{
    return R"~(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="400" height="400" viewBox="0 0 400 400">)~" +
        std::string(kDefinitions) + body + "</svg>";
}

std::string allObjects()
{
    std::string body;
    for (const auto& [id, element] : kObjects)
        body += element;
    return body;
}

// The matrix that took the original to the copy, in document coordinates.
TvRealMatrix copyMatrix(const ArtData& original, const ArtData& copy)
{
    const bool placed = original.type == ArtType::Text || original.type == ArtType::Instance;
    const TvRealMatrix from = placed ? original.matrix : *original.space;
    const TvRealMatrix to = placed ? copy.matrix : *copy.space;
    return concatMatrix(*invertMatrix(from), to);
}

// The result as it should look: every original where it stands, every
// copy the original inside a group with the copy's matrix.
std::string byHand(const DocumentData& result, const ArtData& original, const std::string& id)
{
    const TvRealMatrix flip{1, 0, 0, -1, 0, kPage};
    std::string body;
    XmlWriter xml(body);
    for (const LayerData& layer : result.layers)
        for (const ArtData& art : layer.art) {
            if (!art.id.empty()) {
                body += kObjects.at(art.id);
                continue;
            }
            xml.raw("<g");
            xml.matrixAttribute("transform", concatMatrix(concatMatrix(flip, copyMatrix(original, art)), flip));
            xml.raw(">");
            body += kObjects.at(id);
            xml.raw("</g>");
        }
    return document(body);
}

struct FilterRun {
    const char* filter;
    std::vector<DialogAction> actions;
};

class CopiesLook : public ::testing::TestWithParam<std::string> { };

TEST_P(CopiesLook, LikeTheOriginalMovedForEveryFilter)
{
    const std::string id = GetParam();
    std::vector<std::string> warnings;
    const DocumentData source = readSvg(document(allObjects()), "copies.svg", warnings);
    ASSERT_TRUE(warnings.empty()) << warnings.front();
    const std::vector<FilterRun> runs = {
        {"TovrinRotate...", {}},
        {"TovrinRotate...",
         {DialogAction::setText(35, "2"), DialogAction::setText(4, "4"), DialogAction::setText(21, "0")}},
        {"TovrinScale...", {DialogAction::setText(21, "0")}},
        {"TovrinScale...", {DialogAction::setText(20, "0"), DialogAction::setText(35, "1")}},
        {"TovrinTranslate...", {DialogAction::setText(21, "0")}},
    };
    for (const FilterRun& run : runs) {
        SCOPED_TRACE(std::string(run.filter) + " on " + id);
        DocumentData doc = source;
        const ArtData* original = nullptr;
        for (ArtData& art : doc.layers.at(0).art)
            if (art.id == id) {
                art.selected = true;
                original = &art;
            }
        ASSERT_NE(original, nullptr);
        tovrins::testing::PluginHarness h;
        h.bench.open(doc);
        ScriptedFrontEnd frontEnd;
        frontEnd.addScript(run.actions);
        ASSERT_EQ(h.run(h.filter(run.filter), frontEnd).code, 0);
        const DocumentData result = h.document().data();
        ASSERT_GT(h.topLevelArtCount(), kObjects.size());
        const auto made = tovrins::testing::renderSvg(writeSvg(result), 400, 400);
        const auto expected = tovrins::testing::renderSvg(byHand(result, *original, id), 400, 400);
        EXPECT_LT(tovrins::testing::differingFraction(made, expected), 0.02) << writeSvg(result);
    }
}

INSTANTIATE_TEST_SUITE_P(Objects, CopiesLook, ::testing::Values("grad", "pat", "clip", "blur", "mark", "text", "inst"));

} // namespace
} // namespace tovrins::host
