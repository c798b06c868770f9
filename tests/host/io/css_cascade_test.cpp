// <style> sheets cascaded over presentation attributes and style="": the
// selectors, specificity, source order, !important, and what stays behind.
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <pugixml.hpp>

#include "host/io/css_cascade.hpp"
#include "host/io/css_parser.hpp"
#include "host/io/svg_import.hpp"
#include "host/io/svg_attributes.hpp"

namespace tovrins::host {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// A document with the cascade applied; `warnings` gets what it says.
struct Cascaded {
    pugi::xml_document xml;
    std::vector<std::string> warnings;

    explicit Cascaded(const std::string& body)
    {
        const std::string text = R"(<svg xmlns="http://www.w3.org/2000/svg">)" + body + "</svg>";
        EXPECT_TRUE(xml.load_string(text.c_str())) << text;
        applyStyleSheets(xml, warnings);
    }

    pugi::xml_node byId(const char* id) const
    {
        const pugi::xml_node n =
            xml.find_node([&](const pugi::xml_node& x) { return std::string_view(x.attribute("id").value()) == id; });
        EXPECT_TRUE(n) << id;
        return n;
    }
    std::string value(const char* id, const char* property) const
    {
        return svg::property(byId(id), property).value_or("(unset)");
    }
    size_t sheets() const
    {
        size_t n = 0;
        for (const pugi::xpath_node& x : xml.select_nodes("//style"))
            n += x.node() ? 1 : 0;
        return n;
    }
};

TEST(CssCascade, SimpleSelectorsMatchByTypeClassIdAndAttribute)
{
    const Cascaded c(R"(<style>
        rect { fill: red }
        .a { stroke: blue }
        #x { stroke-width: 3 }
        * { opacity: 0.5 }
        [data-k] { fill-opacity: 0.25 }
        [data-k="v w"] { stroke-opacity: 0.75 }
        [data-k~="w"] { stroke-linecap: round }
        [lang|="en"] { stroke-linejoin: bevel }
        [data-k^="v "] { stroke-dashoffset: 1 }
        [data-k$=" w"] { stroke-miterlimit: 9 }
        [data-k*="v w"] { visibility: hidden }
      </style>
      <rect id="x" class="b  a" data-k="v w" lang="en-GB"/><circle id="c" class="ab"/>)");
    EXPECT_EQ(c.value("x", "fill"), "red");
    EXPECT_EQ(c.value("x", "stroke"), "blue") << "class holds several names";
    EXPECT_EQ(c.value("x", "stroke-width"), "3");
    EXPECT_EQ(c.value("x", "opacity"), "0.5");
    for (const char* p : {"fill-opacity", "stroke-opacity", "stroke-linecap", "stroke-linejoin", "stroke-dashoffset",
                          "stroke-miterlimit", "visibility"})
        EXPECT_NE(c.value("x", p), "(unset)") << p;
    EXPECT_EQ(c.value("c", "fill"), "(unset)");
    EXPECT_EQ(c.value("c", "stroke"), "(unset)") << "\"ab\" is not the class \"a\"";
    EXPECT_EQ(c.value("c", "opacity"), "0.5");
    EXPECT_THAT(c.warnings, IsEmpty());
    EXPECT_EQ(c.sheets(), 0u) << "a sheet applied whole leaves the tree";
}

TEST(CssCascade, CombinatorsAndSelectorLists)
{
    const Cascaded c(R"(<style>g > rect { fill: red } g circle { fill: blue } rect + circle { stroke: green }
      rect ~ ellipse { stroke: gray } #a, #b { stroke-width: 2 } svg > g > g rect { opacity: 0.5 }</style>
      <g><rect id="a"/><circle id="b"/><path/><ellipse id="e"/>
         <g><rect id="deep"/><a><circle id="inA"/></a></g></g><rect id="top"/><circle id="afterTop"/>)");
    EXPECT_EQ(c.value("a", "fill"), "red");
    EXPECT_EQ(c.value("deep", "fill"), "red");
    EXPECT_EQ(c.value("top", "fill"), "(unset)") << "the root is not a g";
    EXPECT_EQ(c.value("inA", "fill"), "blue") << "a descendant at any depth";
    EXPECT_EQ(c.value("b", "stroke"), "green");
    EXPECT_EQ(c.value("afterTop", "stroke"), "green");
    EXPECT_EQ(c.value("inA", "stroke"), "(unset)");
    EXPECT_EQ(c.value("e", "stroke"), "gray");
    EXPECT_EQ(c.value("a", "stroke-width"), "2");
    EXPECT_EQ(c.value("b", "stroke-width"), "2");
    EXPECT_EQ(c.value("deep", "opacity"), "0.5");
    EXPECT_EQ(c.value("a", "opacity"), "(unset)");
}

TEST(CssCascade, SpecificityThenSourceOrderThenImportance)
{
    const Cascaded c(R"(<style>
        #r { fill: red }   .c { fill: green }   rect { fill: blue }
        .c { stroke: red } rect.c { stroke: green } .c { stroke: blue }
        .c { stroke-width: 1 } .c { stroke-width: 2 }
        rect { opacity: 0.1 !important } #r { opacity: 0.2 }
        .c { stroke-linecap: round !important } #r { stroke-linecap: square !important }
      </style><rect id="r" class="c"/>)");
    EXPECT_EQ(c.value("r", "fill"), "red") << "an id beats a class beats a type";
    EXPECT_EQ(c.value("r", "stroke"), "green") << "a type and a class beat one class";
    EXPECT_EQ(c.value("r", "stroke-width"), "2") << "the later of equals";
    EXPECT_EQ(c.value("r", "opacity"), "0.1") << "!important beats specificity";
    EXPECT_EQ(c.value("r", "stroke-linecap"), "square") << "among !important, specificity";
}

TEST(CssCascade, StyleAttributesAndPresentationAttributes)
{
    const Cascaded c(
        R"(<style>rect { fill: red; stroke: red; stroke-width: 9 !important; opacity: .5 !important }</style>
      <rect id="r" fill="blue" stroke="blue" style="stroke: green; stroke-width: 1; opacity: .9 !important"/>
      <rect id="plain" fill="blue"/>)");
    EXPECT_EQ(c.value("r", "fill"), "red") << "a sheet beats a presentation attribute";
    EXPECT_EQ(c.value("r", "stroke"), "green") << "style=\"\" beats a normal sheet rule";
    EXPECT_EQ(c.value("r", "stroke-width"), "9") << "an !important rule beats style=\"\"";
    EXPECT_EQ(c.value("r", "opacity"), ".9") << "!important style=\"\" beats everything";
    EXPECT_EQ(c.value("plain", "fill"), "red");
    // The element's own declarations keep their order, the sheet's follow;
    // an !important winner stays marked for renderers of a sheet kept.
    EXPECT_STREQ(c.byId("r").attribute("style").value(),
                 "stroke:green;stroke-width:9 !important;opacity:.9 !important;fill:red");
}

TEST(CssCascade, UnmatchedElementsAreLeftAsTheyWere)
{
    const Cascaded c(R"(<style>.nothing { fill: red }</style><rect id="r" style="fill :  blue;;" fill="green"/>)");
    EXPECT_STREQ(c.byId("r").attribute("style").value(), "fill :  blue;;");
    EXPECT_FALSE(c.byId("r").parent().attribute("style")) << "the root gains nothing";
}

TEST(CssCascade, CommentsCdataImportantSpellingsAndOddSheets)
{
    const Cascaded c(R"(<style type="text/css"><![CDATA[
        /* a comment { fill: red } */
        <!-- rect { stroke : blue } -->
        @charset "utf-8";
        rect { fill: url("a;b}.svg#p") ; stroke-width: 2 ! IMPORTANT; }
        circle { fill: green }  bogus-no-brace { fill: red
      ]]></style><rect id="r" style="stroke-width: 5"/><circle id="c"/>)");
    EXPECT_EQ(c.value("r", "fill"), "url(\"a;b}.svg#p\")") << "a string holds ; and }";
    EXPECT_EQ(c.value("r", "stroke"), "blue");
    EXPECT_EQ(c.value("r", "stroke-width"), "2");
    EXPECT_EQ(c.value("c", "fill"), "green");
    EXPECT_THAT(c.warnings, IsEmpty());
    EXPECT_EQ(c.sheets(), 0u);
}

