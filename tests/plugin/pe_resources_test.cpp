// Plug-in resources read from PE files: packed from the plug-in's own .res
// into a PE image, damaged in the ways a hostile or broken file could be,
// and, when the Windows build exists, the real KM47_Tovrins.aip against
// the .res byte for byte.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "info_commands.hpp"
#include "pe_builder.hpp"
#include "pe_image.hpp"
#include "plugin_file.hpp"
#include "test_files.hpp"

namespace tovrins::host {
namespace {

using test::peImage;
using test::put32;
using test::resourceTree;
using ::testing::HasSubstr;

using test::fileBytes;
using test::writeTemp;

std::string errorOf(const std::vector<std::uint8_t>& file)
{
    try {
        readPeResources(file);
    } catch (const ResourceError& e) {
        return e.what();
    }
    return "";
}

// Each resource's type, name and bytes, for comparing two sources.
using ResourceKey = std::pair<std::string, std::string>;
std::string keyText(const NameOrOrdinal& n) { return n.isOrdinal ? "#" + std::to_string(n.ordinal) : n.name; }
std::map<ResourceKey, std::vector<std::uint8_t>> byKey(const std::vector<RawResource>& resources)
{
    std::map<ResourceKey, std::vector<std::uint8_t>> result;
    for (const RawResource& r : resources) {
        result[{keyText(r.type), keyText(r.name)}].assign(r.data.begin(), r.data.end());
    }
    return result;
}

class PeResources : public ::testing::Test {
protected:
    const std::vector<std::uint8_t> res_ = fileBytes(TOVRINS_RES_PATH);
    const std::vector<RawResource> raw_ = parseResFile(res_);
    const std::vector<std::uint8_t> pe_ = peImage(resourceTree(raw_));
};

TEST_F(PeResources, ThePluginsResourcesReadTheSameFromAPeFile)
{
    EXPECT_EQ(byKey(readPeResources(pe_)), byKey(raw_));
    const PluginResources fromPe = readImageResources(pe_);
    const PluginResources fromRes = readResources(res_);
    EXPECT_EQ(fromPe.piplBytes, fromRes.piplBytes);
    EXPECT_EQ(fromPe.strings, fromRes.strings);
    ASSERT_EQ(fromPe.dialogs.size(), fromRes.dialogs.size());
    EXPECT_EQ(fromPe.dialogs.at(16050).items.size(), fromRes.dialogs.at(16050).items.size());
    EXPECT_EQ(fromPe.icons.at(16051).at(0).image, fromRes.icons.at(16051).at(0).image);
}

TEST_F(PeResources, AWindowsPluginIsReadButNotRunOnLinux)
{
    const auto path = writeTemp("windows.aip", pe_);
    EXPECT_TRUE(isForeignPluginFile(path));
    EXPECT_EQ(readPluginResources(path).strings.at(16002), "TovrinRotate...");
    try {
        PluginFile plugin(path);
        FAIL() << "a PE file was loaded";
    } catch (const PluginLoadError& e) {
        EXPECT_THAT(e.what(), HasSubstr(path.string() + ": is a Windows plug-in"));
    }
    // Its About box is listed from its resources, as running it would show it.
    std::ostringstream fromPe, fromLinux;
    app::showAbout(path, fromPe);
    app::showAbout(TOVRINS_PLUGIN_PATH, fromLinux);
    EXPECT_THAT(fromPe.str(), HasSubstr("Plugin Name: Tovrins Plugin\n"));
    EXPECT_EQ(fromPe.str(), fromLinux.str());
}

TEST_F(PeResources, EveryCutOfTheFileIsRefused)
{
    for (std::size_t n = 0; n < pe_.size(); n += 7) {
        const std::vector<std::uint8_t> cut(pe_.begin(), pe_.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_NE(errorOf(cut), "") << "cut at " << n;
    }
}

TEST_F(PeResources, DamagedHeadersAreRefused)
{
    auto bytes = pe_;
    put32(bytes, 0x3C, 0xFFFFFFF0);
    EXPECT_THAT(errorOf(bytes), HasSubstr("PE header offset"));
    bytes = pe_;
    bytes[test::kPeOffset] = 'X';
    EXPECT_THAT(errorOf(bytes), HasSubstr("no PE signature"));
    bytes = pe_;
    put32(bytes, test::kResourceDirectoryField, 0x9000); // no section there
    EXPECT_THAT(errorOf(bytes), HasSubstr("resource directory at address 36864"));
    bytes = pe_;
    put32(bytes, test::kSectionHeader + 20, 0x7FFFFFFF); // raw data far past the end
    EXPECT_THAT(errorOf(bytes), HasSubstr("section data runs past the end"));
    EXPECT_THAT(errorOf({'n', 'o', 't'}), HasSubstr("not a PE file"));
}

TEST_F(PeResources, DamagedDirectoriesAreRefused)
{
    const auto tree = [](std::vector<std::uint8_t> t) { return peImage(t); };
    std::vector<std::uint8_t> loop = resourceTree(raw_);
    put32(loop, 20, 0x80000000u); // the first type's directory is the root itself
    EXPECT_THAT(errorOf(tree(loop)), HasSubstr("a language entry names a directory"));
    std::vector<std::uint8_t> outside = resourceTree(raw_);
    put32(outside, 20, 0x80FFFFFFu);
    EXPECT_THAT(errorOf(tree(outside)), HasSubstr("lies past the end"));
    std::vector<std::uint8_t> dataRoot = resourceTree(raw_);
    put32(dataRoot, 20, 0); // data straight under the root
    EXPECT_THAT(errorOf(tree(dataRoot)), HasSubstr("a directory entry names data"));
}

// One directory of 300 entries that all lead back to a second of 300, whose
// entries all lead to one data entry: 27 million paths in a few hundred
// bytes. The walk stops at its bound instead of listing them.
TEST_F(PeResources, SharedSubdirectoriesCannotMultiplyTheWalk)
{
    test::Bytes t;
    constexpr std::uint32_t kEntries = 300, kSecond = 16 + 8 * kEntries, kThird = 2 * kSecond;
    for (std::uint32_t dir : {kSecond, kThird, 0u}) {
        t.u32(0).u32(0).u32(0).u16(0).u16(kEntries);
        for (std::uint32_t i = 0; i < kEntries; ++i) {
            t.u32(i + 1).u32(dir == 0 ? 3 * kSecond : 0x80000000u | dir);
        }
    }
    t.u32(test::kRsrcAddress).u32(4).u32(0).u32(0);
    EXPECT_THAT(errorOf(peImage(t.data)), HasSubstr("more than 65536 entries"));
}

TEST(PeImage, AnImageWithoutResourcesHasNone)
{
    auto bytes = peImage({0, 0, 0, 0});
    put32(bytes, test::kResourceDirectoryField, 0);
    EXPECT_TRUE(readPeResources(bytes).empty());
}

// The real Windows file, when scripts/build-windows has made it; CI's
// Windows stage runs this with TOVRINS_REQUIRE_WINDOWS_PLUGIN=1.
TEST(WindowsPlugin, ResourcesAreTheResFilesByteForByte)
{
    const char* given = std::getenv("TOVRINS_WINDOWS_PLUGIN");
    const std::filesystem::path path = given != nullptr ? given : TOVRINS_WINDOWS_PLUGIN_PATH;
    if (!std::filesystem::exists(path)) {
        if (std::getenv("TOVRINS_REQUIRE_WINDOWS_PLUGIN") != nullptr)
            FAIL() << path << " does not exist";
        GTEST_SKIP() << "no Windows build at " << path << " (scripts/build-windows)";
    }
    const std::vector<std::uint8_t> dll = fileBytes(path);
    const std::vector<std::uint8_t> res = fileBytes(TOVRINS_RES_PATH);
    const auto fromDll = byKey(readPeResources(dll));
    const auto fromRes = byKey(parseResFile(res));
    // PIPL, string tables, dialogs, and the icon with its group.
    for (const char* type : {"PIPL", "#6", "#5", "#3", "#14"}) {
        std::size_t compared = 0;
        for (const auto& [key, bytes] : fromRes) {
            if (key.first != type)
                continue;
            ++compared;
            ASSERT_TRUE(fromDll.contains(key)) << key.first << " " << key.second;
            EXPECT_EQ(fromDll.at(key), bytes) << key.first << " " << key.second;
        }
        EXPECT_GT(compared, 0u) << type;
    }
    EXPECT_EQ(fromDll.size(), fromRes.size());
}

} // namespace
} // namespace tovrins::host
