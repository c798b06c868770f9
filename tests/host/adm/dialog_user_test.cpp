// The user's actions on a dialog, and the scripted front end that plays
// them.
#include "host/adm/scripted_front_end.hpp"
#include "tests/host/adm/adm_fixture.hpp"
#include "sdk/tv_errors.h"

namespace tovrins::host::testing {
namespace {

struct Tracked {
    uint32_t modifiers;
    TvIntPoint point;
};
std::vector<Tracked> tracked;
int changes = 0;

// Adds a spin edit (10, 0..100, precision 2), a popup (30) with entries
// " Left " (id 5) and "Right" (id 6), a picture button (60) and a disabled
// spin edit (11).
TvErr buildItems(TvDialogRef dialog)
{
    const auto& d = admDialogSuite();
    const auto& i = admItemSuite();
    const TvIntRect r{0, 0, 10, 10};
    TvItemRef spin = nullptr, popup = nullptr, picture = nullptr, off = nullptr;
    d.createItem(dialog, 10, kTvADMSpinEditType, &r, &spin);
    i.setMinIntValue(spin, 0);
    i.setMaxIntValue(spin, 100);
    i.setPrecision(spin, 2);
    i.setNotifyProc(spin, [](TvItemRef, TvNotifierRef) { ++changes; });
    d.createItem(dialog, 30, kTvADMPopupListType, &r, &popup);
    TvListRef list = nullptr;
    i.getList(popup, &list);
    for (auto [index, id, text] : {std::tuple{0, 5, " Left "}, std::tuple{1, 6, "Right"}}) {
        TvEntryRef entry = nullptr;
        admListSuite().insertEntry(list, index, &entry);
        admEntrySuite().setID(entry, id);
        admEntrySuite().setText(entry, text);
    }
    d.createItem(dialog, 60, kTvADMPicturePushButtonType, &r, &picture);
    i.setTrackProc(picture, [](TvItemRef item, TvTrackerRef tracker) -> int32_t {
        Tracked t{};
        admTrackerSuite().getModifiers(tracker, &t.modifiers);
        admTrackerSuite().getPoint(tracker, &t.point);
        admItemSuite().defaultTrack(item, tracker);
        tracked.push_back(t);
        return 1;
    });
    d.createItem(dialog, 11, kTvADMSpinEditType, &r, &off);
    i.enable(off, 0);
    return 0;
}

class DialogUserTest : public AdmTest {
protected:
    void SetUp() override
    {
        tracked.clear();
        changes = 0;
    }

    // Runs the dialog with the front end; returns the result.
    int32_t play(DialogFrontEnd& frontEnd)
    {
        int32_t result = 0;
        EXPECT_EQ(runModal(buildItems, frontEnd, result), 0);
        return result;
    }