TEST(CssCascade, WhatCannotBeAppliedStaysWithOneWarningPerKind)
{
    const Cascaded c(R"(<style>
        rect { fill: red }
        rect:hover { fill: blue }  circle:hover { fill: blue }
        @media print { rect { fill: black } }
        @import url("other.css");
        svg|rect { fill: gray }
        circle:last-child { stroke: green } rect:first-child { stroke: blue }
      </style><style media="print">rect { opacity: 0 }</style><style type="text/xsl">x</style>
      <style>circle { fill: green }</style><rect id="r"/><circle id="c"/>)");
    EXPECT_EQ(c.value("r", "fill"), "red") << "what can be applied still is";
    EXPECT_EQ(c.value("r", "opacity"), "(unset)") << "a print sheet is not for the screen";
    EXPECT_EQ(c.value("c", "stroke"), "green") << ":last-child is applied";
    EXPECT_EQ(c.value("r", "stroke"), "(unset)") << "sheets are children too";
    EXPECT_EQ(c.value("c", "fill"), "green");
    EXPECT_EQ(c.sheets(), 3u) << "only the sheet applied whole goes";
    EXPECT_THAT(c.warnings,
                ElementsAre("kept 1 style rule with @import in place without applying it",
                            HasSubstr("1 style rule with @media"), HasSubstr("with namespace prefix"),
                            "kept 2 style rules with pseudo-class :hover in place without applying them",
                            "kept 1 style sheet with media other than the screen in place without applying it",
                            HasSubstr("1 style sheet with the type \"text/xsl\"")));
}

