// The plug-in's life in the host: nested messages share one acquisition of
// the suites, unload and reload keep the globals and the filters, Shutdown
// frees the globals, and a suite that cannot be acquired is announced.
#include <functional>

#include "tests/filters/filter_test_support.hpp"
#include "sdk/tv_adm_tracker.h"

namespace tovrins::filters_test {
namespace {

// A front end that, in the filter's dialog, does something inside the
// plug-in's call and then accepts; dialogs opened meanwhile are accepted.
class NestingFrontEnd : public host::DefaultFrontEnd {
public:
    explicit NestingFrontEnd(std::function<void()> inside) : inside_(std::move(inside)) { }
    void run(host::DialogUser& user) override
    {
        if (depth_++ == 0)
            inside_();
        user.pressDefault();
        --depth_;
    }

private:
    std::function<void()> inside_;
    int depth_ = 0;
};

TEST(Lifecycle, NestedMessagesNeitherAcquireNorReleaseTheSuites)
{
    testing::PluginHarness h;
    h.bench.open(oneSelectedRect());
    host::SuiteRegistry& suites = h.bench.environment().suites;
    int64_t held = 0;
    int64_t afterUpdate = -1;
    int64_t afterFailure = -1;
    TvErr updateCode = -1;
    TvErr menuGoCode = 0;
    uint64_t updateCalls = 1;
    NestingFrontEnd frontEnd([&] {
        held = suites.totalReferences();
        TvSPMessageData update = h.bench.messageData();
        // The update does nothing itself, so any suite call is an acquisition.
        const uint64_t before = h.bench.environment().faults.callCount();
        updateCode = h.bench.send(kTvCallerAIMenu, kTvSelectorAIUpdate, &update);
        updateCalls = h.bench.environment().faults.callCount() - before;
        afterUpdate = suites.totalReferences();
        // A nested failure is reported from inside, and still releases nothing.
        TvSPMessageData go = h.bench.messageData();
        menuGoCode = h.bench.send(kTvCallerAIMenu, kTvSelectorAIGo, &go);
        afterFailure = suites.totalReferences();
    });
    const host::CommandOutcome outcome = h.run(h.rotate(), frontEnd);
    EXPECT_EQ(outcome.code, 0);
    EXPECT_GE(held, 26) << "every suite is held while the dialog runs";
    EXPECT_EQ(updateCode, 0);
    EXPECT_EQ(updateCalls, 0u) << "a nested message neither acquires nor releases";
    EXPECT_EQ(afterUpdate, held);
    EXPECT_EQ(menuGoCode, TV_ERR_BAD_SELECTION);
    EXPECT_EQ(afterFailure, held);
    EXPECT_EQ(suites.totalReferences(), 0) << "released once, by the outermost call";
    EXPECT_EQ(topLevelArtCount(h.document().data()), 7u) << "the command itself finished";
    // The nested report came first, then the filter dialog closed.
    ASSERT_EQ(outcome.dialogs.size(), 2u);
    EXPECT_EQ(outcome.dialogs[0].resourceId, 16051);
    EXPECT_EQ(outcome.dialogs[0].texts.at(3), "!sel");
}

TEST(Lifecycle, UnloadAndReloadKeepTheGlobalsAndTheFilters)
{
    testing::PluginHarness h;
    h.bench.open(oneSelectedRect());
    ASSERT_EQ(h.run(h.translate()).code, 0);
    h.params(h.translate())->translateCopies = 3;
    const size_t blocks = h.bench.environment().blocks.liveCount();

    // Unload hands the globals to the host, reload takes the same back,
    // neither of them through a suite.
    const uint64_t calls = h.bench.environment().faults.callCount();
    h.bench.unloadAndReload();
    EXPECT_EQ(h.bench.environment().faults.callCount(), calls);
    void* globals = h.bench.messageData().globals;
    ASSERT_NE(globals, nullptr);
    h.bench.unloadAndReload();
    EXPECT_EQ(h.bench.messageData().globals, globals);
    EXPECT_EQ(h.bench.environment().blocks.liveCount(), blocks) << "reload allocates nothing";
    EXPECT_EQ(h.bench.environment().suites.totalReferences(), 0);

    // The registered handles still pick the filters, and the host's block
    // still holds the changed copy count.
    h.bench.open(oneSelectedRect());
    ASSERT_EQ(h.repeat().code, 0);
    EXPECT_EQ(topLevelArtCount(h.document().data()), 3u);
    h.bench.open(oneSelectedRect());
    ASSERT_EQ(h.run(h.rotate()).code, 0);
    EXPECT_EQ(topLevelArtCount(h.document().data()), 7u);
    EXPECT_EQ(h.bench.environment().suites.totalReferences(), 0);
}

TEST(Lifecycle, ShutdownFreesTheGlobals)
{
    testing::PluginHarness h;
    h.bench.open(oneSelectedRect());
    ASSERT_EQ(h.run(h.scale()).code, 0);
    const size_t blocks = h.bench.environment().blocks.liveCount();
    ASSERT_GE(blocks, 1u);
    TvSPMessageData message = h.bench.messageData();
    EXPECT_EQ(h.bench.send(kTvCallerSPInterface, kTvSelectorShutdown, &message), 0);
    EXPECT_EQ(message.globals, nullptr);
    EXPECT_EQ(h.bench.environment().blocks.liveCount(), blocks - 1);
    EXPECT_EQ(h.bench.environment().suites.totalReferences(), 0);
}

TEST(Lifecycle, UnknownMessagesAndAboutShowNothingElse)
{
    testing::PluginHarness h;
    TvSPMessageData message = h.bench.messageData();
    EXPECT_EQ(h.bench.send("Someone", "Something", &message), 0);
    EXPECT_EQ(h.bench.send(kTvCallerSPInterface, "Something", &message), 0);
    EXPECT_EQ(h.bench.send(kTvCallerAIMenu, kTvSelectorAIUpdate, &message), 0);
    EXPECT_TRUE(h.bench.adm().shown().empty());
    host::DefaultFrontEnd frontEnd;
    EXPECT_EQ(h.bench.about(frontEnd), 0);
    ASSERT_EQ(h.bench.adm().shown().size(), 1u);
    EXPECT_EQ(h.bench.adm().shown()[0].resourceId, 16050);
    EXPECT_EQ(h.bench.environment().suites.totalReferences(), 0);
}

// The 26th acquisition of a message is the ADM Tracker Suite, the last of
// the plug-in's suites.
TEST(Lifecycle, ASuiteThatFailsToLoadIsAnnouncedAndTheRestReleased)
{
    testing::PluginHarness h;
    h.bench.open(oneSelectedRect());
    h.bench.environment().faults.failNthCall(26, TV_ERR_BAD_PARAMETER);
    host::DefaultFrontEnd frontEnd;
    const host::CommandOutcome outcome = h.run(h.rotate(), frontEnd);
    EXPECT_EQ(outcome.code, TV_ERR_BAD_PARAMETER);
    ASSERT_EQ(frontEnd.alerts.size(), 1u);
    EXPECT_EQ(frontEnd.alerts[0], "Suite Loading Error: -50, suite: ADM Tracker Suite, version: 1!");
    // The code itself is reported too, with the table's fallback message.
    ASSERT_NE(outcome.errorDialog(), nullptr);
    EXPECT_EQ(outcome.errorDialog()->texts.at(3), "-50");
    EXPECT_EQ(h.rotate().parameters, nullptr) << "Get Parameters never ran";
    EXPECT_EQ(h.bench.environment().suites.totalReferences(), 0);
    host::testing::expectSameDocument(h.document().data(), oneSelectedRect());

    // The suite-not-found code is announced by the alert alone.
    host::DefaultFrontEnd second;
    h.bench.environment().faults.failNthCall(26, TV_ERR_SUITE_NOT_FOUND);
    const host::CommandOutcome missing = h.run(h.rotate(), second);
    EXPECT_EQ(missing.code, TV_ERR_SUITE_NOT_FOUND);
    ASSERT_EQ(second.alerts.size(), 1u);
    EXPECT_EQ(second.alerts[0],
              "Suite Loading Error: " + std::to_string(TV_ERR_SUITE_NOT_FOUND) +
                  ", suite: ADM Tracker Suite, version: 1!");
    EXPECT_TRUE(missing.dialogs.empty());
    EXPECT_EQ(h.bench.environment().suites.totalReferences(), 0);

    // A suite before the ADM Basic Suite fails unannounced; the plug-in
    // works again at the next command.
    host::DefaultFrontEnd third;
    h.bench.environment().faults.failOperation(kTvSPBasicSuite, "acquireSuite", TV_ERR_MEMORY_FULL);
    EXPECT_EQ(h.run(h.rotate(), third).code, TV_ERR_MEMORY_FULL);
    EXPECT_TRUE(third.alerts.empty());
    EXPECT_EQ(h.bench.environment().suites.totalReferences(), 0);
    h.bench.environment().faults.clear();
    EXPECT_EQ(h.run(h.rotate()).code, 0);
    EXPECT_EQ(topLevelArtCount(h.document().data()), 7u);
}

} // namespace
} // namespace tovrins::filters_test
