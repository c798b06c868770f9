#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "plugin_resources.hpp"
#include "res_builder.hpp"

namespace tovrins::host {
namespace {

using test::Bytes;
using test::ResBuilder;
using ::testing::HasSubstr;

constexpr std::uint16_t kString = 6;
constexpr std::uint16_t kDialog = 5;
constexpr std::uint16_t kIcon = 3;
constexpr std::uint16_t kGroupIcon = 14;

// A string block with the given texts at the given slots, the rest empty.
std::vector<std::uint8_t> stringBlock(const std::map<int, std::u16string>& slots)
{
    Bytes b;
    for (int i = 0; i < 16; ++i) {
        const auto found = slots.find(i);
        const std::u16string text = found == slots.end() ? u"" : found->second;
        b.u16(static_cast<std::uint16_t>(text.size()));
        for (char16_t c : text)
            b.u16(c);
    }
    return b.data;
}

std::string errorOf(const std::vector<std::uint8_t>& res)
{
    try {
        readResources(res);
    } catch (const ResourceError& e) {
        return e.what();
    }
    return "";
}

TEST(ResourceReader, StringBlocksMapToIdsAndSkipEmptySlots)
{
    ResBuilder res;
    res.add(kString, 1001, stringBlock({{0, u"first"}, {15, u"last"}}));
    res.add(kString, 1, stringBlock({{3, u"caf\u00e9 \U0001F600"}}));
    const auto strings = readResources(res.bytes()).strings;
    EXPECT_EQ(strings.size(), 3u);
    EXPECT_EQ(strings.at(16000), "first");
    EXPECT_EQ(strings.at(16015), "last");
    EXPECT_EQ(strings.at(3), "caf\xC3\xA9 \xF0\x9F\x98\x80");
    EXPECT_FALSE(strings.contains(16001));
}

TEST(ResourceReader, EveryCutInsideARecordIsRefused)
{
    ResBuilder res;
    res.add(kString, 1001, stringBlock({{0, u"ab"}})); // 36 bytes: no padding
    res.addNamedType(u"PIPL", 16000, Bytes().u16(1).u32(0).u32(0).u16(0).data);
    const auto& full = res.bytes();
    ASSERT_EQ(full.size() % 4, 0u);
    int accepted = 0;
    for (std::size_t n = 1; n < full.size(); ++n) {
        const std::vector<std::uint8_t> cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
        try {
            readResources(cut);
            ++accepted;
        } catch (const ResourceError& e) {
            EXPECT_THAT(e.what(), HasSubstr("offset")) << "cut at " << n;
        }
    }
    // Only the ends of the opening record and of the string block parse.
    EXPECT_EQ(accepted, 2);
}

TEST(ResourceReader, InconsistentHeadersAreNamed)
{
    EXPECT_THAT(errorOf({}), HasSubstr("empty"));
    EXPECT_THAT(errorOf(Bytes().u32(0).u32(8).data), HasSubstr("header size 8"));
    EXPECT_THAT(errorOf(Bytes().u32(0).u32(0x7FFFFFFF).data), HasSubstr("runs past the end"));
    ResBuilder huge;
    huge.add(kString, 1, stringBlock({}));
    std::vector<std::uint8_t> bytes = huge.bytes();
    bytes[32] = 0xFF; // the data size of the string record
    bytes[35] = 0x7F;
    EXPECT_THAT(errorOf(bytes), HasSubstr("resource data of"));
}

TEST(ResourceReader, ShortStringBlockIsRefused)
{
    std::vector<std::uint8_t> block = stringBlock({{15, u"xyz"}});
    block.resize(block.size() - 2);
    ResBuilder res;
    res.add(kString, 7, block);
    EXPECT_THAT(errorOf(res.bytes()), HasSubstr("string block 7"));
}

Bytes extendedDialog(std::uint16_t declaredItems)
{
    Bytes d;
    d.u16(1).u16(0xFFFF).u32(0).u32(0).u32(0x80C80048).u16(declaredItems);
    d.u16(5).u16(6).u16(200).u16(100);
    d.u16(0).u16(0).text(u"Extended").u16(9).u16(400).u8(0).u8(1).text(u"Tahoma");
    d.align4().u32(0).u32(0).u32(0x50010000).u16(0xFFF6).u16(20).u16(100).u16(12);
    d.u32(70000).text(u"msctls_trackbar32").u16(0xFFFF).u16(16051).u16(2).u16(0xABCD);
    return d;
}

TEST(ResourceReader, ExtendedDialogTemplate)
{
    ResBuilder res;
    res.add(kDialog, 300, extendedDialog(1).data);
    const auto dialogs = readResources(res.bytes()).dialogs;
    ASSERT_TRUE(dialogs.contains(300));
    const DialogTemplate& d = dialogs.at(300);
    EXPECT_EQ(d.title, "Extended");
    EXPECT_EQ(d.rect, (DialogRect{5, 6, 200, 100}));
    EXPECT_EQ(d.fontName, "Tahoma");
    EXPECT_EQ(d.fontSize, 9);
    ASSERT_EQ(d.items.size(), 1u);
    const DialogItem& item = d.items[0];
    EXPECT_EQ(item.id, 70000);
    EXPECT_EQ(item.className, "msctls_trackbar32");
    EXPECT_EQ(item.textResource, std::optional<std::uint16_t>(16051));
    EXPECT_EQ(item.rect, (DialogRect{-10, 20, 100, 12}));
}

TEST(ResourceReader, DialogDeclaringMoreItemsThanItHoldsIsRefused)
{
    ResBuilder res;
    res.add(kDialog, 300, extendedDialog(2).data);
    EXPECT_THAT(errorOf(res.bytes()), HasSubstr("dialog 300"));
}

TEST(ResourceReader, PiplPropertiesAndItsLimits)
{
    Bytes pipl;
    pipl.u16(1).u32(0).u32(1).u32(0x41444245).u32(0x6E616D65).u32(0).u32(3).u8('a').u8('b').u8('c').u8(0);
    ResBuilder good;
    good.addNamedType(u"PIPL", 16000, pipl.data);
    const auto read = readResources(good.bytes());
    ASSERT_TRUE(read.pipl.has_value());
    ASSERT_EQ(read.pipl->properties.size(), 1u);
    const PiplProperty* name = read.pipl->find(fourCharCode("ADBE"), fourCharCode("name"));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->data, (std::vector<std::uint8_t>{'a', 'b', 'c'}));
    EXPECT_EQ(read.piplBytes, pipl.data);

