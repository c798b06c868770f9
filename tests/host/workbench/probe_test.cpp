// The host's side of the protocol with a probe plug-in: start-up failures,
// parameter blocks kept between commands, registration outside start-up,
// suites left acquired.
#include <cstdlib>

#include <gtest/gtest.h>

#include "tests/host/document_fixtures.hpp"
#include "host/workbench/workbench.hpp"

namespace tovrins::host {
namespace {

// Sets the probe's mode for one test.
class ProbeMode {
public:
    explicit ProbeMode(const char* mode) { setenv("TOVRINS_PROBE_MODE", mode, 1); }
    ~ProbeMode() { unsetenv("TOVRINS_PROBE_MODE"); }
};

int32_t counter(Workbench& bench, const RegisteredFilter& filter)
{
    return *static_cast<int32_t*>(bench.environment().memory.pointer(filter.parameters));
}

TEST(Probe, AStartupFailureIsReportedWithTheFileAndTheCode)
{
    const ProbeMode mode("fail-startup");
    try {
        Workbench bench(TOVRINS_PROBE_PATH, 1);
        FAIL() << "started";
    } catch (const WorkbenchError& error) {
        const std::string text = error.what();
        EXPECT_NE(text.find(TOVRINS_PROBE_PATH), std::string::npos) << text;
        EXPECT_NE(text.find("error -50"), std::string::npos) << text;
    }
}

TEST(Probe, TheHostKeepsEachFiltersBlockAcrossCommandsAndRepeats)
{
    Workbench bench(TOVRINS_PROBE_PATH, 1);
    ASSERT_EQ(bench.filters().all().size(), 1u);
    RegisteredFilter& probe = *bench.filters().find("Probe...");
    EXPECT_EQ(probe.category, "Probe");
    bench.open({});
    DefaultFrontEnd accept;
    ASSERT_EQ(bench.runFilter(probe, accept).code, 0);
    const TvMemoryHandle block = probe.parameters;
    ASSERT_NE(block, nullptr);
    const CommandOutcome repeated = bench.repeatLastFilter(accept);
    ASSERT_EQ(repeated.code, 0);
    EXPECT_FALSE(repeated.changed); // the probe's Go changes only its own block
    ASSERT_EQ(bench.runFilter(probe, accept).code, 0);
    EXPECT_EQ(probe.parameters, block);
    EXPECT_EQ(counter(bench, probe), 3);
    EXPECT_EQ(bench.environment().memory.liveCount(), 1u);

    // A cancelled dialog: no Go, the block stays.
    struct Cancel : DialogFrontEnd {
        void run(DialogUser& user) override { user.pressCancel(); }
        void alert(std::string_view) override { }
    } cancel;
    const CommandOutcome cancelled = bench.runFilter(probe, cancel);
    EXPECT_EQ(cancelled.code, TV_ERR_CANCELLED);
    EXPECT_FALSE(cancelled.accepted);
    EXPECT_EQ(counter(bench, probe), 3);
    EXPECT_EQ(bench.environment().suites.totalReferences(), 0);
}

TEST(Probe, FiltersCanOnlyBeRegisteredDuringStartup)
{
    Workbench bench(TOVRINS_PROBE_PATH, 1);
    bench.open({});
    DefaultFrontEnd accept;
    ASSERT_EQ(bench.runFilter(*bench.filters().find("Probe..."), accept).code, 0);
    const ProbeMode mode("late-filter");
    EXPECT_EQ(bench.repeatLastFilter(accept).code, TV_ERR_BAD_PARAMETER);
    EXPECT_EQ(bench.filters().all().size(), 1u);
}

TEST(Probe, ASuiteLeftAcquiredShowsInTheReferenceCount)
{
    Workbench bench(TOVRINS_PROBE_PATH, 1);
    bench.open({});
    DefaultFrontEnd accept;
    ASSERT_EQ(bench.runFilter(*bench.filters().find("Probe..."), accept).code, 0);
    EXPECT_EQ(bench.environment().suites.totalReferences(), 0);
    const ProbeMode mode("keep-suite");
    ASSERT_EQ(bench.repeatLastFilter(accept).code, 0);
    EXPECT_EQ(bench.environment().suites.referenceCount(kTvAIUndoSuite, kTvAIUndoSuiteVersion), 1);
}

} // namespace
} // namespace tovrins::host
