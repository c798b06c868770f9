// Items, popup lists and entries through the ADM suites, inside an open
// dialog.
#include <cmath>

#include "tests/host/adm/adm_fixture.hpp"
#include "sdk/tv_errors.h"

namespace tovrins::host::testing {
namespace {

using Body = std::function<void(TvDialogRef)>;

TvErr runBody(TvDialogRef dialog)
{
    void* data = nullptr;
    admDialogSuite().getUserData(dialog, &data);
    (*static_cast<Body*>(data))(dialog);
    return 0;
}

class ItemTest : public AdmTest {
protected:
    // Runs body while template 100 is open, then accepts it.
    void withOpenDialog(Body body)
    {
        FunctionFrontEnd accept([](DialogUser& user) { user.pressDefault(); });
        int32_t result = 0;
        ASSERT_EQ(runModal(runBody, accept, result, &body), 0);
    }

    TvItemRef create(TvDialogRef dialog, int32_t id, const char* type)
    {
        const TvIntRect r{0, 0, 10, 10};
        TvItemRef item = nullptr;
        EXPECT_EQ(dialogs.createItem(dialog, id, type, &r, &item), 0);
        return item;
    }
};

TEST_F(ItemTest, CreatingRefusesDuplicateIdsAndUnknownTypes)
{
    withOpenDialog([&](TvDialogRef dialog) {
        const TvIntRect r{0, 0, 10, 10};
        int32_t notAnItem = 0;
        TvItemRef item = reinterpret_cast<TvItemRef>(&notAnItem);
        EXPECT_EQ(dialogs.createItem(dialog, 1, kTvADMSpinEditType, &r, &item), TV_ERR_BAD_PARAMETER);
        EXPECT_EQ(item, nullptr);
        EXPECT_EQ(dialogs.createItem(dialog, 50, "ADM Slider Type", &r, &item), TV_ERR_BAD_PARAMETER);
        EXPECT_EQ(dialogs.getItem(dialog, 50, &item), TV_ERR_BAD_PARAMETER);
        EXPECT_EQ(item, nullptr);
        // A reference the host never handed out is refused, not followed.
        int32_t id = 0;
        EXPECT_EQ(items.getID(reinterpret_cast<TvItemRef>(&id), &id), TV_ERR_BAD_PARAMETER);
    });
}

TEST_F(ItemTest, SpinEditsClampToTheirLimitsAndReadBackRounded)
{
    withOpenDialog([&](TvDialogRef dialog) {
        TvItemRef spin = create(dialog, 10, kTvADMSpinEditType);
        items.setMinIntValue(spin, 1);
        items.setMaxIntValue(spin, 100);
        items.setIntValue(spin, 200);
        int32_t value = 0;
        items.getIntValue(spin, &value);
        EXPECT_EQ(value, 100);
        items.setFloatValue(spin, -3.0f);
        items.getIntValue(spin, &value);
        EXPECT_EQ(value, 1);
        // Narrowing the limits clamps the value already there.
        items.setFloatValue(spin, 50.6f);
        items.getIntValue(spin, &value);
        EXPECT_EQ(value, 51);
        // The text shown rounds as integer reads do: half away from zero.
        items.setFloatValue(spin, 2.5f);
        EXPECT_EQ(session.liveItem(spin)->displayText(), "3");
        items.setFloatValue(spin, 50.6f);
        items.setMaxFloatValue(spin, 20.25f);
        TvReal real = 0;
        items.getFloatValue(spin, &real);
        EXPECT_FLOAT_EQ(real, 20.25f);
        // A limit below the minimum moves the minimum: the range stays valid.
        items.setMaxIntValue(spin, -5);
        items.getIntValue(spin, &value);
        EXPECT_EQ(value, -5);
        EXPECT_EQ(items.setMinFloatValue(spin, std::nanf("")), TV_ERR_BAD_PARAMETER);
    });
}

TEST_F(ItemTest, CheckBoxesHoldZeroOrOne)
{
    withOpenDialog([&](TvDialogRef dialog) {
        TvItemRef check = nullptr;
        dialogs.getItem(dialog, 3, &check);
        items.setIntValue(check, 7);
        TvBool on = 0;
        items.getBooleanValue(check, &on);
        EXPECT_EQ(on, 1);
        int32_t value = 0;
        items.getIntValue(check, &value);
        EXPECT_EQ(value, 1);
        items.setBooleanValue(check, 0);
        items.getIntValue(check, &value);
        EXPECT_EQ(value, 0);
    });
}

TEST_F(ItemTest, PopupEntriesKeepOrderAndOneSelection)
{
    withOpenDialog([&](TvDialogRef dialog) {
        TvItemRef popup = create(dialog, 30, kTvADMPopupListType);
        TvListRef list = nullptr;
        ASSERT_EQ(items.getList(popup, &list), 0);
        TvEntryRef a = nullptr, b = nullptr, c = nullptr;
        ASSERT_EQ(lists.insertEntry(list, 0, &a), 0);
        ASSERT_EQ(lists.insertEntry(list, 1, &c), 0);
        ASSERT_EQ(lists.insertEntry(list, 1, &b), 0); // between a and c
        EXPECT_EQ(lists.insertEntry(list, 4, &b), TV_ERR_BAD_PARAMETER);
        entries.setID(a, 10);
        entries.setID(b, 20);
        entries.setID(c, 20);
        TvEntryRef found = nullptr;
        lists.indexEntry(list, 1, &found);
        EXPECT_EQ(found, b);
        EXPECT_EQ(lists.indexEntry(list, 3, &found), TV_ERR_BAD_PARAMETER);
        lists.findEntry(list, 20, &found);
        EXPECT_EQ(found, b); // the first with that id
        EXPECT_EQ(lists.findEntry(list, 99, &found), TV_ERR_BAD_PARAMETER);

        TvEntryRef active = a;
        lists.getActiveEntry(list, &active);
        EXPECT_EQ(active, nullptr);
        entries.select(a, 1);
        entries.select(c, 1);
        lists.getActiveEntry(list, &active);
        EXPECT_EQ(active, c);
        int32_t index = 0;
        items.getIntValue(popup, &index);
        EXPECT_EQ(index, 2);
        entries.select(a, 0); // deselecting another entry changes nothing
        lists.getActiveEntry(list, &active);
        EXPECT_EQ(active, c);

        // Only popups have lists.
        TvItemRef check = nullptr;
        dialogs.getItem(dialog, 3, &check);
        EXPECT_EQ(items.getList(check, &list), TV_ERR_BAD_PARAMETER);
    });
}

TEST_F(ItemTest, SendNotifyRunsTheProcedureOrTheDefaultHandling)
{
    static int notified;
    notified = 0;
    int32_t result = 0;
    Body body = [&](TvDialogRef dialog) {
        TvItemRef check = nullptr, ok = nullptr;
        dialogs.getItem(dialog, 3, &check);
        dialogs.getItem(dialog, 1, &ok);
        items.setNotifyProc(check, [](TvItemRef, TvNotifierRef) { ++notified; });
        items.sendNotify(check, kTvADMUserChangedNotifier);
        EXPECT_EQ(notified, 1);
        // OK has no procedure: the default handling ends the dialog with 1.
        items.sendNotify(ok, kTvADMUserChangedNotifier);
    };
    bool userRan = false;
    FunctionFrontEnd frontEnd([&](DialogUser&) { userRan = true; });
    ASSERT_EQ(runModal(runBody, frontEnd, result, &body), 0);
    EXPECT_EQ(result, 1);
    EXPECT_FALSE(userRan); // ended by init before the user saw it
}

TEST_F(ItemTest, BoundsAndSize)
{
    withOpenDialog([&](TvDialogRef dialog) {
        const TvIntRect placed{100, 50, 400, 300};
        ASSERT_EQ(dialogs.setBoundsRect(dialog, &placed), 0);
        ASSERT_EQ(dialogs.setSize(dialog, 500, 400), 0);
        TvIntRect bounds{};
        dialogs.getBoundsRect(dialog, &bounds);
        EXPECT_EQ(bounds.left, 100);
        EXPECT_EQ(bounds.top, 50);
        EXPECT_EQ(bounds.right, 600);
        EXPECT_EQ(bounds.bottom, 450);
        const TvIntRect inverted{10, 10, 0, 0};
        EXPECT_EQ(dialogs.setBoundsRect(dialog, &inverted), TV_ERR_BAD_PARAMETER);
    });
    EXPECT_EQ(session.shown().back().bounds.right, 600);
}

} // namespace
} // namespace tovrins::host::testing
