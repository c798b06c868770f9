// SVG files saved in UTF-16, Latin-1 or Windows-1252 are read; other encodings are named.
#include <stdexcept>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "host/io/svg_import.hpp"
#include "host/io/svg_text_encoding.hpp"

namespace tovrins::host {
namespace {

using ::testing::HasSubstr;

// UTF-8 (ASCII and a few code points) as UTF-16 bytes.
std::string utf16(std::u16string_view text, bool bigEndian, bool bom)
{
    std::string out;
    auto unit = [&](char16_t u) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xff);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    };
    if (bom)
        unit(0xfeff);
    for (char16_t u : text)
        unit(u);
    return out;
}

constexpr std::u16string_view kSvg =
    u"<?xml version=\"1.0\" encoding=\"UTF-16\"?><svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\">"
    u"<text id=\"t\">\u00e9\u20ac\U0001F600</text><rect width=\"1\" height=\"1\"/></svg>";

TEST(SvgTextEncoding, Utf16WithOrWithoutByteOrderMarkInBothByteOrders)
{
    const std::string want = "<text id=\"t\">\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80</text>";
    for (bool big : {false, true})
        for (bool bom : {false, true}) {
            const std::string utf8 = xmlTextAsUtf8(utf16(kSvg, big, bom));
            EXPECT_THAT(utf8, HasSubstr(want)) << big << bom;
            EXPECT_TRUE(utf8.starts_with("<?xml")) << "no byte-order mark is left";
            std::vector<std::string> warnings;
            const DocumentData d = readSvg(utf16(kSvg, big, bom), "wide.svg", warnings);
            ASSERT_EQ(d.layers.size(), 1u);
            ASSERT_EQ(d.layers[0].art.size(), 2u);
            EXPECT_EQ(d.layers[0].art[0].content, "\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80");
        }
}

TEST(SvgTextEncoding, Utf8Latin1AndWindows1252)
{
    EXPECT_EQ(xmlTextAsUtf8("\xef\xbb\xbf<svg/>"), "<svg/>");
    EXPECT_EQ(xmlTextAsUtf8("<svg>\xc3\xa9</svg>"), "<svg>\xc3\xa9</svg>");
    EXPECT_EQ(xmlTextAsUtf8("<?xml version='1.0' encoding='ISO-8859-1'?><svg>\xe9</svg>"),
              "<?xml version='1.0' encoding='ISO-8859-1'?><svg>\xc3\xa9</svg>");
    EXPECT_EQ(xmlTextAsUtf8("<?xml version='1.0' encoding='windows-1252'?><svg>\x80\x96\xe9\x81</svg>"),
              "<?xml version='1.0' encoding='windows-1252'?><svg>\xe2\x82\xac\xe2\x80\x93\xc3\xa9\xc2\x81</svg>");
    // An ASCII file may carry any label; a UTF-16 label on 8-bit bytes is a
    // copied declaration.
    EXPECT_EQ(xmlTextAsUtf8("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><svg/>"),
              "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><svg/>");
    EXPECT_EQ(xmlTextAsUtf8("<?xml version=\"1.0\" encoding=\"UTF-16\"?><svg>\xc3\xa9</svg>"),
              "<?xml version=\"1.0\" encoding=\"UTF-16\"?><svg>\xc3\xa9</svg>");
}

void expectRefused(const std::string& bytes, const std::string& what)
{
    std::vector<std::string> warnings;
    try {
        readSvg(bytes, "odd.svg", warnings);
        ADD_FAILURE() << "accepted";
    } catch (const std::runtime_error& e) {
        EXPECT_THAT(e.what(), HasSubstr("odd.svg "));
        EXPECT_THAT(e.what(), HasSubstr(what));
    }
}

TEST(SvgTextEncoding, OtherEncodingsAndBrokenUtf16AreNamed)
{
    expectRefused("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><svg>\x82\xa0</svg>",
                  "in the encoding \"shift_jis\", which the workbench does not read");
    expectRefused(std::string("\xff\xfe\0\0<\0\0\0", 8), "UTF-32");
    expectRefused(utf16(u"<svg/>", false, true) + "x", "odd number of bytes");
    std::string lone = utf16(u"<svg>", false, true);
    lone += std::string("\x00\xd8", 2); // a high surrogate and nothing after
    lone += utf16(u"</svg>", false, false);
    expectRefused(lone, "broken surrogate pair at byte 10");
}

} // namespace
} // namespace tovrins::host
