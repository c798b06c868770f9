// Modal dialogs: built from templates, init before the user, references
// that die with the dialog, results, nesting, resource strings.
#include <climits>
#include <cstring>

#include "tests/host/adm/adm_fixture.hpp"
#include "sdk/tv_errors.h"

namespace tovrins::host::testing {
namespace {

using InitFunction = std::function<TvErr(TvDialogRef)>;

// Init procedures are plain C functions; the test's lambda travels in the
// dialog's user data.
TvErr callInit(TvDialogRef dialog)
{
    void* data = nullptr;
    if (admDialogSuite().getUserData(dialog, &data) != 0)
        return TV_ERR_BAD_PARAMETER;
    return (*static_cast<InitFunction*>(data))(dialog);
}

TEST_F(AdmTest, TemplateItemsBecomeItemsOfTheirKindInPixels)
{
    FunctionFrontEnd frontEnd([](DialogUser& user) {
        AdmDialog& d = user.dialog();
        EXPECT_EQ(d.title, "Fake");
        EXPECT_EQ(d.bounds.right - d.bounds.left, 300); // 200 units x 6/4
        EXPECT_EQ(d.bounds.bottom - d.bounds.top, 130); // 80 units x 13/8
        EXPECT_EQ(d.bounds.left, (AdmSession::screenWidth - 300) / 2);
        ASSERT_NE(d.find(1), nullptr);
        EXPECT_EQ(d.find(1)->kind, AdmItemKind::TextPushButton);
        EXPECT_EQ(d.find(1)->text, "OK");
        EXPECT_EQ(d.find(3)->kind, AdmItemKind::CheckBox);
        EXPECT_EQ(d.find(4)->kind, AdmItemKind::PictureStatic);
        EXPECT_EQ(d.find(-1)->kind, AdmItemKind::TextStatic);
        EXPECT_EQ(d.find(6)->kind, AdmItemKind::Frame);
        const TvIntRect r = d.find(1)->bounds;
        EXPECT_EQ(r.left, 210);
        EXPECT_EQ(r.top, 13);
        EXPECT_EQ(r.right, 285);
        EXPECT_EQ(r.bottom, 36); // 26 + 22.75 rounded
        user.pressDefault();
    });
    int32_t result = 0;
    ASSERT_EQ(runModal(nullptr, frontEnd, result), 0);
    EXPECT_EQ(result, 1);
    ASSERT_EQ(session.shown().size(), 1u);
    EXPECT_EQ(session.shown()[0].unnamedTexts, std::vector<std::string>{"A line of text"});
    EXPECT_EQ(session.shown()[0].texts.count(-1), 0u);
}

TEST_F(AdmTest, InitRunsFirstAndItsItemsReachTheUser)
{
    TvItemRef created = nullptr;
    InitFunction init = [&](TvDialogRef dialog) {
        const TvIntRect r{10, 10, 60, 30};
        EXPECT_EQ(dialogs.createItem(dialog, 7, kTvADMSpinEditType, &r, &created), 0);
        EXPECT_EQ(items.setMaxIntValue(created, 10), 0);
        return TvErr{0};
    };
    bool sawItem = false;
    FunctionFrontEnd frontEnd([&](DialogUser& user) {
        sawItem = user.dialog().find(7) != nullptr;
        user.enterNumber(7, 99);
        EXPECT_EQ(user.dialog().find(7)->value, 10);
        user.pressDefault();
    });
    int32_t result = 0;
    ASSERT_EQ(runModal(callInit, frontEnd, result, &init), 0);
    EXPECT_TRUE(sawItem);
    // The dialog has closed: its items are no longer live.
    int32_t id = 0;
    EXPECT_EQ(items.getID(created, &id), TV_ERR_BAD_PARAMETER);
    EXPECT_EQ(session.openDialogCount(), 0);
}

TEST_F(AdmTest, FailingInitIsAnsweredWithItsCodeAndTheUserNeverSeesTheDialog)
{
    TvDialogRef seen = nullptr;
    InitFunction init = [&](TvDialogRef dialog) {
        seen = dialog;
        return TvErr{TV_ERR_MEMORY_FULL};
    };
    bool ran = false;
    FunctionFrontEnd frontEnd([&](DialogUser&) { ran = true; });
    int32_t result = -7;
    EXPECT_EQ(runModal(callInit, frontEnd, result, &init), TV_ERR_MEMORY_FULL);
    EXPECT_FALSE(ran);
    TvIntRect bounds{};
    EXPECT_EQ(dialogs.getBoundsRect(seen, &bounds), TV_ERR_BAD_PARAMETER);
}

TEST_F(AdmTest, ResultsOfTheWaysAUserLeavesADialog)
{
    int32_t result = 0;
    FunctionFrontEnd walkAway([](DialogUser&) {});
    ASSERT_EQ(runModal(nullptr, walkAway, result), 0);
    EXPECT_EQ(result, 2);
    FunctionFrontEnd cancel([](DialogUser& user) { user.pressCancel(); });
    ASSERT_EQ(runModal(nullptr, cancel, result), 0);
    EXPECT_EQ(result, 2);
    FunctionFrontEnd clickOk([](DialogUser& user) { user.click(1); });
    ASSERT_EQ(runModal(nullptr, clickOk, result), 0);
    EXPECT_EQ(result, 1);
}

TEST_F(AdmTest, ModalRefusesUnknownPluginsTemplatesAndStyles)
{
    int32_t result = 0;
    const auto stranger = reinterpret_cast<TvPluginRef>(&result);
    EXPECT_EQ(dialogs.modal(stranger, "x", 100, TV_DIALOG_STYLE_MODAL, nullptr, nullptr, &result),
              TV_ERR_BAD_PARAMETER);
    EXPECT_EQ(dialogs.modal(plugin(), "x", 101, TV_DIALOG_STYLE_MODAL, nullptr, nullptr, &result),
              TV_ERR_BAD_PARAMETER);
    EXPECT_EQ(dialogs.modal(plugin(), "x", 100, 3, nullptr, nullptr, &result), TV_ERR_BAD_PARAMETER);
    EXPECT_EQ(dialogs.modal(plugin(), "x", 100, TV_DIALOG_STYLE_MODAL, nullptr, nullptr, nullptr),
              TV_ERR_BAD_PARAMETER);
    EXPECT_TRUE(session.shown().empty());
}

TvPluginRef nestedPlugin = nullptr;
int32_t nestedResult = 0;

TEST_F(AdmTest, ADialogOpenedFromANotifierNestsInsideTheFirst)
{
    nestedPlugin = plugin();
    nestedResult = 0;
    InitFunction init = [&](TvDialogRef dialog) {
        TvItemRef check = nullptr;
        EXPECT_EQ(dialogs.getItem(dialog, 3, &check), 0);
        items.setNotifyProc(check, [](TvItemRef, TvNotifierRef) {
            admDialogSuite().modal(nestedPlugin, "Inner", 100, TV_DIALOG_STYLE_MODAL, nullptr, nullptr, &nestedResult);
        });
        return TvErr{0};
    };
    FunctionFrontEnd frontEnd([&](DialogUser& user) {
        if (session.openDialogCount() == 2) {
            user.pressCancel();
            return;
        }
        user.setChecked(3, true);
        EXPECT_EQ(session.openDialogCount(), 1);
        EXPECT_FALSE(user.ended());
        user.pressDefault();
    });
    int32_t result = 0;
    ASSERT_EQ(runModal(callInit, frontEnd, result, &init), 0);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(nestedResult, 2);
    ASSERT_EQ(session.shown().size(), 2u);
    EXPECT_EQ(session.shown()[0].name, "Inner");
    EXPECT_EQ(session.shown()[1].texts.at(3), "1");
}

TEST_F(AdmTest, IndexStringsAreCutToTheBufferAndMissingOnesAreEmpty)
{
    char buffer[8];
    ASSERT_EQ(basic.getIndexString(plugin(), 16000, 1, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "second ");
    ASSERT_EQ(basic.getIndexString(plugin(), 16000, 5, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(basic.getIndexString(plugin(), 16000, 0, buffer, 0), TV_ERR_BAD_PARAMETER);
    EXPECT_EQ(basic.getIndexString(nullptr, 16000, 0, buffer, sizeof buffer), TV_ERR_BAD_PARAMETER);
    EXPECT_EQ(basic.getIndexString(plugin(), INT32_MAX, 1, buffer, sizeof buffer), TV_ERR_BAD_PARAMETER);
}

TEST_F(AdmTest, AlertsReachTheFrontEndAndInjectedFaultsFailTheCall)
{
    FunctionFrontEnd frontEnd([](DialogUser&) {});
    session.setFrontEnd(&frontEnd);
    EXPECT_EQ(basic.errorAlert("Suite Loading Error: x"), 0);
    env.faults.failOperation(kTvADMBasicSuite, "errorAlert", TV_ERR_MEMORY_FULL);
    EXPECT_EQ(basic.errorAlert("lost"), TV_ERR_MEMORY_FULL);
    session.setFrontEnd(nullptr);
    EXPECT_EQ(frontEnd.alerts, std::vector<std::string>{"Suite Loading Error: x"});
}

} // namespace
} // namespace tovrins::host::testing
