// Go after the dialog and Go alone: a kept preview is the result, Preview
// off makes the copies once, Cancel leaves nothing, and the host's repeat
// runs the stored settings without a dialog.
#include "tests/filters/filter_test_support.hpp"

namespace tovrins::filters_test {
namespace {

class GoAndRepeat : public ::testing::TestWithParam<const FilterWords*> {
protected:
    host::RegisteredFilter& filter() { return h.filter(GetParam()->title); }
    FilterParams& block() { return *h.params(filter()); }

    testing::PluginHarness h;
};

// Several previews in the dialog, then OK: Go keeps the last preview's
// copies and makes no second set.
TEST_P(GoAndRepeat, GoAfterAKeptPreviewMakesNoSecondSet)
{
    h.bench.open(oneSelectedRect());
    host::ScriptedFrontEnd frontEnd =
        scripted({host::DialogAction::setText(item::copies, "5"), host::DialogAction::setText(item::copies, "3")});
    const host::CommandOutcome outcome = h.run(filter(), frontEnd);
    ASSERT_EQ(outcome.code, 0);
    EXPECT_TRUE(outcome.accepted);
    EXPECT_EQ(topLevelArtCount(h.document().data()), 3u)
        << "the three copies of the last preview, the original deleted";
    EXPECT_EQ(block().*GetParam()->previewApplied, 0);
    EXPECT_EQ(block().*GetParam()->goRun, 1);
    EXPECT_EQ(h.bench.environment().memory.liveCount(), 1u) << "the list is released, the block is kept";
    // The user's undo removes the whole command.
    ASSERT_TRUE(h.document().undo());
    host::testing::expectSameDocument(h.document().data(), oneSelectedRect());
}

// Preview switched off after the opening preview: Go undoes that preview
// and makes the copies itself, the same ones.
TEST_P(GoAndRepeat, GoWithPreviewOffMakesTheCopiesOnce)
{
    h.bench.open(oneSelectedRect());
    ASSERT_EQ(h.run(filter()).code, 0);
    const DocumentData withPreview = h.document().data();

    h.bench.open(oneSelectedRect());
    host::ScriptedFrontEnd frontEnd = scripted({host::DialogAction::setText(item::preview, "0")});
    ASSERT_EQ(h.run(filter(), frontEnd).code, 0);
    ASSERT_FALSE(frontEnd.failure()) << *frontEnd.failure();
    EXPECT_EQ(block().*GetParam()->preview, 0);
    expectSameIgnoringLayerNames(h.document().data(), withPreview);
}

// A final run that fails after the dialog was accepted answers its code:
// the user sees it and the host undoes the whole command.
TEST_P(GoAndRepeat, FailingGoIsReportedAndUndone)
{
    h.bench.open(oneSelectedRect());
    host::ScriptedFrontEnd frontEnd = scripted({host::DialogAction::setText(item::preview, "0")});
    h.document().setObjectLimit(h.document().objectCount() + 5);
    const host::CommandOutcome outcome = h.run(filter(), frontEnd);
    EXPECT_TRUE(outcome.accepted);
    EXPECT_EQ(outcome.code, TV_ERR_MEMORY_FULL);
    EXPECT_TRUE(outcome.reverted);
    ASSERT_NE(outcome.errorDialog(), nullptr);
    EXPECT_EQ(outcome.errorDialog()->texts.at(3), "-108");
    host::testing::expectSameDocument(h.document().data(), oneSelectedRect());
    EXPECT_EQ(h.bench.environment().memory.liveCount(), 1u);
    EXPECT_EQ(h.bench.environment().suites.totalReferences(), 0);
}

// The Go after the dialog cannot even acquire its suites. The list the
// dialog gathered goes with the failed command: the next repeat, on another
// document, copies what is selected there.
TEST_P(GoAndRepeat, AGoThatCannotStartLeavesNoListBehind)
{
    struct FailTheGo : host::DefaultFrontEnd {
        explicit FailTheGo(host::FaultInjector& f) : faults(f) { }
        void run(host::DialogUser& user) override
        {
            user.pressDefault();
            // Get Parameters releases its 26 suites; Go's first acquisition follows.
            faults.failNthCall(27, TV_ERR_MEMORY_FULL);
        }
        host::FaultInjector& faults;
    };
    DocumentData wideSelected = twoSelectedRects();
    wideSelected.layers[0].art[1].selected = false;
    h.bench.open(wideSelected);
    FailTheGo frontEnd(h.bench.environment().faults);
    const host::CommandOutcome failed = h.run(filter(), frontEnd);
    EXPECT_EQ(failed.code, TV_ERR_MEMORY_FULL);
    host::testing::expectSameDocument(h.document().data(), wideSelected);
    EXPECT_EQ(h.bench.environment().memory.liveCount(), 1u) << "the list is given back";

    DocumentData smallSelected = twoSelectedRects();
    smallSelected.layers[0].art[0].selected = false;
    h.bench.open(smallSelected);
    block().*GetParam()->layerOption = 2;
    ASSERT_EQ(h.repeat().code, 0);
    const DocumentData d = h.document().data();
    ASSERT_EQ(d.layers.size(), 1u);
    ASSERT_EQ(d.layers[0].art.size(), 8u) << "the wide rectangle and the small square's 7 copies";
    for (size_t i = 1; i < d.layers[0].art.size(); ++i)
        EXPECT_LT(firstEdge(d.layers[0].art[i]), 50) << "copy " << i << " is of the small square";
}

// Delete original off: Go keeps the selected object next to the copies.
TEST_P(GoAndRepeat, DeleteOriginalOffKeepsTheSelection)
{
    h.bench.open(oneSelectedRect());
    host::ScriptedFrontEnd frontEnd = scripted({host::DialogAction::setText(item::deleteOriginal, "0")});
    ASSERT_EQ(h.run(filter(), frontEnd).code, 0);
    const DocumentData d = h.document().data();
    EXPECT_EQ(topLevelArtCount(d), 8u);
    ASSERT_FALSE(d.layers[0].art.empty());
    EXPECT_TRUE(d.layers[0].art[0].selected);
}

// Cancel after previews: nothing of them stays, and the block is as before
// the dialog, so the changed copy count is gone.
TEST_P(GoAndRepeat, CancelRevertsTheDocumentAndTheBlock)
{
    h.bench.open(oneSelectedRect());
    ASSERT_EQ(h.run(filter()).code, 0);
    const FilterParams before = block();
    const size_t liveBefore = h.bench.environment().memory.liveCount();

    h.bench.open(oneSelectedRect());
    host::ScriptedFrontEnd frontEnd =
        scripted({host::DialogAction::setText(item::copies, "3"), host::DialogAction::setText(item::layerOption, "2"),
                  host::DialogAction::cancel()});
    const host::CommandOutcome outcome = h.run(filter(), frontEnd);
    EXPECT_EQ(outcome.code, TV_ERR_CANCELLED);
    EXPECT_FALSE(outcome.accepted);
    EXPECT_EQ(outcome.errorDialog(), nullptr);
    ASSERT_EQ(outcome.dialogs.size(), 1u) << "no error dialog for a cancel";
    host::testing::expectSameDocument(h.document().data(), oneSelectedRect());
    EXPECT_EQ(std::memcmp(&block(), &before, sizeof before), 0);
    EXPECT_EQ(h.bench.environment().memory.liveCount(), liveBefore) << "the selection list is released";
}

// The host's repeat: a lone Go with the stored block, no dialog, on the
// document now open and its current selection.
TEST_P(GoAndRepeat, RepeatRunsTheStoredSettingsWithoutADialog)
{
    h.bench.open(oneSelectedRect());
    ASSERT_EQ(h.run(filter()).code, 0);
    const DocumentData first = h.document().data();

    h.bench.open(oneSelectedRect());
    const host::CommandOutcome same = h.repeat();
    ASSERT_EQ(same.code, 0);
    EXPECT_TRUE(same.dialogs.empty());
    expectSameIgnoringLayerNames(h.document().data(), first);

    // A changed block is what the repeat uses.
    h.bench.open(twoSelectedRects());
    block().*GetParam()->copies = 2;
    block().*GetParam()->layerOption = 2;
    ASSERT_EQ(h.repeat().code, 0);
    EXPECT_EQ(artPerLayer(h.document().data()), (std::vector<size_t>{4}));
    EXPECT_EQ(h.bench.environment().memory.liveCount(), 1u);
    EXPECT_EQ(h.bench.environment().suites.totalReferences(), 0);
}

INSTANTIATE_TEST_SUITE_P(AllFilters, GoAndRepeat, ::testing::ValuesIn(kAllFilters), filterName);

// A filter message whose handle the plug-in never registered is answered
// with 0 and touches nothing.
TEST(GoAndRepeat, UnknownFilterHandleIsIgnored)
{
    testing::PluginHarness h;
    h.bench.open(oneSelectedRect());
    int unknown = 0;
    for (const char* selector : {kTvSelectorAIGetParameters, kTvSelectorAIGo}) {
        TvFilterMessage message{h.bench.messageData(), reinterpret_cast<TvFilterHandle>(&unknown), nullptr};
        EXPECT_EQ(h.bench.send(kTvCallerAIFilter, selector, &message), 0) << selector;
        EXPECT_EQ(message.parameters, nullptr);
    }
    host::testing::expectSameDocument(h.document().data(), oneSelectedRect());
    EXPECT_TRUE(h.bench.adm().shown().empty());
    EXPECT_EQ(h.bench.environment().memory.liveCount(), 0u);
}

} // namespace
} // namespace tovrins::filters_test
