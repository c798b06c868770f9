#include <array>
#include <string>

#include "shell/plugin_lifecycle.hpp"
#include "tests/shell/shell_fixture.hpp"

namespace tovrins::test {
namespace {

class Lifecycle : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        const std::array<const char*, 7> texts{
            "<First Mac index is 1>", "QRX <Paths>", "TovrinRotate...",   "QRX <Paths>",
            "TovrinScale...",         "QRX <Paths>", "TovrinTranslate..."};
        for (int i = 0; i < 7; ++i)
            host.strings[{kMenuTextList, i}] = texts[static_cast<std::size_t>(i)];
        message.basic = host.basic();
        holdSuites();
    }

    TvSPMessageData message{};
};

TEST_F(Lifecycle, StartupRegistersTheThreeFilters)
{
    ASSERT_EQ(startupPlugin(message), 0);
    ASSERT_NE(pluginGlobals(), nullptr);
    EXPECT_EQ(host.blockNames, std::vector<std::string>{"globals"});
    const PluginGlobals& g = *pluginGlobals();
    EXPECT_EQ(g.filterCount, 3);
    EXPECT_EQ(g.basicSuite, host.basic());
    EXPECT_EQ(g.selectionCount, -1);

    ASSERT_EQ(host.filters.size(), 3u);
    const std::array<std::string, 3> names{"KM47_TovrinRotate", "KM47_TovrinScale", "KM47_TovrinTranslate"};
    const std::array<std::string, 3> titles{"TovrinRotate...", "TovrinScale...", "TovrinTranslate..."};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(host.filters[i].name, names[i]);
        EXPECT_EQ(host.filters[i].category, "QRX <Paths>");
        EXPECT_EQ(host.filters[i].title, titles[i]);
        EXPECT_EQ(host.filters[i].options, 0);
    }
    EXPECT_EQ(g.rotateFilter, host.filters[0].handle);
    EXPECT_EQ(g.scaleFilter, host.filters[1].handle);
    EXPECT_EQ(g.translateFilter, host.filters[2].handle);

    // Strings 1 to 6, each read with a limit of 65.
    const std::vector<std::pair<int32_t, int32_t>> reads{{1, 65}, {2, 65}, {3, 65}, {4, 65}, {5, 65}, {6, 65}};
    EXPECT_EQ(host.stringReads, reads);
    ASSERT_EQ(host.menuUpdates.size(), 3u);
    for (const auto& update : host.menuUpdates)
        EXPECT_EQ(update, (std::array<int32_t, 7>{1, 0, 0, 0, 0, 1, 0}));
}

TEST_F(Lifecycle, FailingRegistrationStopsAndKeepsTheEarlierFilters)
{
    host.addFilterFailures["KM47_TovrinScale"] = TV_ERR_LAYER_LOCKED;
    EXPECT_EQ(startupPlugin(message), TV_ERR_LAYER_LOCKED);
    ASSERT_EQ(host.filters.size(), 1u);
    EXPECT_EQ(pluginGlobals()->rotateFilter, host.filters[0].handle);
    EXPECT_NE(pluginGlobals()->filterCount, 3);
    EXPECT_EQ(host.stringReads.size(), 4u) << "translate's texts are not read";
}

TEST_F(Lifecycle, ShutdownFreesTheRecordThroughItsOwnBlocksSuite)
{
    ASSERT_EQ(startupPlugin(message), 0);
    void* record = pluginGlobals();
    message.globals = record;
    host.acquired.clear();

    EXPECT_EQ(shutdownPlugin(message), 0);
    EXPECT_EQ(host.freedBlocks, std::vector<void*>{record});
    EXPECT_EQ(pluginGlobals(), nullptr);
    EXPECT_EQ(message.globals, nullptr);
    EXPECT_EQ(host.acquired, std::vector<std::string>{"SP Blocks Suite v2"});
    EXPECT_EQ(host.released, std::vector<std::string>{"SP Blocks Suite v2"});
}

TEST_F(Lifecycle, ShutdownWithoutBlocksSuiteKeepsTheRecord)
{
    ASSERT_EQ(startupPlugin(message), 0);
    host.acquireFailures[kTvSPBlocksSuite] = TV_ERR_SUITE_NOT_FOUND;
    message.globals = pluginGlobals();
    EXPECT_EQ(shutdownPlugin(message), TV_ERR_SUITE_NOT_FOUND);
    EXPECT_TRUE(host.freedBlocks.empty());
    EXPECT_NE(pluginGlobals(), nullptr);
    EXPECT_NE(message.globals, nullptr);
}

} // namespace
} // namespace tovrins::test
