// What a file says about the look of its art that the document holds in
// its own way and export writes back: colours' alpha as opacities, font-
// relative lengths, the root's opacity, blend modes and isolation (CSS
// only), other vocabularies' elements, and text paints the document owns.
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <pugixml.hpp>

#include "host/io/svg_export.hpp"
#include "host/io/svg_import.hpp"
#include "host/io/svg_opaque.hpp"

namespace tovrins::host {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

DocumentData read(const std::string& body, const std::string& rootAttributes = "")
{
    std::vector<std::string> warnings;
    DocumentData d =
        readSvg(R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="100" )"
                R"(height="100" )" +
                    rootAttributes + ">" + body + "</svg>",
                "look.svg", warnings);
    EXPECT_THAT(warnings, ::testing::IsEmpty()) << body;
    return d;
}

// The first art of the first layer, looking into groups.
const ArtData& first(const DocumentData& d)
{
    const ArtData* a = &d.layers.at(0).art.at(0);
    while (a->type == ArtType::Group)
        a = &a->children.at(0);
    return *a;
}

std::string attribute(const ArtData& a, const std::string& name)
{
    for (const Attribute& at : a.attributes)
        if (at.name == name)
            return at.value;
    return "(none)";
}

TEST(SvgKeptLook, AColoursAlphaMultipliesTheOpacityThatStands)
{
    const struct {
        const char* body;
        const char* property;
        const char* opacity;
    } cases[] = {
        {R"~(<rect width="9" height="9" fill="rgba(200, 30, 30, 0.5)" fill-opacity="0.5"/>)~", "fill-opacity", "0.25"},
        {R"~(<g fill="#0c08"><rect width="9" height="9"/></g>)~", "fill-opacity", "0.53333336"},
        {R"~(<g fill-opacity="50%"><rect width="9" height="9" fill="#ff000080"/></g>)~", "fill-opacity", "0.2509804"},
        {R"~(<rect width="9" height="9" stroke="hsla(0, 100%, 50%, 0.25)"/>)~", "stroke-opacity", "0.25"},
        // An opaque colour of its own ends the inherited one's alpha.
        {R"~(<g fill="rgba(0, 0, 0, 0.5)"><rect width="9" height="9" fill="red"/></g>)~", "fill-opacity", "(none)"},
        {R"~(<g fill="rgba(0, 0, 0, 0.5)" fill-opacity="0.5"><rect width="9" height="9" fill="red"/></g>)~",
         "fill-opacity", "0.5"},
    };
    for (const auto& c : cases) {
        const DocumentData d = read(c.body);
        EXPECT_EQ(attribute(first(d), c.property), c.opacity) << c.body;
    }
}

TEST(SvgKeptLook, EmsAreOfTheFontSizeThatStands)
{
    // 150 % of the root's 20: 30 user units an em, 15 an ex.
    const DocumentData d =
        read(R"(<g font-size="150%"><rect x="1em" width="2em" height="1ex" stroke="red" stroke-width="0.1em"/></g>)",
             R"(font-size="20")");
    const ArtData& r = first(d);
    ASSERT_EQ(r.segments.size(), 4u);
    EXPECT_FLOAT_EQ(r.segments[0].p.h, 30);
    EXPECT_FLOAT_EQ(r.segments[1].p.h, 90);
    EXPECT_FLOAT_EQ(r.segments[0].p.v - r.segments[2].p.v, 15);
    EXPECT_FLOAT_EQ(r.style.strokeWidth, 3);
    // A font size in em is of the parent's font.
    const DocumentData nested = read(R"(<g font-size="2em"><rect width="1em" height="1"/></g>)", R"(font-size="8")");
    EXPECT_FLOAT_EQ(first(nested).segments[1].p.h, 16);
}

TEST(SvgKeptLook, TheRootsOpacityAndAspectRatioAreKept)
{
    const DocumentData d = read(R"(<rect width="100" height="100"/>)",
                                R"(viewBox="0 0 50 100" preserveAspectRatio="xMinYMid slice" opacity="0.5")");
    const std::string svg = writeSvg(d);
    EXPECT_THAT(svg, HasSubstr(R"(opacity="0.5")"));
    // Sliced: 2 points a unit, the box's middle on the page.
    const ArtData& r = first(d);
    EXPECT_FLOAT_EQ(r.segments[1].p.h, 200);
    EXPECT_FLOAT_EQ(r.segments[0].p.v, 150) << "y 0 is 50 points above the page's top (at 100)";
    EXPECT_THAT(writeSvg(read(R"(<rect width="1" height="1"/>)", R"(opacity="1")")), Not(HasSubstr("opacity")));
}

TEST(SvgKeptLook, BlendModesAndIsolationAreWrittenInStyle)
{
    const DocumentData d =
        read(R"~(<g id="iso" style="isolation:isolate"><rect width="9" height="9" style="mix-blend-mode:multiply"/>)~"
             R"~(<rect width="9" height="9" fill="device-cmyk(0.1, 0.2, 0.3, 0.4)" mix-blend-mode="screen"/></g>)~");
    ASSERT_EQ(d.layers.at(0).art.at(0).type, ArtType::Group) << "a group with a look of its own stays a group";
    const std::string svg = writeSvg(d);
    EXPECT_THAT(svg, HasSubstr(R"(id="iso" style="isolation:isolate;")"));
    EXPECT_THAT(svg, HasSubstr(R"(style="mix-blend-mode:multiply;")"));
    EXPECT_THAT(svg, ::testing::ContainsRegex(R"(style="fill:device-cmyk\([0-9., ]*\);mix-blend-mode:screen;")"));
    EXPECT_THAT(svg, Not(HasSubstr("mix-blend-mode=")));
    pugi::xml_document xml;
    EXPECT_TRUE(xml.load_string(svg.c_str())) << "one style attribute an element\n" << svg;
}

TEST(SvgKeptLook, AnIncludeAndTheSheetThatStylesItAreKept)
{
    const DocumentData d = read(R"(<style>.a { fill: red }</style><rect class="a" width="9" height="9"/>)"
                                R"(<xi:include href="other.svg"/>)",
                                R"(xmlns:xi="http://www.w3.org/2001/XInclude")");
    const std::string svg = writeSvg(d);
    EXPECT_THAT(svg, HasSubstr(R"(<xi:include href="other.svg"/>)"));
    EXPECT_THAT(svg, HasSubstr(".a { fill: red }"));
    EXPECT_THAT(svg, HasSubstr(R"(xmlns:xi="http://www.w3.org/2001/XInclude")"));
    EXPECT_THAT(writeSvg(read(R"(<style>.a { fill: red }</style><rect class="a" width="9" height="9"/>)")),
                Not(HasSubstr("<style")))
        << "without an include, a sheet applied whole goes";
}

// Text keeps its element, but its fill and stroke are the document's: they
// stand as attributes of their own, whatever the element said.
TEST(SvgKeptLook, TextPaintsAreTheDocuments)
{
    const DocumentData ownPaint =
        read(R"~(<text x="1" y="9" style="font-size:12px;fill:rgba(255, 0, 0, 0.5);stroke:blue">Hi</text>)~");
    const ArtData& own = first(ownPaint);
    EXPECT_THAT(own.sourceXml, HasSubstr(R"(style="font-size:12px;")"));
    EXPECT_THAT(own.sourceXml, HasSubstr(R"(fill="#ff0000")"));
    EXPECT_THAT(own.sourceXml, HasSubstr(R"(stroke="#0000ff")"));
    EXPECT_THAT(own.sourceXml, HasSubstr(R"(fill-opacity="0.5")"));
    const DocumentData gradient = read(R"(<defs><linearGradient id="g"/></defs>)"
                                       R"~(<g fill="url(#g)"><text x="1" y="9">Hi</text></g>)~");
    EXPECT_EQ(first(gradient).fillPaint, "g");
    EXPECT_THAT(writeSvg(gradient), HasSubstr(R"~(fill="url(#g)")~"));
    // A style the document gives the text is what export writes.
    DocumentData recoloured = read(R"(<text x="1" y="9" fill="red">Hi</text>)");
    recoloured.layers[0].art[0].style.fill = {TV_COLOR_RGB, {0, 0.5f, 0, 0}};
    const std::string svg = writeSvg(recoloured);
    EXPECT_THAT(svg, HasSubstr(R"(fill="#008000")"));
    EXPECT_THAT(svg, Not(HasSubstr("#ff0000")));
}

TEST(SvgKeptLook, AttributesSetOnAKeptElement)
{
    using svg::withAttributes;
    EXPECT_EQ(withAttributes(R"(<text fill="red" fill-opacity="1">a</text>)", {{"fill", "#00ff00"}}),
              R"(<text fill="#00ff00" fill-opacity="1">a</text>)");
    EXPECT_EQ(withAttributes(R"(<text fill-opacity="1">a</text>)", {{"fill", "none"}}),
              R"(<text fill-opacity="1" fill="none">a</text>)")
        << "a longer name is not the attribute";
    EXPECT_EQ(withAttributes(R"(<image href="a>b.png"/>)", {{"stroke", "a\"<&b"}}),
              R"(<image href="a>b.png" stroke="a&quot;&lt;&amp;b"/>)")
        << "a '>' in a value does not end the tag";
    EXPECT_EQ(withAttributes(R"(<text title='fill="red"' fill='blue'>fill="x"</text>)", {{"fill", "red"}}),
              R"(<text title='fill="red"' fill='red'>fill="x"</text>)")
        << "only attributes of the start tag, not text in values or content";
}

} // namespace
} // namespace tovrins::host
