#include <array>
#include <string>

#include "shell/error_report.hpp"
#include "shell/plugin_lifecycle.hpp"
#include "tests/shell/shell_fixture.hpp"

extern "C" TvErr PluginMain(const char* caller, const char* selector, void* message);

namespace tovrins::test {
namespace {

class PluginEntry : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        host.strings[{kErrorTableList, 1}] = "!sel";
        host.strings[{kErrorTableList, 2}] = "The selection is not valid for this filter.";
        host.strings[{kErrorTableList, 3}] = "<Others>";
        host.strings[{kErrorTableList, 4}] = "The filter cannot complete because of an unknown error.";
        const std::array<const char*, 6> texts{"QRX <Paths>",    "TovrinRotate...", "QRX <Paths>",
                                               "TovrinScale...", "QRX <Paths>",     "TovrinTranslate..."};
        for (int i = 0; i < 6; ++i)
            host.strings[{kMenuTextList, i + 1}] = texts[static_cast<std::size_t>(i)];
        message.basic = host.basic();
    }

    TvErr send(const char* caller, const char* selector) { return PluginMain(caller, selector, &message); }

    TvSPMessageData message{};
};

TEST_F(PluginEntry, UnlistedMessagesAnswerZeroAndShowNothing)
{
    EXPECT_EQ(send("AI Tool", "AI Go"), 0);
    EXPECT_EQ(send(kTvCallerSPInterface, "Purge"), 0);
    EXPECT_EQ(send(kTvCallerAIMenu, kTvSelectorAIUpdate), 0);
    EXPECT_EQ(send(kTvCallerAIFilter, "AI Update"), 0);
    EXPECT_TRUE(host.modals.empty());
    // Each ran inside its own acquisition and release.
    EXPECT_EQ(host.acquired.size(), 4u * 26u);
    EXPECT_EQ(host.released.size(), 4u * 26u);
}

TEST_F(PluginEntry, MenuGoAnswersBadSelectionAndShowsIt)
{
    EXPECT_EQ(send(kTvCallerAIMenu, kTvSelectorAIGo), TV_ERR_BAD_SELECTION);
    ASSERT_EQ(host.modals.size(), 1u);
    EXPECT_EQ(host.modals[0].name, "Error Dialog");
    EXPECT_EQ(host.itemTexts[2], "The selection is not valid for this filter.");
    EXPECT_EQ(host.itemTexts[3], "!sel");
    EXPECT_EQ(suites().admBasic, nullptr) << "suites released after the report";
}

TEST_F(PluginEntry, AccessMessagesTouchNoSuites)
{
    PluginGlobals record{};
    pluginGlobals() = &record;
    EXPECT_EQ(send(kTvCallerSPAccess, kTvSelectorUnload), 0);
    EXPECT_EQ(message.globals, &record);
    pluginGlobals() = nullptr;
    EXPECT_EQ(send(kTvCallerSPAccess, "Anything"), 0);
    EXPECT_EQ(send(kTvCallerSPAccess, kTvSelectorReload), 0);
    EXPECT_EQ(pluginGlobals(), &record);
    EXPECT_TRUE(host.acquired.empty());
}

TEST_F(PluginEntry, ReloadResetsTheNestingCounter)
{
    // Left held at unload, as if an outer call never returned.
    ASSERT_EQ(acquireSuites(host.basic()), 0);
    host.acquired.clear();
    EXPECT_EQ(send(kTvCallerSPAccess, kTvSelectorReload), 0);
    EXPECT_EQ(send(kTvCallerAIMenu, kTvSelectorAIUpdate), 0);
    EXPECT_EQ(host.acquired.size(), 26u);
    EXPECT_EQ(host.released.size(), 26u);
}

TEST_F(PluginEntry, SuiteNotFoundIsAnnouncedOnlyByTheLoadingAlert)
{
    host.acquireFailures[kTvADMTrackerSuite] = TV_ERR_SUITE_NOT_FOUND;
    EXPECT_EQ(send(kTvCallerAIMenu, kTvSelectorAIGo), TV_ERR_SUITE_NOT_FOUND) << "the handler does not run";
    EXPECT_EQ(host.alerts.size(), 1u);
    EXPECT_TRUE(host.modals.empty());
    EXPECT_EQ(host.released.size(), 25u);
}

TEST_F(PluginEntry, StartupAboutAndShutdown)
{
    ASSERT_EQ(send(kTvCallerSPInterface, kTvSelectorStartup), 0);
    ASSERT_NE(pluginGlobals(), nullptr);
    EXPECT_EQ(pluginGlobals()->filterCount, 3);

    EXPECT_EQ(send(kTvCallerSPInterface, kTvSelectorAbout), 0);
    ASSERT_EQ(host.modals.size(), 1u);
    EXPECT_EQ(host.modals[0].name, "About Dialog");

    message.globals = pluginGlobals();
    EXPECT_EQ(send(kTvCallerSPInterface, kTvSelectorShutdown), 0);
    EXPECT_EQ(pluginGlobals(), nullptr);
    EXPECT_EQ(message.globals, nullptr);
    EXPECT_EQ(host.freedBlocks.size(), 1u);
}

TEST_F(PluginEntry, FailingStartupIsReported)
{
    host.addFilterFailures["KM47_TovrinTranslate"] = -50;
    EXPECT_EQ(send(kTvCallerSPInterface, kTvSelectorStartup), -50);
    ASSERT_EQ(host.modals.size(), 1u);
    EXPECT_EQ(host.itemTexts[3], "-50");
    EXPECT_EQ(host.filters.size(), 2u);
}

TEST_F(PluginEntry, ExceptionsBecomeHostCodesAndStillReleaseTheSuites)
{
    host.addFilterThrows = true;
    EXPECT_EQ(send(kTvCallerSPInterface, kTvSelectorStartup), TV_ERR_MEMORY_FULL);
    EXPECT_EQ(host.released.size(), 26u);
    EXPECT_EQ(suites().blocks, nullptr);
    EXPECT_EQ(PluginMain(kTvCallerSPInterface, kTvSelectorStartup, nullptr), TV_ERR_BAD_PARAMETER);
}

} // namespace
} // namespace tovrins::test
