// SVG import: shapes, the y flip, transforms, colours, styles, groups,
// layers, text and images, and errors that name the file.
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/host/io/io_test_support.hpp"
#include "host/io/svg_colour.hpp"
#include "host/io/svg_import.hpp"
#include "host/io/svg_transform.hpp"

namespace tovrins::host {
namespace {

using testing::collectPaths;
using ::testing::HasSubstr;
using ::testing::Not;

constexpr float kTol = 1e-4f;

// A 100 x 100 point document around `body`.
DocumentData import(const std::string& body, std::vector<std::string>& warnings, const std::string& svgAttrs = "")
{
    const std::string text =
        R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape" width="100" height="100" )" +
        svgAttrs + ">" + body + "</svg>";
    return readSvg(text, "test.svg", warnings);
}

DocumentData importClean(const std::string& body, const std::string& svgAttrs = "")
{
    std::vector<std::string> warnings;
    DocumentData d = import(body, warnings, svgAttrs);
    EXPECT_THAT(warnings, ::testing::IsEmpty()) << body;
    return d;
}

std::vector<const ArtData*> paths(const DocumentData& d)
{
    std::vector<const ArtData*> out;
    for (const LayerData& l : d.layers)
        collectPaths(l.art, out);
    return out;
}

const ArtData& firstArt(const DocumentData& d)
{
    static const ArtData none;
    if (d.layers.empty() || d.layers[0].art.empty()) {
        ADD_FAILURE() << "no art imported";
        return none;
    }
    return d.layers[0].art[0];
}

TEST(SvgImport, RectFlipsY)
{
    const DocumentData d = importClean(R"(<rect x="10" y="20" width="30" height="40"/>)");
    EXPECT_EQ(d.width, 100);
    EXPECT_EQ(d.height, 100);
    const ArtData& r = firstArt(d);
    ASSERT_EQ(r.type, ArtType::Path);
    ASSERT_EQ(r.segments.size(), 4u);
    EXPECT_TRUE(r.closed);
    EXPECT_POINT_NEAR(r.segments[0].p, 10, 80, kTol);
    EXPECT_POINT_NEAR(r.segments[1].p, 40, 80, kTol);
    EXPECT_POINT_NEAR(r.segments[2].p, 40, 40, kTol);
    EXPECT_POINT_NEAR(r.segments[3].p, 10, 40, kTol);
    const TvRealRect b = artBounds(r);
    EXPECT_NEAR(b.top, 80, kTol);
    EXPECT_NEAR(b.bottom, 40, kTol);
}

TEST(SvgImport, RoundedRectHasEightAnchors)
{
    const ArtData r = firstArt(importClean(R"(<rect width="40" height="20" rx="5"/>)"));
    ASSERT_EQ(r.segments.size(), 8u);
    // ry defaults to rx; the corners are quarter ellipses with smooth ends.
    EXPECT_POINT_NEAR(r.segments[0].p, 5, 100, kTol);
    EXPECT_POINT_NEAR(r.segments[2].p, 40, 95, kTol);
    EXPECT_NEAR(r.segments[1].out.h, 35 + 5 * 0.5523f, 1e-3);
    const TvRealRect b = artBounds(r);
    EXPECT_NEAR(b.left, 0, kTol);
    EXPECT_NEAR(b.right, 40, kTol);
    EXPECT_NEAR(b.bottom, 80, kTol);
}

TEST(SvgImport, CircleAndEllipse)
{
    const DocumentData d = importClean(R"(<circle cx="50" cy="30" r="10"/><ellipse cx="20" cy="20" rx="15" ry="5"/>)");
    const auto all = paths(d);
    ASSERT_EQ(all.size(), 2u);
    const ArtData& c = *all[0];
    ASSERT_EQ(c.segments.size(), 4u);
    for (const Segment& s : c.segments) {
        EXPECT_NEAR(std::hypot(s.p.h - 50, s.p.v - 70), 10, kTol);
        EXPECT_FALSE(s.corner);
    }
    const TvRealRect e = artBounds(*all[1]);
    EXPECT_NEAR(e.left, 5, kTol);
    EXPECT_NEAR(e.right, 35, kTol);
    EXPECT_NEAR(e.top, 85, kTol);
    EXPECT_NEAR(e.bottom, 75, kTol);
}

TEST(SvgImport, LinePolylinePolygon)
{
    const DocumentData d = importClean(R"(<line x1="1" y1="2" x2="3" y2="4"/>)"
                                       R"(<polyline points="0,0 10,0 10,10"/><polygon points="1 1, 2 1 2 2"/>)");
    const auto all = paths(d);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_FALSE(all[0]->closed);
    EXPECT_POINT_NEAR(all[0]->segments[1].p, 3, 96, kTol);
    EXPECT_FALSE(all[1]->closed);
    EXPECT_EQ(all[1]->segments.size(), 3u);
    EXPECT_TRUE(all[2]->closed);
    EXPECT_POINT_NEAR(all[2]->segments[2].p, 2, 98, kTol);
}

TEST(SvgImport, PathWithSeveralSubpathsIsACompoundPath)
{
    const ArtData a = firstArt(importClean(R"(<path id="donut" d="M0 0h10v10h-10z M2 2h6v6h-6z" fill="red"/>)"));
    ASSERT_EQ(a.type, ArtType::CompoundPath);
    EXPECT_EQ(a.id, "donut");
    ASSERT_EQ(a.children.size(), 2u);
    EXPECT_EQ(a.children[1].type, ArtType::Path);
    EXPECT_POINT_NEAR(a.children[1].segments[0].p, 2, 98, kTol);
    EXPECT_EQ(a.children[1].style.fill.kind, TV_COLOR_RGB);
    EXPECT_EQ(a.children[1].style.fill.components[0], 1);
}

TEST(SvgImport, ArcsAndSmoothCurvesAreFlipped)
{
    const ArtData a = firstArt(importClean(R"(<path d="M10 50 a40 40 0 0 1 80 0 s -10 20 -40 20"/>)"));
    ASSERT_EQ(a.type, ArtType::Path);
    // The arc bulges up the screen (smaller SVG y), so up in the document too.
    EXPECT_NEAR(artBounds(a).top, 90, 0.05);
    EXPECT_POINT_NEAR(a.segments.back().p, 50, 30, kTol);
}

TEST(SvgImport, WithoutInkscapeLayersEveryTopLevelGroupIsALayer)
{
    const DocumentData d = importClean(R"(<rect width="1" height="1"/>)"
                                       R"(<g id="shapes"><g id="pair"><circle r="1"/><circle r="2"/></g></g>)"
                                       R"~(<g transform="translate(5 0)"><rect width="2" height="2"/></g>)~");
    ASSERT_EQ(d.layers.size(), 3u);
    EXPECT_EQ(d.layers[0].name, "Layer 1"); // the loose rect
    EXPECT_EQ(d.layers[1].name, "shapes");
    ASSERT_EQ(d.layers[1].art.size(), 1u);
    EXPECT_EQ(d.layers[1].art[0].id, "pair");
    EXPECT_EQ(d.layers[2].name, "Layer 3");
    ASSERT_EQ(d.layers[2].art.size(), 1u);
    EXPECT_EQ(d.layers[2].art[0].type, ArtType::Path);
    EXPECT_NEAR(d.layers[2].art[0].segments[0].p.h, 5, kTol); // the layer's transform applies
}

TEST(SvgImport, TransformsNestOnGroups)
{
    const DocumentData d =
        importClean(R"~(<g transform="translate(10 20)"><g transform="scale(2)"><rect width="5" height="5"/></g>)~"
                    R"~(<rect transform="rotate(90)" width="10" height="1"/>)~"
                    R"~(<rect transform="rotate(90 5 5)" width="10" height="1"/>)~"
                    R"~(<rect transform="matrix(1 0 0 1 -10 -20) skewX(45)" width="10" height="10"/>)~"
                    R"~(<rect transform="skewY(45), translate(-5,-20)" width="10" height="10"/></g>)~");
    const auto all = paths(d);
    ASSERT_EQ(all.size(), 5u);
    // translate(10 20) scale(2): (5,5) goes to (20, 30), y flipped to 70.
    EXPECT_POINT_NEAR(all[0]->segments[2].p, 20, 70, kTol);
    // rotate(90): (10,0) to (0,10), then translated: (10, 30), flipped 70.
    EXPECT_POINT_NEAR(all[1]->segments[1].p, 10, 70, kTol);
    // rotate(90 5 5) keeps (5,5) and takes (10,0) to (10,10).
    EXPECT_POINT_NEAR(all[2]->segments[1].p, 20, 70, kTol);
    // skewX(45): (10,10) to (20,10); the matrix undoes the group translation.
    EXPECT_POINT_NEAR(all[3]->segments[2].p, 20, 90, kTol);
    // translate(-5,-20) then skewY(45): (10,10) to (5,-10) to (5,-5).
    EXPECT_POINT_NEAR(all[4]->segments[2].p, 15, 85, kTol);
    EXPECT_POINT_NEAR(all[4]->segments[1].p, 15, 95, kTol);
}

TEST(SvgImport, StrokeWidthScalesWithTheTransform)
{
    const ArtData a = firstArt(
        importClean(R"~(<g transform="scale(3)"><g><path d="M0 0 L1 1" stroke="black" stroke-width="2"/></g></g>)~"));
    ASSERT_EQ(a.type, ArtType::Group);
    ASSERT_EQ(a.children.size(), 1u);
    EXPECT_NEAR(a.children[0].style.strokeWidth, 6, kTol);
}

TEST(SvgImport, ViewBoxMapsToTheDocumentSize)
{
    const ArtData a = firstArt(importClean(R"(<rect x="0" y="0" width="10" height="10"/>)", R"(viewBox="0 0 20 20")"));
    EXPECT_POINT_NEAR(a.segments[2].p, 50, 50, kTol);
    // Units convert to user units as browsers read them: 1in = 96.
    std::vector<std::string> warnings;
    const DocumentData inches =
        readSvg(R"(<svg xmlns="http://www.w3.org/2000/svg" width="2in" height="25.4mm"/>)", "u.svg", warnings);
    EXPECT_NEAR(inches.width, 192, kTol);
    EXPECT_NEAR(inches.height, 96, kTol);
    ASSERT_EQ(inches.layers.size(), 1u) << "an empty document still has a layer";
}

TEST(SvgImport, Colours)
{
    auto fill = [](const std::string& attrs) {
        const ArtData a = firstArt(importClean("<rect width=\"1\" height=\"1\" " + attrs + "/>"));
        return a.style.fill;
    };
    auto expectRgb = [](const TvColor& c, float r, float g, float b) {
        ASSERT_EQ(c.kind, TV_COLOR_RGB);
        EXPECT_NEAR(c.components[0], r, 1e-6);
        EXPECT_NEAR(c.components[1], g, 1e-6);
        EXPECT_NEAR(c.components[2], b, 1e-6);
    };
    expectRgb(fill(""), 0, 0, 0); // black by default
    expectRgb(fill(R"(fill="Orange")"), 1, 165 / 255.f, 0);
    expectRgb(fill(R"(fill="#0f8")"), 0, 1, 0x88 / 255.f);
    expectRgb(fill(R"(fill="#FF8000")"), 1, 128 / 255.f, 0);
    expectRgb(fill(R"~(fill="rgb(255, 0, 51)")~"), 1, 0, 0.2f);
    expectRgb(fill(R"~(fill="rgb(100%,50%,130%)")~"), 1, 0.5f, 1);
    expectRgb(fill(R"(color="#00f" fill="currentColor")"), 0, 0, 1);
    EXPECT_EQ(fill(R"(fill="none")").kind, TV_COLOR_NONE);
    const TvColor cmyk = fill(R"~(fill="device-cmyk(0.1, 0.2, 0.3, 0.4)")~");
    EXPECT_EQ(cmyk.kind, TV_COLOR_PROCESS);
    EXPECT_NEAR(cmyk.components[3], 0.4f, 1e-6);
}

TEST(SvgImport, UnknownColoursWarnAndKeepTheInheritedPaint)
{
    std::vector<std::string> warnings;
    const DocumentData d =
        import(R"(<g><g fill="red"><rect id="r" width="1" height="1" fill="#12345"/></g></g>)", warnings);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_THAT(warnings[0], HasSubstr("test.svg"));
    EXPECT_THAT(warnings[0], HasSubstr("#12345"));
    EXPECT_THAT(warnings[0], HasSubstr("\"r\""));
    EXPECT_EQ(firstArt(d).children[0].style.fill.components[0], 1);
    for (const char* bad : {"#12", "rgb(1,2)", "hsl(1,2,3)", "#ggg", "blurple"})
        EXPECT_FALSE(parseSvgPaint(bad).has_value()) << bad;
}

TEST(SvgImport, StyleAttributeOverridesPresentationAttributesAndInherits)
{
    const ArtData g = firstArt(importClean(
        R"(<g><g stroke="blue" stroke-width="4" opacity="0.5">)"
        R"(<rect width="1" height="1" fill="red" style="fill: #00ff00 ; stroke-width:2;opacity:0.5"/></g></g>)"));
    ASSERT_EQ(g.children.size(), 1u);
    const TvPathStyle& s = g.children[0].style;
    EXPECT_EQ(s.fill.components[1], 1);
    EXPECT_EQ(s.fill.components[0], 0);
    EXPECT_EQ(s.stroke.kind, TV_COLOR_RGB);
    EXPECT_EQ(s.stroke.components[2], 1);
    EXPECT_NEAR(s.strokeWidth, 2, kTol);
    // A group's opacity stays on the group: pushed onto its children it
    // would show their overlaps.
    EXPECT_NEAR(s.opacity, 0.5f, kTol);
    EXPECT_NEAR(g.style.opacity, 0.5f, kTol);
}

TEST(SvgImport, InkscapeLayersBecomeLayersOtherGroupsStayGroups)
{
    const DocumentData d = importClean(
        R"(<g inkscape:groupmode="layer" inkscape:label="Back" style="display:none"><rect width="1" height="1"/></g>)"
        R"(<g inkscape:groupmode="layer" id="front" sodipodi:insensitive="true" xmlns:sodipodi="x">)"
        R"(<g id="inner"><circle r="1"/></g></g>)"
        R"(<g id="loose"><rect width="2" height="2"/></g>)");
    ASSERT_EQ(d.layers.size(), 3u);
    EXPECT_EQ(d.layers[0].name, "Back");
    EXPECT_FALSE(d.layers[0].visible);
    EXPECT_FALSE(d.layers[0].locked);
    EXPECT_EQ(d.layers[0].art.size(), 1u) << "a hidden layer keeps its art";
    EXPECT_EQ(d.layers[1].name, "front");
    EXPECT_TRUE(d.layers[1].locked);
    ASSERT_EQ(d.layers[1].art.size(), 1u);
    EXPECT_EQ(d.layers[1].art[0].type, ArtType::Group);
    EXPECT_EQ(d.layers[1].art[0].id, "inner");
    ASSERT_EQ(d.layers[2].art.size(), 1u);
    EXPECT_EQ(d.layers[2].art[0].type, ArtType::Group);
    EXPECT_EQ(d.layers[2].art[0].id, "loose");
    EXPECT_EQ(d.currentLayer, 2);
}

TEST(SvgImport, HiddenElementsAndMetadataAreKeptAsDefinitionsNotArt)
{
    std::vector<std::string> warnings;
    const DocumentData d = import(R"(<defs><rect width="1" height="1"/></defs><title>t</title><!-- c -->)"
                                  R"(<rect id="hidden" width="1" height="1" display="none"/><use href="#x"/>)"
                                  R"(<circle r="0"/><circle id="c2" r="0"/><circle r="0"/><circle id="c4" r="0"/>)",
                                  warnings);
    EXPECT_TRUE(paths(d).empty());
    EXPECT_THAT(d.definitions, HasSubstr("<title>t</title>"));
    EXPECT_THAT(d.definitions, HasSubstr("id=\"hidden\""));
    ASSERT_EQ(d.layers[0].art.size(), 1u);
    EXPECT_EQ(d.layers[0].art[0].type, ArtType::Instance);
    // One line per kind of thing skipped, with a count and the first few.
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_THAT(warnings[0], HasSubstr("without radius"));
    EXPECT_THAT(warnings[0], HasSubstr("\"c2\""));
    EXPECT_THAT(warnings[0], Not(HasSubstr("\"c4\"")));
    EXPECT_THAT(warnings[0], HasSubstr("1 more (4 in all)"));
}

TEST(SvgImport, TextAndImagesAreKeptWhole)
{
    const DocumentData d = importClean(
        R"~(<text id="t" x="10" y="20" font-size="10" transform="translate(5 0)">Hi<tspan>!</tspan></text>)~"
        R"~(<image x="0" y="0" width="20" height="10" href="pic.png" transform="scale(2)"/>)~");
    ASSERT_EQ(d.layers[0].art.size(), 2u);
    const ArtData& t = d.layers[0].art[0];
    EXPECT_EQ(t.type, ArtType::Text);
    EXPECT_EQ(t.content, "Hi!") << "the text of the tspan counts";
    EXPECT_THAT(t.sourceXml, HasSubstr("<tspan>!</tspan>"));
    EXPECT_THAT(t.sourceXml, ::testing::Not(HasSubstr("transform")));
    // The baseline start (10, 20) lands at (15, 80) in the document.
    EXPECT_POINT_NEAR(applyMatrix(t.matrix, {t.bounds.left, t.bounds.bottom + 2}), 15, 80, kTol);
    EXPECT_GT(t.bounds.top, t.bounds.bottom);
    EXPECT_NEAR(t.bounds.right - t.bounds.left, 3 * 6, kTol) << "three characters of 0.6 em";

    const ArtData& img = d.layers[0].art[1];
    EXPECT_EQ(img.type, ArtType::PlacedImage);
    EXPECT_EQ(img.content, "pic.png");
    const TvRealRect b = artBounds(img);
    EXPECT_NEAR(b.left, 0, kTol);
    EXPECT_NEAR(b.right, 40, kTol);
    EXPECT_NEAR(b.top, 100, kTol);
    EXPECT_NEAR(b.bottom, 80, kTol);
}

TEST(SvgImport, TextWidthCountsCharactersNotBytes)
{
    const DocumentData d = importClean("<text font-size=\"10\">\xc3\xa9t\xc3\xa9</text>");
    const ArtData& t = firstArt(d);
    EXPECT_EQ(t.content, "\xc3\xa9t\xc3\xa9");
    EXPECT_NEAR(t.bounds.right - t.bounds.left, 3 * 6, kTol);
}

void expectImportError(const std::string& text, const std::string& what)
{
    std::vector<std::string> warnings;
    try {
        readSvg(text, "broken.svg", warnings);
        ADD_FAILURE() << "no error for " << text;
    } catch (const std::runtime_error& e) {
        EXPECT_THAT(e.what(), HasSubstr("broken.svg"));
        EXPECT_THAT(e.what(), HasSubstr(what));
    }
}

TEST(SvgImport, ErrorsNameTheFile)
{
    expectImportError("<svg><rect></svg>", "XML is malformed");
    expectImportError("", "XML is malformed");
    expectImportError("not xml at all", "No document element");
    expectImportError("<html/>", "root element is <html>");
    expectImportError(R"(<svg width="-5"/>)", "absurd width");
    expectImportError(R"(<svg width="5furlongs"/>)", "not a length");
    expectImportError(R"(<svg viewBox="0 0 10"/>)", "viewBox");
    expectImportError(R"(<svg><rect width="wide" height="1"/></svg>)", "width \"wide\"");
}

TEST(SvgImport, PercentSizeFallsBackToTheViewBoxWithAWarning)
{
    std::vector<std::string> warnings;
    const DocumentData d =
        readSvg(R"(<svg xmlns="http://www.w3.org/2000/svg" width="100%" height="100%" viewBox="0 0 30 40"/>)", "p.svg",
                warnings);
    EXPECT_EQ(d.width, 30);
    EXPECT_EQ(d.height, 40);
    EXPECT_EQ(warnings.size(), 2u);
}

} // namespace
} // namespace tovrins::host

namespace tovrins::host {
namespace {

// Values a float cannot hold are errors, not infinities in the document.
TEST(SvgImport, CoordinatesBeyondFloatRangeAreRefused)
{
    expectImportError(R"~(<svg><g transform="scale(1e30)"><path id="p" d="M0 0 L 1e30 0"/></g></svg>)~",
                      "\"p\" whose transformed coordinates are too large");
    expectImportError(R"~(<svg><g transform="scale(1e30)"><text id="t" transform="scale(1e30)">x</text></g></svg>)~",
                      "\"t\" whose transform is too large");
    std::vector<std::string> warnings;
    const DocumentData d = import(R"~(<polygon points="0 0 1e300 0 5 5"/>)~", warnings);
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_THAT(warnings[0], HasSubstr("complete points of <polygon>"));
    EXPECT_THAT(warnings[1], HasSubstr("fewer than two points"));
}

} // namespace
} // namespace tovrins::host
