// The error dialog the user sees for each kind of failure, driven through
// real failures where the workbench can make them: a full document for
// -108, a locked layer for SEGM, a Go without a block for !MEM, the !sel of
// the menu's Go; the other codes by making one host operation fail.
#include "tests/filters/filter_test_support.hpp"
#include "sdk/tv_ai_art.h"
#include "sdk/tv_ai_document.h"
#include "sdk/tv_ai_md_memory.h"

namespace tovrins::filters_test {
namespace {

constexpr const char* kMemoryMessage = "The filter cannot complete because there isn't enough memory (RAM) available.";
constexpr const char* kUnknownMessage = "The filter cannot complete because of an unknown error.";

void expectErrorDialog(const host::ShownDialog* dialog, const std::string& message, const std::string& code)
{
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->resourceId, 16051);
    EXPECT_EQ(dialog->name, "Error Dialog");
    EXPECT_EQ(dialog->texts.at(2), message);
    EXPECT_EQ(dialog->texts.at(3), code);
}

class ErrorTable : public ::testing::Test {
protected:
    // One accepted translate first, so that the host has a filter to repeat.
    void SetUp() override
    {
        h.bench.open(oneSelectedRect());
        ASSERT_EQ(h.run(h.translate()).code, 0);
        h.bench.open(oneSelectedRect());
        before = h.document().data();
    }
    // A failed command is undone whole by the host; changed says whether
    // the plug-in got as far as changing the document.
    void expectReverted(const host::CommandOutcome& outcome, TvErr code, bool changed = true)
    {
        EXPECT_EQ(outcome.code, code);
        EXPECT_EQ(outcome.reverted, changed);
        host::testing::expectSameDocument(h.document().data(), before);
        EXPECT_EQ(h.bench.environment().memory.liveCount(), 1u) << "the selection list is released";
        EXPECT_EQ(h.bench.environment().suites.totalReferences(), 0);
    }

