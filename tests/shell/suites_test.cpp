#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/shell/shell_fixture.hpp"

namespace tovrins::test {
namespace {

std::vector<std::string> tableLabels(std::size_t count)
{
    std::vector<std::string> labels;
    for (const SuiteEntry& row : suiteTable().first(count))
        labels.push_back(suiteLabel(row.name, row.version));
    return labels;
}

TEST(SuiteTable, ListsTheTwentySixSuitesInAcquisitionOrder)
{
    const std::vector<std::string> expected{
        "SP Blocks Suite v2", "SP Access Suite v3",       "AI MdMemory Suite v1",      "AI Real Math Suite v1",
        "AI Art Suite v9",    "AI User Suite v5",         "AI Document Suite v7",      "AI Document View Suite v7",
        "AI Undo Suite v4",   "AI Matching Art Suite v4", "AI Path Suite v4",          "AI Path Style Suite v5",
        "AI Random Suite v3", "AI Matching Art Suite v4", "AI Transform Art Suite v1", "AI Layer Suite v9",
        "AI Menu Suite v7",   "AI Filter Suite v2",       "ADM Basic Suite v2",        "ADM Dialog Suite v3",
        "ADM Item Suite v4",  "ADM Icon Suite v1",        "ADM Notifier Suite v1",     "ADM List Suite v1",
        "ADM Entry Suite v2", "ADM Tracker Suite v1",
    };
    EXPECT_EQ(tableLabels(suiteTable().size()), expected);
}

TEST(SuiteTable, EveryRowFillsItsOwnPointer)
{
    Suites filled;
    std::vector<const void*> places;
    for (const SuiteEntry& row : suiteTable())
        places.push_back(&(filled.*row.pointer));
    std::sort(places.begin(), places.end());
    EXPECT_EQ(std::adjacent_find(places.begin(), places.end()), places.end()) << "two rows share a pointer";
    EXPECT_EQ(&(filled.*suiteTable()[9].pointer), static_cast<const void*>(&filled.matching));
    EXPECT_EQ(&(filled.*suiteTable()[13].pointer), static_cast<const void*>(&filled.matchingSecond));
}

using SuiteAcquisition = ShellTest;

TEST_F(SuiteAcquisition, NestedCallsAcquireAndReleaseOnlyOnce)
{
    ASSERT_EQ(acquireSuites(host.basic()), 0);
    EXPECT_EQ(host.acquired, tableLabels(26));
    ASSERT_NE(suites().tracker, nullptr);

    // A message nested inside a dialog finds the suites held.
    EXPECT_EQ(acquireSuites(host.basic()), 0);
    EXPECT_EQ(host.acquired.size(), 26u);
    EXPECT_EQ(releaseSuites(host.basic()), 0);
    EXPECT_TRUE(host.released.empty());
    EXPECT_NE(suites().blocks, nullptr);

    EXPECT_EQ(releaseSuites(host.basic()), 0);
    EXPECT_EQ(host.released, tableLabels(26));
    EXPECT_EQ(suites().blocks, nullptr);
    EXPECT_EQ(suites().tracker, nullptr);

    // An unbalanced release must not leave the counter claiming a holder.
    EXPECT_EQ(releaseSuites(host.basic()), 0);
    EXPECT_EQ(acquireSuites(host.basic()), 0);
    EXPECT_EQ(host.acquired.size(), 52u);
}

TEST_F(SuiteAcquisition, TrackerFailureShowsTheLoadingMessage)
{
    host.acquireFailures[kTvADMTrackerSuite] = TV_ERR_SUITE_NOT_FOUND;
    EXPECT_EQ(acquireSuites(host.basic()), TV_ERR_SUITE_NOT_FOUND);
    ASSERT_EQ(host.alerts.size(), 1u);
    char expected[256];
    std::snprintf(expected, sizeof expected, "Suite Loading Error: %d, suite: ADM Tracker Suite, version: 1!",
                  static_cast<int>(TV_ERR_SUITE_NOT_FOUND));
    EXPECT_EQ(host.alerts[0], expected);
    EXPECT_EQ(suites().tracker, nullptr);

    // The failed call still counts: its release gives back the 25 others.
    EXPECT_EQ(releaseSuites(host.basic()), 0);
    EXPECT_EQ(host.released, tableLabels(25));
}

TEST_F(SuiteAcquisition, FailureBeforeAdmBasicIsSilentAndReleasesOnlyWhatWasAcquired)
{
    host.acquireFailures[kTvAILayerSuite] = -50;
    EXPECT_EQ(acquireSuites(host.basic()), -50);
    EXPECT_TRUE(host.alerts.empty());
    EXPECT_EQ(host.acquired.size(), 16u) << "acquisition stops at the failing row";
    EXPECT_EQ(suites().menu, nullptr);

    EXPECT_EQ(releaseSuites(host.basic()), 0);
    EXPECT_EQ(host.released, tableLabels(15));
    EXPECT_EQ(suites().memory, nullptr);
}

TEST_F(SuiteAcquisition, OneFailingReleaseDoesNotKeepTheOthers)
{
    host.releaseFailures[kTvAIUndoSuite] = 17;
    host.releaseFailures[kTvADMItemSuite] = 23;
    ASSERT_EQ(acquireSuites(host.basic()), 0);
    EXPECT_EQ(releaseSuites(host.basic()), 17) << "the first failing code";
    EXPECT_EQ(host.released, tableLabels(26));
    EXPECT_EQ(suites().undo, nullptr);
    EXPECT_EQ(suites().entry, nullptr);
}

TEST_F(SuiteAcquisition, ResetAfterReloadAcquiresAgain)
{
    ASSERT_EQ(acquireSuites(host.basic()), 0);
    ASSERT_EQ(acquireSuites(host.basic()), 0);
    resetSuiteNesting();
    EXPECT_EQ(acquireSuites(host.basic()), 0);
    EXPECT_EQ(host.acquired.size(), 52u);
    EXPECT_EQ(releaseSuites(host.basic()), 0);
    EXPECT_EQ(host.released.size(), 26u);
}

TEST_F(SuiteAcquisition, SuitesLeftFromBeforeAReloadDoNotCountAsHeld)
{
    ASSERT_EQ(acquireSuites(host.basic()), 0);
    resetSuiteNesting();
    host.acquireFailures[kTvAIUndoSuite] = -50;
    EXPECT_EQ(acquireSuites(host.basic()), -50);
    EXPECT_TRUE(host.alerts.empty()) << "the old ADM Basic Suite is not used for the alert";
    EXPECT_EQ(suites().admBasic, nullptr);
    EXPECT_EQ(suites().tracker, nullptr);
}

} // namespace
} // namespace tovrins::test