    Bytes tooMany;
    tooMany.u16(1).u32(0).u32(0x10000000).u32(0).u32(0).u32(0).u32(0);
    ResBuilder many;
    many.addNamedType(u"PIPL", 16000, tooMany.data);
    EXPECT_THAT(errorOf(many.bytes()), HasSubstr("property count"));

    Bytes trailing = pipl;
    trailing.u32(0);
    ResBuilder extra;
    extra.addNamedType(u"PIPL", 16000, trailing.data);
    EXPECT_THAT(errorOf(extra.bytes()), HasSubstr("unexpected bytes"));

    ResBuilder twice;
    twice.addNamedType(u"PIPL", 16000, pipl.data).addNamedType(u"PIPL", 16001, pipl.data);
    EXPECT_THAT(errorOf(twice.bytes()), HasSubstr("more than one PIPL"));
}

TEST(ResourceReader, IconGroupsResolveTheirImages)
{
    const std::vector<std::uint8_t> image(40, 0x11);
    Bytes group;
    group.u16(0).u16(1).u16(1).u8(16).u8(0).u8(0).u8(0).u16(1).u16(32).u32(40).u16(7);
    ResBuilder res;
    res.add(kGroupIcon, 51, group.data).add(kIcon, 7, image); // group before its image
    const auto icons = readResources(res.bytes()).icons;
    ASSERT_EQ(icons.at(51).size(), 1u);
    EXPECT_EQ(icons.at(51)[0].width, 16);
    EXPECT_EQ(icons.at(51)[0].height, 256);
    EXPECT_EQ(icons.at(51)[0].image, image);

    ResBuilder missing;
    missing.add(kGroupIcon, 51, group.data).add(kIcon, 8, image);
    EXPECT_THAT(errorOf(missing.bytes()), HasSubstr("icon image 7 is missing"));

    ResBuilder wrongSize;
    wrongSize.add(kGroupIcon, 51, group.data).add(kIcon, 7, std::vector<std::uint8_t>(36));
    EXPECT_THAT(errorOf(wrongSize.bytes()), HasSubstr("the directory says 40"));
}

} // namespace
} // namespace tovrins::host
