// Reads the built KM47_Tovrins.aip back: its resources, its exports, and
// the loader's refusal of damaged copies of it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "elf_image.hpp"
#include "plugin_file.hpp"
#include "resources/tovrins_ids.h"
#include "test_files.hpp"

namespace tovrins::host {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

const std::filesystem::path kPlugin = TOVRINS_PLUGIN_PATH;

using test::fileBytes;
using test::writeTemp;

class BuiltPlugin : public ::testing::Test {
protected:
    static void SetUpTestSuite() { resources_ = readPluginResources(kPlugin); }
    static void TearDownTestSuite() { resources_ = {}; }
    static PluginResources resources_;
};
PluginResources BuiltPlugin::resources_;

TEST_F(BuiltPlugin, PiplBytesAreExact)
{
    const std::vector<std::uint8_t> expected = {
        1, 0, 0,  0, 0, 0, 3,   0,   0,   0,   'E', 'B', 'D', 'A', 'd', 'n', 'i', 'k', 0, 0,
        0, 0, 4,  0, 0, 0, 'A', 'E', 'P', 'S', 'E', 'B', 'D', 'A', 's', 'r', 'v', 'i', 0, 0,
        0, 0, 4,  0, 0, 0, 2,   0,   0,   0,   'E', 'B', 'D', 'A', '6', '8', 'x', 'w', 0, 0,
        0, 0, 12, 0, 0, 0, 'P', 'l', 'u', 'g', 'i', 'n', 'M', 'a', 'i', 'n', 0,   0,
    };
    EXPECT_EQ(resources_.piplBytes, expected);
}

TEST_F(BuiltPlugin, FilterRegistrationStrings)
{
    std::vector<std::string> list;
    for (int id = 16000; id <= 16006; ++id)
        list.push_back(resources_.strings.at(id));
    EXPECT_THAT(list,
                ElementsAre("<First Mac index is 1>", "QRX <Paths>", "TovrinRotate...", "QRX <Paths>", "TovrinScale...",
                            "QRX <Paths>", "TovrinTranslate..."));
    EXPECT_FALSE(resources_.strings.contains(16007));
}

// The names the code reads the lists by find the strings they name.
TEST_F(BuiltPlugin, NamedStringEntriesFindTheirStrings)
{
    const auto menu = [](int entry) { return resources_.strings.at(TOVRINS_MENU_TEXT_LIST + entry); };
    EXPECT_EQ(menu(TOVRINS_ROTATE_MENU_CATEGORY), "QRX <Paths>");
    EXPECT_EQ(menu(TOVRINS_ROTATE_MENU_TITLE), "TovrinRotate...");
    EXPECT_EQ(menu(TOVRINS_SCALE_MENU_CATEGORY), "QRX <Paths>");
    EXPECT_EQ(menu(TOVRINS_SCALE_MENU_TITLE), "TovrinScale...");
    EXPECT_EQ(menu(TOVRINS_TRANSLATE_MENU_CATEGORY), "QRX <Paths>");
    EXPECT_EQ(menu(TOVRINS_TRANSLATE_MENU_TITLE), "TovrinTranslate...");

    const auto error = [](int entry) { return resources_.strings.at(TOVRINS_ERROR_TABLE_LIST + entry); };
    EXPECT_EQ(error(TOVRINS_ERROR_FIRST_KEY), "-108");
    EXPECT_EQ(error(TOVRINS_ERROR_NO_MEMORY_KEY), "-108");
    EXPECT_EQ(error(TOVRINS_ERROR_NO_HOST_MEMORY_KEY), "271");
    EXPECT_EQ(error(TOVRINS_ERROR_LAYER_LOCKED_KEY), "SEGM");
    EXPECT_EQ(error(TOVRINS_ERROR_TOO_MANY_ANCHORS_KEY), "NESS");
    EXPECT_EQ(error(TOVRINS_ERROR_BAD_SELECTION_KEY), "!sel");
    EXPECT_EQ(error(TOVRINS_ERROR_OTHERS_KEY), "<Others>");
    EXPECT_FALSE(resources_.strings.contains(TOVRINS_ERROR_TABLE_LIST + TOVRINS_ERROR_OTHERS_KEY + 2));

    ASSERT_TRUE(resources_.dialogs.contains(TOVRINS_ABOUT_DIALOG));
    const auto& items = resources_.dialogs.at(TOVRINS_ABOUT_DIALOG).items;
    EXPECT_TRUE(std::ranges::any_of(
        items, [](const auto& item) { return item.id == TOVRINS_ABOUT_OK_ITEM && item.text == "OK"; }));
}

TEST_F(BuiltPlugin, ErrorTableEndsAtTheFirstAbsentIndex)
{
    const std::string noMemory = "The filter cannot complete because there isn't enough memory (RAM) available.";
    std::vector<std::string> list;
    for (int id = 16050; resources_.strings.contains(id); ++id)
        list.push_back(resources_.strings.at(id));
    EXPECT_THAT(list,
                ElementsAre("<Mac strings begin at index 1>", "-108", noMemory, "271", noMemory, "SEGM",
                            "The filter cannot complete because a layer is locked or invisible.", "NESS",
                            "The filter cannot complete because a path has too many anchor points.", "!sel",
                            "The selection is not valid for this filter.", "<Others>",
                            "The filter cannot complete because of an unknown error."));
}

TEST_F(BuiltPlugin, ErrorDialog)
{
    const DialogTemplate& d = resources_.dialogs.at(16051);
    EXPECT_EQ(d.title, "Plug-in Error");
    EXPECT_EQ(d.rect.width, 185);
    EXPECT_EQ(d.rect.height, 92);
    EXPECT_EQ(d.fontName, "MS Sans Serif");
    EXPECT_EQ(d.fontSize, 8);
    ASSERT_EQ(d.items.size(), 4u);
    const auto check = [&](std::size_t i, std::int32_t id, const char* cls, const char* text, DialogRect rect) {
        SCOPED_TRACE(i);
        EXPECT_EQ(d.items[i].id, id);
        EXPECT_EQ(d.items[i].className, cls);
        EXPECT_EQ(d.items[i].text, text);
        EXPECT_EQ(d.items[i].rect, rect);
    };
    check(0, 1, "Button", "OK", {127, 65, 50, 14});
    check(1, 2, "Static", "Message", {43, 12, 126, 28});
    check(2, 3, "Static", "Code", {13, 66, 30, 8});
    check(3, 4, "Static", "", {10, 10, 18, 20});
}

TEST_F(BuiltPlugin, AboutDialogAndItsIcon)
{
    const DialogTemplate& d = resources_.dialogs.at(16050);
    EXPECT_EQ(d.title, "Tovrins Plug-in About");
    EXPECT_EQ(d.rect, (DialogRect{0, 0, 281, 143}));
    EXPECT_EQ(d.fontName, "MS Sans Serif");
    ASSERT_EQ(d.items.size(), 9u);
    EXPECT_EQ(d.items[0].id, 1);
    EXPECT_EQ(d.items[0].text, "OK");
    EXPECT_EQ(d.items[0].rect, (DialogRect{115, 121, 51, 14}));
    EXPECT_EQ(d.items[3].text, "Plugin Name: Tovrins Plugin");
    EXPECT_EQ(d.items[3].rect, (DialogRect{2, 46, 188, 8}));
    const DialogRect lines[] = {{2, 2, 254, 27}, {2, 34, 276, 8}, {2, 46, 188, 8}, {2, 58, 139, 8},
                                {2, 70, 168, 8}, {2, 82, 271, 8}, {2, 94, 271, 8}};
    for (std::size_t i = 0; i < std::size(lines); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(d.items[i + 1].rect, lines[i]);
        EXPECT_EQ(d.items[i + 1].className, "Static");
        EXPECT_FALSE(d.items[i + 1].text.empty());
    }
    const DialogItem& icon = d.items[8];
    EXPECT_EQ(icon.rect, (DialogRect{3, 121, 20, 20}));
    EXPECT_EQ(icon.textResource, std::optional<std::uint16_t>(16051));

    const auto& images = resources_.icons.at(16051);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].width, 32);
    EXPECT_EQ(images[0].height, 32);
    EXPECT_EQ(images[0].bitCount, 32);
    // 40-byte bitmap header, 32x32 BGRA pixels, then a 32x32 one-bit mask.
    EXPECT_EQ(images[0].image.size(), 40u + 32 * 32 * 4 + 32 * 4);
}

