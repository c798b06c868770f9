#include <gtest/gtest.h>

#include "tests/host/document_fixtures.hpp"
#include "tests/support/plugin_harness.hpp"

namespace tovrins::host {
namespace {

TEST(WorkbenchSmoke, StartupRegistersThreeFiltersAndRotateMakesCopies)
{
    tovrins::testing::PluginHarness harness;
    ASSERT_EQ(harness.bench.filters().all().size(), 3u);
    DocumentData data;
    data.layers.push_back(host::testing::layer("Layer 1", {host::testing::rect("a", 100, 100, 200, 150, true)}));
    harness.bench.open(data);
    const CommandOutcome outcome = harness.run(harness.rotate());
    EXPECT_EQ(outcome.code, 0);
    EXPECT_GT(harness.topLevelArtCount(), 1u);
    ASSERT_NE(harness.params(harness.rotate()), nullptr);
    EXPECT_EQ(harness.params(harness.rotate())->rotateGoRun, 1);
}

} // namespace
} // namespace tovrins::host