    static std::string errorOf(const std::function<void()>& action)
    {
        try {
            action();
        } catch (const DialogActionError& error) {
            return error.what();
        }
        return "no error";
    }
};

TEST_F(DialogUserTest, ValuesFromTextFollowTheItemsKind)
{
    FunctionFrontEnd frontEnd([](DialogUser& user) {
        user.setFromText(10, "12.5");
        EXPECT_EQ(user.dialog().find(10)->displayText(), "12.50");
        user.setFromText(10, "1e3"); // clamped by the item, like a typed value
        EXPECT_EQ(user.dialog().find(10)->value, 100);
        user.setFromText(30, "left");
        EXPECT_EQ(user.dialog().find(30)->active->id, 5);
        user.setFromText(30, "1");
        EXPECT_EQ(user.dialog().find(30)->active->id, 6);
        user.setFromText(3, "1");
        EXPECT_EQ(user.dialog().find(3)->value, 1);
        user.pressDefault();
    });
    EXPECT_EQ(play(frontEnd), 1);
    EXPECT_EQ(changes, 2); // the spin edit's procedure heard both entries
}

TEST_F(DialogUserTest, ActionsTheDialogCannotTakeAreRefusedWithTheReason)
{
    FunctionFrontEnd frontEnd([](DialogUser& user) {
        EXPECT_EQ(errorOf([&] { user.setFromText(10, "12abc"); }),
                  "spin edit 10 of dialog \"Fake Dialog\" takes a number, not \"12abc\"");
        EXPECT_NE(errorOf([&] { user.setFromText(10, " 5"); }).find("takes a number"), std::string::npos);
        EXPECT_NE(errorOf([&] { user.setFromText(10, "nan"); }).find("takes a number"), std::string::npos);
        EXPECT_EQ(errorOf([&] { user.setFromText(3, "2"); }),
                  "check box 3 of dialog \"Fake Dialog\" takes 0 or 1, not \"2\"");
        EXPECT_EQ(errorOf([&] { user.choose(30, "Up"); }),
                  "popup 30 of dialog \"Fake Dialog\" has no entry \"Up\"; its entries are 0 \" Left \", 1 \"Right\"");
        EXPECT_EQ(errorOf([&] { user.choose(30, 2); }).substr(0, 34), "popup 30 of dialog \"Fake Dialog\" h");
        EXPECT_EQ(errorOf([&] { user.enterNumber(11, 1); }),
                  "cannot enter a number: spin edit 11 of dialog \"Fake Dialog\" is disabled");
        EXPECT_EQ(errorOf([&] { user.click(99); }), "cannot click: dialog \"Fake Dialog\" has no item 99");
        EXPECT_EQ(errorOf([&] {
                      user.pick(10, {0, 0});
                  }),
                  "cannot pick: spin edit 10 of dialog \"Fake Dialog\" is not a picture button");
        EXPECT_EQ(user.dialog().find(10)->value, 0); // nothing refused changed a value
        user.pressCancel();
        EXPECT_EQ(errorOf([&] { user.click(1); }), "cannot click: dialog \"Fake Dialog\" has closed");
    });
    EXPECT_EQ(play(frontEnd), 2);
}

TEST_F(DialogUserTest, APickIsAPressThenAReleaseAtThePointer)
{
    FunctionFrontEnd frontEnd([](DialogUser& user) {
        user.pick(60, {120, 45});
        user.pressDefault();
    });
    play(frontEnd);
    ASSERT_EQ(tracked.size(), 2u);
    EXPECT_EQ(tracked[0].modifiers & TV_TRACK_MOUSE_RELEASED, 0u);
    EXPECT_EQ(tracked[1].modifiers & TV_TRACK_MOUSE_RELEASED, static_cast<uint32_t>(TV_TRACK_MOUSE_RELEASED));
    EXPECT_EQ(tracked[1].point.h, 120);
    EXPECT_EQ(tracked[1].point.v, 45);
    // Outside a tracking call there is no tracker to ask.
    TvIntPoint p{};
    EXPECT_EQ(admTrackerSuite().getPoint(reinterpret_cast<TvTrackerRef>(&p), &p), TV_ERR_BAD_PARAMETER);
}

TEST_F(DialogUserTest, ScriptsPlayInOrderAndAFailedActionCancelsItsDialog)
{
    ScriptedFrontEnd frontEnd([](TvRealPoint p) {
        return TvIntPoint{static_cast<int32_t>(p.h), static_cast<int32_t>(p.v)};
    });
    const DialogAction set = DialogAction::setText(10, "40");
    const DialogAction bad = DialogAction::setText(30, "Middle", "--set side=Middle");
    frontEnd.addScript({set, DialogAction::pickArtwork(60, {7, 9})});
    frontEnd.addScript({bad, set});
    EXPECT_EQ(play(frontEnd), 1); // ran out of actions: Return
    EXPECT_EQ(session.shown().back().texts.at(10), "40.00");
    ASSERT_EQ(tracked.size(), 2u);
    EXPECT_EQ(tracked[1].point.h, 7);
    EXPECT_FALSE(frontEnd.failure());

    EXPECT_EQ(play(frontEnd), 2);
    ASSERT_TRUE(frontEnd.failure());
    EXPECT_EQ(frontEnd.failure()->rfind("--set side=Middle: popup 30", 0), 0u);
    EXPECT_EQ(session.shown().back().texts.at(10), "0.00"); // the action after the failure never ran
    EXPECT_EQ(frontEnd.scriptsLeft(), 0u);
    EXPECT_EQ(play(frontEnd), 1); // no script left: accepted as it opened
}

} // namespace
} // namespace tovrins::host::testing