TEST_F(BuiltPlugin, FilterDialogHasNoItems)
{
    const DialogTemplate& d = resources_.dialogs.at(16100);
    EXPECT_EQ(d.title, "Tovrins Plugin");
    EXPECT_EQ(d.rect.width, 216);
    EXPECT_EQ(d.rect.height, 172);
    EXPECT_EQ(d.fontName, "MS Sans Serif");
    EXPECT_EQ(d.fontSize, 8);
    EXPECT_TRUE(d.items.empty());
}

TEST(PluginExports, OnlyTheEntryPoint)
{
    EXPECT_THAT(definedDynamicSymbols(fileBytes(kPlugin)), ElementsAre("PluginMain"));
}

TEST(PluginLoading, ResolvesTheEntryPointThePiplNames)
{
    const PluginFile plugin(kPlugin);
    EXPECT_EQ(plugin.entryName(), "PluginMain");
    EXPECT_NE(plugin.entry(), nullptr);
    EXPECT_EQ(plugin.resources().dialogs.size(), 3u);
}

std::string refusal(const std::filesystem::path& path)
{
    try {
        PluginFile plugin(path);
    } catch (const PluginLoadError& e) {
        return e.what();
    }
    return "";
}

// Copies the plug-in with the first occurrence of from, inside the resource
// section, replaced by to.
std::filesystem::path patchedCopy(const std::string& name, const std::string& from, const std::string& to)
{
    std::vector<std::uint8_t> bytes = fileBytes(kPlugin);
    const auto section = findElfSection(bytes, kResourceSection);
    const auto start = bytes.begin() + (section->data() - bytes.data());
    const auto at = std::search(start, start + static_cast<std::ptrdiff_t>(section->size()), from.begin(), from.end());
    EXPECT_NE(at, start + static_cast<std::ptrdiff_t>(section->size())) << from;
    std::copy(to.begin(), to.end(), at);
    return writeTemp(name, bytes);
}

