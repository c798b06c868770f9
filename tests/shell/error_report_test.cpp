#include <string>

#include "shell/error_report.hpp"
#include "tests/shell/shell_fixture.hpp"

namespace tovrins::test {
namespace {

const std::string kMemoryMessage = "The filter cannot complete because there isn't enough memory (RAM) available.";
const std::string kUnknownMessage = "The filter cannot complete because of an unknown error.";
const std::string kSelectionMessage = "The selection is not valid for this filter.";

class ErrorReport : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        const char* table[] = {
            "<Mac strings begin at index 1>",
            "-108",
            kMemoryMessage.c_str(),
            "271",
            kMemoryMessage.c_str(),
            "SEGM",
            "The filter cannot complete because a layer is locked or invisible.",
            "NESS",
            "The filter cannot complete because a path has too many anchor points.",
            "!sel",
            kSelectionMessage.c_str(),
            "<Others>",
            kUnknownMessage.c_str(),
        };
        for (int i = 0; i < 13; ++i)
            host.strings[{kErrorTableList, i}] = table[i];
        holdSuites();
    }
};

struct Shown {
    TvErr code;
    std::string message;
    std::string codeText;
};

TEST_F(ErrorReport, ShowsTheTableMessageAndTheCodeText)
{
    const Shown cases[] = {
        {TV_ERR_BAD_SELECTION, kSelectionMessage, "!sel"},
        {-108, kMemoryMessage, "-108"},
        {271, kMemoryMessage, "271"},
        {TV_ERR_LAYER_LOCKED, "The filter cannot complete because a layer is locked or invisible.", "SEGM"},
        {TV_ERR_NO_PARAMETER_MEMORY, kUnknownMessage, "!MEM"},
        {-50, kUnknownMessage, "-50"},
        // The fallback's own key is never produced, so it matches nothing
        // but still leads to its message.
        {tv::fourCharCode('<', 'O', 't', 'h'), kUnknownMessage, "<Oth"},
    };
    for (const Shown& expected : cases) {
        host.modals.clear();
        host.itemTexts.clear();
        reportError(nullptr, expected.code);
        ASSERT_EQ(host.modals.size(), 1u) << expected.codeText;
        EXPECT_EQ(host.modals[0].name, "Error Dialog");
        EXPECT_EQ(host.modals[0].dialogId, 16051);
        EXPECT_EQ(host.modals[0].style, 0);
        EXPECT_EQ(host.itemTexts[2], expected.message) << expected.codeText;
        EXPECT_EQ(host.itemTexts[3], expected.codeText);
    }
}

TEST_F(ErrorReport, ReadsKeysWithLimit255AndTheMessageWith256)
{
    reportError(nullptr, 271);
    ASSERT_GE(host.stringReads.size(), 3u);
    EXPECT_EQ(host.stringReads[0], std::make_pair(1, 255));
    EXPECT_EQ(host.stringReads[1], std::make_pair(3, 255));
    EXPECT_EQ(host.stringReads.back(), std::make_pair(4, 256));
}

TEST_F(ErrorReport, ZeroAndStopShowNothing)
{
    reportError(nullptr, 0);
    reportError(nullptr, TV_ERR_CANCELLED);
    EXPECT_TRUE(host.modals.empty());
    EXPECT_TRUE(host.stringReads.empty());
}

TEST_F(ErrorReport, UnreadableTableOrMissingSuitesShowNothing)
{
    host.failingStringIndices.insert(12);
    reportError(nullptr, -50);
    EXPECT_TRUE(host.modals.empty()) << "the fallback message cannot be read";

    host.failingStringIndices.clear();
    suites().dialog = nullptr;
    reportError(nullptr, -50);
    EXPECT_TRUE(host.modals.empty());
}

TEST_F(ErrorReport, EmptyTableShowsNothing)
{
    host.strings.clear();
    reportError(nullptr, -50);
    EXPECT_TRUE(host.modals.empty());
}

TEST_F(ErrorReport, OkButtonPassesItsNotificationToTheHost)
{
    reportError(nullptr, -108);
    ASSERT_TRUE(host.notifyProcs.contains(1));
    host.notifyProcs[1](reinterpret_cast<TvItemRef>(uintptr_t{1}), nullptr);
    EXPECT_EQ(host.defaultNotified, std::vector<int32_t>{1});
}

TEST_F(ErrorReport, AboutBoxRunsWithoutUserData)
{
    EXPECT_EQ(showAbout(nullptr), 0);
    ASSERT_EQ(host.modals.size(), 1u);
    EXPECT_EQ(host.modals[0].name, "About Dialog");
    EXPECT_EQ(host.modals[0].dialogId, 16050);
    EXPECT_EQ(host.modals[0].userData, nullptr);
    ASSERT_TRUE(host.notifyProcs.contains(1));
    EXPECT_TRUE(host.itemTexts.empty());
}

} // namespace
} // namespace tovrins::test