TEST(CssCascade, DeepAndWideTreesNeitherHangNorExhaustTheStack)
{
    // Each (compound, node) answer is remembered along ancestor and sibling
    // walks, so these are linear; a walk per element would take minutes.
    constexpr int kMany = 20000;
    std::string deep = "<style>rect g { fill: red } g g g g g g g g g g g g g g g g rect.no { fill: red }"
                       " svg g { stroke: blue }</style>";
    for (int i = 0; i < kMany; ++i)
        deep += "<g>";
    deep += R"(<rect id="r"/>)";
    for (int i = 0; i < kMany; ++i)
        deep += "</g>";
    const Cascaded d(deep);
    EXPECT_EQ(d.value("r", "fill"), "(unset)");
    EXPECT_EQ(d.byId("r").parent().attribute("style").value(), std::string("stroke:blue"));

    std::string wide = "<style>rect ~ g { fill: red } circle ~ g { stroke: blue }</style><circle/>";
    for (int i = 0; i < kMany; ++i)
        wide += "<g/>";
    const Cascaded w(wide + R"(<g id="last"/>)");
    EXPECT_EQ(w.value("last", "fill"), "(unset)");
    EXPECT_EQ(w.value("last", "stroke"), "blue");
}

TEST(CssCascade, SelectorsSeeTheTreeAsTheFileHasIt)
{
    // Writing the cascaded style="" must not make [style] match afterwards.
    const Cascaded c(R"(<style>g { opacity: .5 } [style] rect { fill: red }</style><g><rect id="r"/></g>)");
    EXPECT_EQ(c.value("r", "fill"), "(unset)");
    std::string longSelector = "<style>";
    for (int i = 0; i < 100; ++i)
        longSelector += "g ";
    const Cascaded l(longSelector + "rect { fill: red }</style><rect id=\"r\"/>");
    EXPECT_THAT(l.warnings, ElementsAre(HasSubstr("a selector of more than 64 parts")));
}

TEST(CssCascade, TheImporterSeesTheCascadedStyle)
{
    std::vector<std::string> warnings;
    const DocumentData d = readSvg(R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">
        <defs><style>.st0 { fill: seagreen } .st1 { fill: #00f; } rect:hover { fill: red }</style></defs>
        <rect class="st1 st0" width="1" height="1" fill="red"/></svg>)",
                                   "styled.svg", warnings);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_THAT(warnings[0], HasSubstr("styled.svg: kept 1 style rule with pseudo-class :hover"));
    const TvColor fill = d.layers.at(0).art.at(0).style.fill;
    EXPECT_EQ(fill.components[2], 1) << "the later of two classes of equal weight";
    EXPECT_EQ(fill.components[0], 0);
}

TEST(CssParser, DeclarationsSkipWhatBrowsersSkip)
{
    const auto d = css::parseDeclarations("FILL: Red; :x; nameonly; stroke:; a b: c; font-family: 'A;B' !important");
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0].name, "fill");
    EXPECT_EQ(d[0].value, "Red");
    EXPECT_FALSE(d[0].important);
    EXPECT_EQ(d[1].name, "font-family");
    EXPECT_EQ(d[1].value, "'A;B'");
    EXPECT_TRUE(d[1].important);
}

TEST(CssCascade, InheritedProperties)
{
    for (const char* p :
         {"fill", "stroke", "stroke-width", "font-family", "font-size", "visibility", "color", "fill-rule"})
        EXPECT_TRUE(isInheritedProperty(p)) << p;
    for (const char* p : {"opacity", "display", "clip-path", "mask", "filter", "stop-color", "transform", "Fill"})
        EXPECT_FALSE(isInheritedProperty(p)) << p;
}

} // namespace
} // namespace tovrins::host