TEST(PluginLoading, DamagedPiplsAreRefused)
{
    EXPECT_THAT(refusal(patchedCopy("kind.aip", "AEPS", "AEPZ")), HasSubstr("PIPL kind is not SPEA"));
    EXPECT_THAT(refusal(patchedCopy("ivrs.aip", "srvi", "srvj")), HasSubstr("PIPL has no 'ivrs' property"));
    EXPECT_THAT(refusal(patchedCopy("entry.aip", "PluginMain", "PluginMaim")),
                HasSubstr("does not export its entry point PluginMaim"));
    EXPECT_THAT(refusal(patchedCopy("unterminated.aip", std::string("Main\0\0", 6), "MainXY")),
                HasSubstr("not terminated"));
    EXPECT_THAT(refusal(patchedCopy("nopipl.aip", "P\0I\0P\0L\0", "Q\0I\0P\0L\0")), HasSubstr("has no PIPL"));
    const std::string version("srvi\0\0\0\0\4\0\0\0\2", 13);
    std::string version3 = version;
    version3.back() = 3;
    const auto path = patchedCopy("version.aip", version, version3);
    EXPECT_THAT(refusal(path), HasSubstr("interface version is not 2"));
    EXPECT_THAT(refusal(path), HasSubstr(path.string()));
}

TEST(PluginLoading, DamagedResourceSectionIsRefused)
{
    std::vector<std::uint8_t> bytes = fileBytes(kPlugin);
    const auto section = findElfSection(bytes, kResourceSection);
    const auto offset = static_cast<std::size_t>(section->data() - bytes.data());
    bytes[offset + 4] = 4; // header size of the opening record
    const auto path = writeTemp("header.aip", bytes);
    const std::string message = refusal(path);
    EXPECT_THAT(message, HasSubstr(path.string()));
    EXPECT_THAT(message, HasSubstr("header size 4"));
}

TEST(PluginLoading, NonPluginFilesAreRefused)
{
    const auto text = writeTemp("notes.aip", {'h', 'e', 'l', 'l', 'o', '\n'});
    EXPECT_THAT(refusal(text), HasSubstr("not an ELF file"));
    EXPECT_THAT(refusal(text), HasSubstr(text.string()));
    EXPECT_THAT(refusal("/nonexistent/KM47_Tovrins.aip"), HasSubstr("cannot be opened"));
    EXPECT_THAT(refusal(TOVRINS_TEST_EXECUTABLE), HasSubstr("has no .tovrins_res resource section"));

    std::vector<std::uint8_t> bytes = fileBytes(kPlugin);
    bytes.resize(bytes.size() / 2); // the section headers sit at the end
    EXPECT_THAT(refusal(writeTemp("half.aip", bytes)), HasSubstr("runs past the end"));
    bytes.resize(40);
    EXPECT_THAT(refusal(writeTemp("header-only.aip", bytes)), HasSubstr("runs past the end"));
}

TEST(PluginLoading, DirectoriesAndDevicesAreNamedForWhatTheyAre)
{
    EXPECT_THAT(refusal(::testing::TempDir()), HasSubstr("is a directory, not a plug-in file"));
    EXPECT_THAT(refusal("/dev/zero"), HasSubstr("plug-in /dev/zero: is not a regular file"));
}

// dlopen searches the library path for a bare file name; the loader must
// load the file in the working directory instead, as for any other path.
TEST(PluginLoading, AFileNameWithoutASlashIsTheFileInTheWorkingDirectory)
{
    EXPECT_EQ(explicitLibraryPath("good.aip"), "./good.aip");
    EXPECT_EQ(explicitLibraryPath("lib/good.aip"), "lib/good.aip");
    EXPECT_EQ(explicitLibraryPath("/opt/good.aip"), "/opt/good.aip");

    const auto dir = std::filesystem::path(::testing::TempDir()) / "tovrins_bare_name";
    std::filesystem::create_directories(dir);
    std::filesystem::copy_file(kPlugin, dir / "good.aip", std::filesystem::copy_options::overwrite_existing);
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    std::string failure;
    try {
        const PluginFile plugin("good.aip");
        EXPECT_EQ(plugin.path(), "good.aip"); // messages name it as typed
        EXPECT_NE(plugin.entry(), nullptr);
    } catch (const PluginLoadError& e) {
        failure = e.what();
    }
    std::filesystem::current_path(before);
    std::filesystem::remove_all(dir);
    EXPECT_EQ(failure, "");
}

} // namespace
} // namespace tovrins::host
