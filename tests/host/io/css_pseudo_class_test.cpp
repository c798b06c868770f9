// Pseudo-classes: structural ones counted among element siblings, :not(),
// :lang(), :link, :empty, specificity, and those a picture cannot answer.
#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <pugixml.hpp>

#include "host/io/css_selector.hpp"

namespace tovrins::host::css {
namespace {

using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

constexpr const char* kTree = R"(<svg xml:lang="en-GB">
  <rect id="r1"/><!-- a comment is no sibling --><circle id="c1"/><rect id="r2"/>
  <rect id="r3" class="evil"/><g id="g" lang="fr"><text id="t"> </text><a id="a" xlink:href="#x"><path id="p"/></a></g>
</svg>)";

// The ids of the elements the selector matches, in document order.
std::vector<std::string> matching(const std::string& selector)
{
    pugi::xml_document xml;
    EXPECT_TRUE(xml.load_string(kTree));
    auto parsed = parseSelectors(selector);
    if (auto* u = std::get_if<Unsupported>(&parsed)) {
        ADD_FAILURE() << selector << ": " << u->kind;
        return {};
    }
    std::vector<std::string> ids;
    std::vector<SelectorMatcher> matchers;
    for (const Selector& s : std::get<std::vector<Selector>>(parsed))
        matchers.emplace_back(s);
    for (const pugi::xpath_node& x : xml.select_nodes("//*[@id]"))
        if (std::any_of(matchers.begin(), matchers.end(), [&](SelectorMatcher& m) { return m.matches(x.node()); }))
            ids.emplace_back(x.node().attribute("id").value());
    return ids;
}

std::string unsupported(const std::string& selector)
{
    auto parsed = parseSelectors(selector);
    auto* u = std::get_if<Unsupported>(&parsed);
    return u ? u->kind : "(supported)";
}

Specificity specificity(const std::string& selector)
{
    return std::get<std::vector<Selector>>(parseSelectors(selector)).front().specificity;
}

TEST(CssPseudoClass, StructuralCountsElementSiblingsOnly)
{
    EXPECT_THAT(matching(":first-child"), ElementsAreArray({"r1", "t", "p"}));
    EXPECT_THAT(matching("rect:last-child, g:last-child"), ElementsAreArray({"g"}));
    EXPECT_THAT(matching(":only-child"), ElementsAreArray({"p"}));
    EXPECT_THAT(matching("rect:first-of-type"), ElementsAreArray({"r1"}));
    EXPECT_THAT(matching("rect:last-of-type"), ElementsAreArray({"r3"}));
    EXPECT_THAT(matching("circle:only-of-type"), ElementsAreArray({"c1"}));
    EXPECT_THAT(matching(":nth-child(2n+1)"), ElementsAreArray({"r1", "r2", "g", "t", "p"}));
    EXPECT_THAT(matching("svg > :nth-child(even)"), ElementsAreArray({"c1", "r3"}));
    EXPECT_THAT(matching(":nth-child( -n + 2 )"), ElementsAreArray({"r1", "c1", "t", "a", "p"}));
    EXPECT_THAT(matching(":nth-child(3)"), ElementsAreArray({"r2"}));
    EXPECT_THAT(matching(":nth-last-child(1)"), ElementsAreArray({"g", "a", "p"}));
    EXPECT_THAT(matching("rect:nth-of-type(2)"), ElementsAreArray({"r2"}));
    EXPECT_THAT(matching("rect:nth-last-of-type(n+2)"), ElementsAreArray({"r1", "r2"}));
    EXPECT_THAT(matching(":root"), ::testing::IsEmpty()) << "the root has no id here";
}

TEST(CssPseudoClass, NotLangLinkAndEmpty)
{
    EXPECT_THAT(matching("rect:not(.evil)"), ElementsAreArray({"r1", "r2"}));
    EXPECT_THAT(matching("svg > :not(rect, #g)"), ElementsAreArray({"c1"}));
    EXPECT_THAT(matching("rect:not(:last-of-type):not(:first-child)"), ElementsAreArray({"r2"}));
    EXPECT_THAT(matching("rect:lang(en)"), ElementsAreArray({"r1", "r2", "r3"}));
    EXPECT_THAT(matching(":lang('FR')"), ElementsAreArray({"g", "t", "a", "p"}));
    EXPECT_THAT(matching(":lang(e)"), ::testing::IsEmpty()) << "a prefix is not a language";
    // A list of languages matches any of them.
    EXPECT_THAT(matching("rect:lang(de, en)"), ElementsAreArray({"r1", "r2", "r3"}));
    EXPECT_THAT(matching(":lang(de, 'fr')"), ElementsAreArray({"g", "t", "a", "p"}));
    EXPECT_THAT(matching("rect:lang(de, e)"), ::testing::IsEmpty());
    EXPECT_THAT(matching(":link"), ElementsAreArray({"a"}));
    EXPECT_THAT(matching("rect:empty"), ElementsAreArray({"r1", "r2", "r3"}));
    EXPECT_THAT(matching("text:empty"), ElementsAreArray({"t"})) << "white space alone is no content";
    EXPECT_THAT(matching("g:empty, a:empty"), ::testing::IsEmpty());
}

TEST(CssPseudoClass, Specificity)
{
    EXPECT_EQ(specificity("rect:first-child"), (Specificity{0, 1, 1}));
    EXPECT_EQ(specificity("rect:not(#a, .b)"), (Specificity{1, 0, 1})) << "its most specific argument";
    EXPECT_EQ(specificity(":not(*)"), (Specificity{0, 0, 0}));
    EXPECT_EQ(specificity(":nth-child(2n)"), (Specificity{0, 1, 0}));
}

TEST(CssPseudoClass, WhatAPictureCannotAnswerOrIsMalformed)
{
    EXPECT_THAT(unsupported("a:hover"), HasSubstr("pseudo-class :hover"));
    EXPECT_THAT(unsupported("text::first-line"), HasSubstr("pseudo-element ::first-line"));
    EXPECT_THAT(unsupported(":not(g rect)"), HasSubstr(":not of more than simple selectors"));
    EXPECT_THAT(unsupported(":not(:hover)"), HasSubstr(":hover"));
    for (const char* bad : {":nth-child(x)", ":nth-child(2n+)", ":nth-child(n-+1)", ":nth-child(", ":first-child(1)",
                            ":lang()", ":nth-child(1.5)"})
        EXPECT_NE(unsupported(bad), "(supported)") << bad;
}

} // namespace
} // namespace tovrins::host::css
