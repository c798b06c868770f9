// Entities of the internal DTD subset: expanded where XML expands them,
// bounded against bombs, external ones never read.
#include <stdexcept>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "host/io/svg_entities.hpp"
#include "host/io/svg_import.hpp"

namespace tovrins::host {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;

std::string withDoctype(const std::string& subset, const std::string& body)
{
    return "<?xml version=\"1.0\"?>\n<!-- exported -->\n<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" "
           "\"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\" [\n" +
        subset + "\n]>\n" + body;
}

std::string bodyOf(const std::string& expanded) { return expanded.substr(expanded.find("]>") + 2); }

TEST(SvgEntities, ExpandedInContentAndAttributesNotInCommentsOrCdata)
{
    std::vector<std::string> warnings;
    const std::string out = expandDtdEntities(
        withDoctype(
            R"(<!ENTITY st0 "fill:#FF0000;"> <!ENTITY ns_svg 'http://www.w3.org/2000/svg'>
                       <!ENTITY q 'say "hi" &amp; <b>'> <!ENTITY st0 "fill:blue;"> <!ENTITY g "<g id='e'/>">)",
            R"(<svg xmlns="&ns_svg;"><rect style="&st0;" title='&q;'/>&g;<!-- &st0; --><![CDATA[&st0;]]>&amp;&#65;&unknown;</svg>)"),
        warnings);
    EXPECT_EQ(bodyOf(out),
              "\n<svg xmlns=\"http://www.w3.org/2000/svg\"><rect style=\"fill:#FF0000;\" "
              "title='say &quot;hi&quot; &amp; &lt;b>'/><g id='e'/><!-- &st0; --><![CDATA[&st0;]]>"
              "&amp;&#65;&unknown;</svg>");
    EXPECT_THAT(warnings, IsEmpty());
}

TEST(SvgEntities, NestedEntitiesAndTheFirstDeclarationWins)
{
    std::vector<std::string> warnings;
    const std::string out = expandDtdEntities(
        withDoctype(R"(<!ENTITY a "x&b;x"> <!ENTITY b "&c;&c;"> <!ENTITY c "y"> <!ENTITY % pe "ignored">)",
                    "<svg>&a;</svg>"),
        warnings);
    EXPECT_EQ(bodyOf(out), "\n<svg>xyyx</svg>");
}

TEST(SvgEntities, DocumentsWithoutAnInternalSubsetAreUntouched)
{
    std::vector<std::string> warnings;
    for (const std::string& text :
         {std::string("<svg>&x;</svg>"), std::string("<!DOCTYPE svg SYSTEM \"svg.dtd\"><svg>&x;</svg>"),
          withDoctype("<!ELEMENT svg ANY>", "<svg>&x;</svg>")})
        EXPECT_EQ(expandDtdEntities(text, warnings), text);
}

void expectRefused(const std::string& subset, const std::string& body, const std::string& what)
{
    std::vector<std::string> warnings;
    try {
        expandDtdEntities(withDoctype(subset, body), warnings);
        ADD_FAILURE() << "accepted " << subset;
    } catch (const std::runtime_error& e) {
        EXPECT_THAT(e.what(), HasSubstr(what));
    }
}

TEST(SvgEntities, BombsRecursionAndDeepNestingAreRefused)
{
    // The billion laughs: ten levels of ten references each.
    std::string bomb = R"(<!ENTITY l0 "lollollollollol">)";
    for (int i = 1; i <= 10; ++i) {
        bomb += "<!ENTITY l" + std::to_string(i) + " \"";
        for (int k = 0; k < 10; ++k)
            bomb += "&l" + std::to_string(i - 1) + ";";
        bomb += "\">";
    }
    expectRefused(bomb, "<svg>&l10;</svg>", "entity bomb");
    // Each reference small, but a million of them in the body.
    std::string many = "<svg>";
    for (int i = 0; i < 200000; ++i)
        many += "&l3;";
    expectRefused(bomb, many + "</svg>", "more than 16 MiB");
    expectRefused(R"(<!ENTITY a "&b;"> <!ENTITY b "&a;">)", "<svg>&a;</svg>", "\"a\" that refers to itself");
    expectRefused(R"(<!ENTITY a "&a;">)", "<svg title='&a;'/>", "refers to itself");
    std::string chain;
    for (int i = 0; i < 100; ++i)
        chain += "<!ENTITY e" + std::to_string(i) + " \"&e" + std::to_string(i + 1) + ";\">";
    expectRefused(chain, "<svg>&e0;</svg>", "more than 64 deep");
}

TEST(SvgEntities, ExternalEntitiesAreNeverRead)
{
    std::vector<std::string> warnings;
    const std::string out = expandDtdEntities(
        withDoctype(
            R"(<!ENTITY secret SYSTEM "file:///etc/passwd"> <!ENTITY pub PUBLIC "-//x" "http://example.com/x">)",
            "<svg><text>&secret;&secret;&pub;</text></svg>"),
        warnings);
    EXPECT_EQ(bodyOf(out), "\n<svg><text></text></svg>");
    ASSERT_EQ(warnings.size(), 2u) << "one warning per entity, not per reference";
    EXPECT_THAT(warnings[0], HasSubstr("external entity \"secret\""));
}

TEST(SvgEntities, TheImporterReadsIllustrationProgramExports)
{
    std::vector<std::string> warnings;
    const DocumentData d = readSvg(
        withDoctype(R"(<!ENTITY st0 "fill:#FF0000;"> <!ENTITY ns_svg "http://www.w3.org/2000/svg">)",
                    R"(<svg xmlns="&ns_svg;" width="10" height="10"><rect style="&st0;" width="1" height="1"/></svg>)"),
        "exported.svg", warnings);
    EXPECT_THAT(warnings, IsEmpty());
    ASSERT_EQ(d.layers.size(), 1u);
    ASSERT_EQ(d.layers[0].art.size(), 1u);
    EXPECT_EQ(d.layers[0].art[0].style.fill.components[0], 1);
    EXPECT_EQ(d.layers[0].art[0].style.fill.components[1], 0);

    try {
        readSvg(withDoctype(R"(<!ENTITY a "&a;">)", "<svg>&a;</svg>"), "bomb.svg", warnings);
        ADD_FAILURE() << "a recursive entity was accepted";
    } catch (const std::runtime_error& e) {
        EXPECT_THAT(e.what(), HasSubstr("bomb.svg has an entity \"a\" that refers to itself."));
    }
}

} // namespace
} // namespace tovrins::host