    testing::PluginHarness h;
    DocumentData before;
};

TEST_F(ErrorTable, FullDocumentShowsTheMemoryMessageWithMinus108)
{
    h.document().setObjectLimit(h.document().objectCount() + 4);
    const host::CommandOutcome outcome = h.repeat();
    expectReverted(outcome, TV_ERR_MEMORY_FULL);
    expectErrorDialog(outcome.errorDialog(), kMemoryMessage, "-108");
}

TEST_F(ErrorTable, Code271ShowsTheSameMemoryMessage)
{
    h.bench.environment().faults.failOperation(kTvAIArtSuite, "duplicateArt", TV_ERR_OUT_OF_MEMORY);
    const host::CommandOutcome outcome = h.repeat();
    expectReverted(outcome, TV_ERR_OUT_OF_MEMORY);
    expectErrorDialog(outcome.errorDialog(), kMemoryMessage, "271");
}

// The selected rectangle sits on a locked layer: the copies are made on
// new layers, then deleting the original fails.
TEST_F(ErrorTable, LockedLayerShowsTheLayerMessage)
{
    DocumentData locked = oneSelectedRect();
    locked.layers[0].locked = true;
    h.bench.open(locked);
    before = h.document().data();
    const host::CommandOutcome outcome = h.repeat();
    expectReverted(outcome, TV_ERR_LAYER_LOCKED);
    expectErrorDialog(outcome.errorDialog(), "The filter cannot complete because a layer is locked or invisible.",
                      "SEGM");
}

TEST_F(ErrorTable, TooManyPointsShowsThePathMessage)
{
    h.bench.environment().faults.failOperation(kTvAIArtSuite, "duplicateArt", TV_ERR_TOO_MANY_POINTS);
    const host::CommandOutcome outcome = h.repeat();
    expectReverted(outcome, TV_ERR_TOO_MANY_POINTS);
    expectErrorDialog(outcome.errorDialog(), "The filter cannot complete because a path has too many anchor points.",
                      "NESS");
}

TEST_F(ErrorTable, MinusFiftyHasNoEntryAndShowsTheFallback)
{
    h.bench.environment().faults.failOperation(kTvAIDocumentSuite, "getDocumentSetup", TV_ERR_BAD_PARAMETER);
    const host::CommandOutcome outcome = h.repeat();
    expectReverted(outcome, TV_ERR_BAD_PARAMETER, false);
    expectErrorDialog(outcome.errorDialog(), kUnknownMessage, "-50");
}

TEST_F(ErrorTable, MenuGoAnswersBadSelection)
{
    TvSPMessageData message = h.bench.messageData();
    const size_t shown = h.bench.adm().shown().size();
    EXPECT_EQ(h.bench.send(kTvCallerAIMenu, kTvSelectorAIGo, &message), TV_ERR_BAD_SELECTION);
    ASSERT_EQ(h.bench.adm().shown().size(), shown + 1);
    expectErrorDialog(&h.bench.adm().shown().back(), "The selection is not valid for this filter.", "!sel");
}

// A Go that finds no parameter block answers !MEM, which has no entry.
TEST_F(ErrorTable, GoWithoutABlockShowsTheFallbackWithMEM)
{
    TvFilterMessage message{h.bench.messageData(), h.rotate().handle(), nullptr};
    const size_t shown = h.bench.adm().shown().size();
    EXPECT_EQ(h.bench.send(kTvCallerAIFilter, kTvSelectorAIGo, &message), TV_ERR_NO_PARAMETER_MEMORY);
    ASSERT_EQ(h.bench.adm().shown().size(), shown + 1);
    expectErrorDialog(&h.bench.adm().shown().back(), kUnknownMessage, "!MEM");
    host::testing::expectSameDocument(h.document().data(), before);
}

// The first Get Parameters of a filter cannot get its block: the memory
// suite's code is shown, no dialog opens, and the next try starts afresh.
TEST_F(ErrorTable, NoBlockForTheFirstGetParametersShowsTheHostsCode)
{
    h.bench.environment().faults.failOperation(kTvAIMdMemorySuite, "newHandle", TV_ERR_MEMORY_FULL);
    const host::CommandOutcome outcome = h.run(h.scale());
    h.bench.environment().faults.clear();
    EXPECT_EQ(outcome.code, TV_ERR_MEMORY_FULL);
    EXPECT_FALSE(outcome.accepted);
    ASSERT_EQ(outcome.dialogs.size(), 1u) << "only the report";
    expectErrorDialog(outcome.errorDialog(), kMemoryMessage, "-108");
    EXPECT_EQ(h.scale().parameters, nullptr);
    ASSERT_EQ(h.run(h.scale()).code, 0);
    EXPECT_EQ(h.params(h.scale())->filterKind, 2);
}

// Success and a cancel show no error dialog: only the filter's own.
TEST_F(ErrorTable, ZeroAndStopShowNothing)
{
    const host::CommandOutcome ok = h.run(h.rotate());
    EXPECT_EQ(ok.code, 0);
    EXPECT_EQ(ok.errorDialog(), nullptr);
    ASSERT_EQ(ok.dialogs.size(), 1u);
    EXPECT_EQ(ok.dialogs[0].resourceId, 16100);

    h.bench.open(oneSelectedRect());
    host::ScriptedFrontEnd frontEnd = scripted({host::DialogAction::cancel()});
    const host::CommandOutcome cancelled = h.run(h.scale(), frontEnd);
    EXPECT_EQ(cancelled.code, TV_ERR_CANCELLED);
    ASSERT_EQ(cancelled.dialogs.size(), 1u);
    EXPECT_EQ(cancelled.dialogs[0].resourceId, 16100);
    EXPECT_EQ(cancelled.dialogs[0].result, 2);
}

} // namespace
} // namespace tovrins::filters_test
