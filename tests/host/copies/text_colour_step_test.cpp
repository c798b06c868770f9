// A colour step recolours copies of text as it does copies of paths: the
// fill each copy gets is the one written on its <text> element on export,
// whether the original's fill was its own attribute, in style="" or
// inherited from a group.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <pugixml.hpp>

#include "host/adm/scripted_front_end.hpp"
#include "host/io/svg_export.hpp"
#include "host/io/svg_import.hpp"
#include "resources/tovrins_ids.h"
#include "tests/support/plugin_harness.hpp"

namespace tovrins::host {
namespace item = tovrins::item;
namespace {

// The three ways a text gets its fill, each the only text of its file.
const char* kTexts[] = {
    R"~(<text id="t" x="40" y="80" font-size="30" fill="rgb(204, 51, 0)">Tv</text>)~",
    R"(<text id="t" x="40" y="80" style="font-size:30px;fill:#cc3300">Tv</text>)",
    R"(<g fill="#cc3300"><text id="t" x="40" y="80" font-size="30">Tv</text></g>)",
};

// The channels of "#rrggbb", 0 to 255.
std::vector<int> channels(const std::string& hex)
{
    unsigned r = 0, g = 0, b = 0;
    EXPECT_EQ(std::sscanf(hex.c_str(), "#%02x%02x%02x", &r, &g, &b), 3) << hex;
    return {static_cast<int>(r), static_cast<int>(g), static_cast<int>(b)};
}

// The fills of the <text> elements of an export, in document order, and
// that none says otherwise in style="".
std::vector<std::string> textFills(const std::string& svg)
{
    pugi::xml_document xml;
    EXPECT_TRUE(xml.load_string(svg.c_str())) << svg;
    std::vector<std::string> fills;
    for (const pugi::xpath_node& t : xml.select_nodes("//text")) {
        EXPECT_THAT(t.node().attribute("style").value(), ::testing::Not(::testing::HasSubstr("fill")));
        fills.push_back(t.node().attribute("fill").value());
    }
    return fills;
}

TEST(TextColourStep, RotateWithAColourStepWritesCopiesWhoseFillSteps)
{
    // Towards white (colour target 1) by half each copy: copy i keeps
    // 0.5^i of the original's colour.
    const double original[] = {0.8, 0.2, 0};
    for (const char* text : kTexts) {
        SCOPED_TRACE(text);
        std::vector<std::string> warnings;
        DocumentData doc = readSvg(std::string(R"(<svg xmlns="http://www.w3.org/2000/svg" width="200" height="200">)") +
                                       text + "</svg>",
                                   "text.svg", warnings);
        ASSERT_THAT(warnings, ::testing::IsEmpty());
        ArtData* t = &doc.layers.at(0).art.at(0);
        if (t->type == ArtType::Group)
            t = &t->children.at(0);
        ASSERT_EQ(t->type, ArtType::Text);
        t->selected = true;
        tovrins::testing::PluginHarness h;
        h.bench.open(doc);
        ScriptedFrontEnd frontEnd;
        frontEnd.addScript({DialogAction::setText(item::kColourPercent, "50"),
                            DialogAction::setText(item::kColourTarget, "1"),
                            DialogAction::setText(item::kDeleteOriginal, "0")});
        ASSERT_EQ(h.run(h.rotate(), frontEnd).code, 0);
        ASSERT_FALSE(frontEnd.failure()) << *frontEnd.failure();
        // As tovrins writes it, from the live document.
        const std::string svg = writeSvg(h.document());
        EXPECT_EQ(svg, writeSvg(h.document().data())) << "the live and the plain writer agree";
        const std::vector<std::string> fills = textFills(svg);
        ASSERT_EQ(fills.size(), 8u) << "the original and seven copies\n" << svg;
        EXPECT_EQ(fills[0], "#cc3300") << "the original is untouched";
        for (size_t i = 0; i < 7; ++i) {
            const double keep = std::pow(0.5, static_cast<double>(i));
            const std::vector<int> written = channels(fills[i + 1]);
            // Within the rounding of a channel to a byte.
            for (size_t c = 0; c < 3; ++c)
                EXPECT_NEAR(written[c], (original[c] * keep + (1 - keep)) * 255, 0.51)
                    << "copy " << i << " channel " << c;
        }
        // Read back, the copies keep the fill they were written with.
        const DocumentData back = readSvg(svg, "copies.svg", warnings);
        EXPECT_EQ(writeSvg(back), svg);
    }
}

} // namespace
} // namespace tovrins::host
