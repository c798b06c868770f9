#include <cstring>

#include "shell/filter_commands.hpp"
#include "shell/filter_params.hpp"
#include "scale/scale_dialog.hpp"
#include "shell/selection.hpp"
#include "tests/shell/shell_fixture.hpp"

extern "C" TvErr PluginMain(const char* caller, const char* selector, void* message);

namespace tovrins::test {
namespace {

class FilterCommands : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        holdSuites();
        PluginGlobals& g = useGlobals();
        g.rotateFilter = reinterpret_cast<TvFilterHandle>(uintptr_t{0xF00});
        g.scaleFilter = reinterpret_cast<TvFilterHandle>(uintptr_t{0xF01});
        g.translateFilter = reinterpret_cast<TvFilterHandle>(uintptr_t{0xF02});
        g.basicSuite = host.basic();
        message.d.basic = host.basic();
        message.filter = g.scaleFilter;
        // The builders are tested with their dialogs; here the dialog only
        // returns its result.
        host.runInit = false;
    }

    FilterParams& block() { return *reinterpret_cast<FilterParams*>(host.memory.at(message.parameters).data()); }

    // Stands for previews: edits the block through the dialog's user data
    // and gathers a selection.
    void previewInsideDialog()
    {
        host.selected = {artHandle(7)};
        host.whileModal = [this] {
            auto* params = static_cast<FilterParams*>(host.modals.back().userData);
            params->scaleCopies = 42;
            params->scalePreviewApplied = 1;
            ASSERT_EQ(gatherSelection(), 0);
        };
    }

    TvFilterMessage message{};
};

TEST_F(FilterCommands, FirstGetParametersAllocatesDefaultsAndRunsTheDialog)
{
    ASSERT_EQ(filterGetParameters(message), 0);
    ASSERT_TRUE(host.memory.contains(message.parameters));
    EXPECT_EQ(host.memory.at(message.parameters).size(), sizeof(FilterParams));
    EXPECT_EQ(block().filterKind, 2);
    ASSERT_EQ(host.modals.size(), 1u);
    EXPECT_EQ(host.modals[0].name, "KM47_TovrinScale");
    EXPECT_EQ(host.modals[0].dialogId, 16100);
    EXPECT_EQ(host.modals[0].style, 0);
    EXPECT_EQ(host.modals[0].init, &scaleDialogBuilder);
    EXPECT_EQ(host.modals[0].userData, &block());
    EXPECT_EQ(host.undoCalls, 0);
}

TEST_F(FilterCommands, OkKeepsTheEditsAndTheSelection)
{
    previewInsideDialog();
    ASSERT_EQ(filterGetParameters(message), 0);
    EXPECT_EQ(block().scaleCopies, 42);
    EXPECT_EQ(block().scalePreviewApplied, 1);
    EXPECT_TRUE(selectionHeld());
}

TEST_F(FilterCommands, CancelRevertsTheDocumentAndTheBlock)
{
    ASSERT_EQ(filterGetParameters(message), 0);
    FilterParams before = block();
    previewInsideDialog();
    host.modalResult = 2;

    EXPECT_EQ(filterGetParameters(message), TV_ERR_CANCELLED);
    EXPECT_EQ(host.undoCalls, 1);
    EXPECT_EQ(std::memcmp(&block(), &before, sizeof before), 0) << "the block is the snapshot again";
    EXPECT_FALSE(selectionHeld());
}

TEST_F(FilterCommands, FailedUndoOnCancelReturnsItsCodeAndDropsTheSelection)
{
    previewInsideDialog();
    host.modalResult = 2;
    host.undoResult = TV_ERR_LAYER_LOCKED;
    EXPECT_EQ(filterGetParameters(message), TV_ERR_LAYER_LOCKED);
    EXPECT_EQ(block().scaleCopies, 42) << "not restored";
    EXPECT_FALSE(selectionHeld());
}

TEST_F(FilterCommands, AllocationFailuresShowNoDialog)
{
    host.newHandleResult = -108;
    EXPECT_EQ(filterGetParameters(message), -108);
    host.newHandleResult = 0;
    host.newHandleGivesNull = true;
    EXPECT_EQ(filterGetParameters(message), TV_ERR_NO_PARAMETER_MEMORY);
    EXPECT_TRUE(host.modals.empty());
}

TEST_F(FilterCommands, UnknownFilterHandleChangesNothing)
{
    message.filter = reinterpret_cast<TvFilterHandle>(uintptr_t{0xBAD});
    EXPECT_EQ(filterGetParameters(message), 0);
    EXPECT_EQ(filterGo(message), 0);
    EXPECT_EQ(message.parameters, nullptr);
    EXPECT_TRUE(host.modals.empty());
}

TEST_F(FilterCommands, GoSetsTheGoRunFlagAndAnswersWithTheEngine)
{
    ASSERT_EQ(filterGetParameters(message), 0);
    // Without a preview the engine first undoes; its failure comes back.
    host.undoResult = 77;
    EXPECT_EQ(filterGo(message), 77);
    EXPECT_EQ(block().scaleGoRun, 1);
    EXPECT_EQ(block().rotateGoRun, 0);
    EXPECT_EQ(block().translateGoRun, 0);
}

TEST_F(FilterCommands, GoThroughTheEntryPoint)
{
    ASSERT_EQ(filterGetParameters(message), 0);
    host.undoResult = TV_ERR_LAYER_LOCKED;
    host.strings[{16050, 1}] = "SEGM";
    host.strings[{16050, 2}] = "The filter cannot complete because a layer is locked or invisible.";
    EXPECT_EQ(PluginMain(kTvCallerAIFilter, kTvSelectorAIGo, &message), TV_ERR_LAYER_LOCKED);
    EXPECT_EQ(block().scaleGoRun, 1);
    EXPECT_EQ(host.modals.back().name, "Error Dialog");
}

TEST_F(FilterCommands, CancelThroughTheEntryPointShowsNoError)
{
    host.modalResult = 2;
    EXPECT_EQ(PluginMain(kTvCallerAIFilter, kTvSelectorAIGetParameters, &message), TV_ERR_CANCELLED);
    ASSERT_EQ(host.modals.size(), 1u);
    EXPECT_EQ(host.modals[0].name, "KM47_TovrinScale");
    EXPECT_EQ(block().filterKind, 2);
}

} // namespace
} // namespace tovrins::test
