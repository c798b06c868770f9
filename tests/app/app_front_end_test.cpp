// The app's user at the dialogs: which dialog gets the script, what the
// dialog itself makes of the values the app's checks let through, and
// picks that fall outside the view.
#include "app/app_front_end.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/command_line.hpp"
#include "app/dialog_script.hpp"
#include "app/view_point.hpp"

namespace tovrins::app {
namespace {

using host::AdmItemKind;
using ::testing::HasSubstr;
using Kind = ActionRequest::Kind;

host::AdmItem& addItem(host::AdmDialog& dialog, int32_t id, AdmItemKind kind)
{
    auto item = std::make_unique<host::AdmItem>();
    item->dialog = &dialog;
    item->id = id;
    item->kind = kind;
    dialog.items.push_back(std::move(item));
    return *dialog.items.back();
}

// The rotate dialog's OK button and the items the script below sets.
void addRotateItems(host::AdmDialog& dialog)
{
    const FilterInfo& rotate = filterByCommand("rotate");
    dialog.name = "rotate";
    dialog.resourceId = kFilterDialogResource;
    addItem(dialog, 1, AdmItemKind::TextPushButton);
    addItem(dialog, findField(rotate, "rotateCopies").item, AdmItemKind::SpinEdit);
    addItem(dialog, findField(rotate, "rotateAngleStep").item, AdmItemKind::SpinEdit);
    addItem(dialog, findField(rotate, "rotatePreview").item, AdmItemKind::CheckBox);
    host::AdmItem& centre = addItem(dialog, findField(rotate, "rotateCentreMode").item, AdmItemKind::Popup);
    for (const char* label : {"Copies center default", "Path(s) top", "Path worm"})
        centre.entries.push_back(std::make_unique<host::AdmEntry>(
            host::AdmEntry{&centre, static_cast<int32_t>(centre.entries.size()), label}));
}

std::vector<host::DialogAction> rotateScript(std::vector<ActionRequest> actions)
{
    return buildDialogScript(filterByCommand("rotate"), actions, false);
}

TEST(AppFrontEnd, PaddedAndSignedValuesThatPassTheChecksAreTakenByTheDialog)
{
    host::AdmDialog dialog;
    addRotateItems(dialog);
    const host::Document document;
    AppFrontEnd frontEnd(rotateScript({{Kind::Set, "rotateCopies= +7 "},
                                       {Kind::Set, "rotateAngleStep=\t+12.5"},
                                       {Kind::Set, "rotatePreview= +1"},
                                       {Kind::Set, "rotateCentreMode= +2 "}}),
                         document);
    host::DialogUser user(dialog);
    frontEnd.run(user);
    ASSERT_FALSE(frontEnd.failure()) << *frontEnd.failure();
    EXPECT_EQ(dialog.result, 1);
    EXPECT_EQ(dialog.find(findField(filterByCommand("rotate"), "rotateCopies").item)->value, 7);
    EXPECT_EQ(dialog.find(findField(filterByCommand("rotate"), "rotateAngleStep").item)->value, 12.5);
    EXPECT_EQ(dialog.find(findField(filterByCommand("rotate"), "rotatePreview").item)->value, 1);
    EXPECT_EQ(dialog.find(findField(filterByCommand("rotate"), "rotateCentreMode").item)->activeIndex(), 2);
}

TEST(AppFrontEnd, AnErrorDialogBeforeTheFiltersIsAcceptedAndKeepsTheScript)
{
    // The report Get Parameters shows when it fails before its dialog: an
    // OK button and texts, where item 3 is a static text.
    host::AdmDialog report;
    report.name = "error";
    report.resourceId = 16051;
    addItem(report, 1, AdmItemKind::TextPushButton);
    addItem(report, 3, AdmItemKind::TextStatic);
    const host::Document document;
    AppFrontEnd frontEnd(rotateScript({{Kind::Set, "rotateCopies=3"}, {Kind::Tumble, ""}}), document);
    host::DialogUser reportUser(report);
    frontEnd.run(reportUser);
    EXPECT_EQ(report.result, 1);
    EXPECT_FALSE(frontEnd.failure()) << "the script was played on the error dialog: " << *frontEnd.failure();
    EXPECT_FALSE(frontEnd.openedFilterDialog());

    // The filter's dialog, should it open afterwards, still gets the script.
    host::AdmDialog dialog;
    addRotateItems(dialog);
    addItem(dialog, kTumbleItem, AdmItemKind::TextPushButton);
    host::DialogUser user(dialog);
    frontEnd.run(user);
    ASSERT_FALSE(frontEnd.failure()) << *frontEnd.failure();
    EXPECT_TRUE(frontEnd.openedFilterDialog());
    EXPECT_EQ(dialog.find(findField(filterByCommand("rotate"), "rotateCopies").item)->value, 3);
    EXPECT_EQ(dialog.result, 1);
}

TEST(PickPixel, OnlyPointsTheViewShowsCanBePicked)
{
    host::Document document;
    document.view().zoom = 2.5f;
    document.view().centre = {100, 300};
    const TvIntPoint middle = pickPixel(document, {100, 300});
    EXPECT_EQ(middle.h, document.view().width / 2);
    EXPECT_EQ(middle.v, document.view().height / 2);
    // 800 by 600 pixels at 250 % show 320 by 240 points about the centre.
    const TvIntPoint corner = pickPixel(document, {-60, 420});
    EXPECT_EQ(corner.h, 0);
    EXPECT_EQ(corner.v, 0);

    // Just past an edge, far off, and beyond any pixel position: refused
    // alike, naming what the view shows.
    for (const TvRealPoint far : {TvRealPoint{261, 300}, TvRealPoint{100, 179}, TvRealPoint{1e9f, 1e9f},
                                  TvRealPoint{0, -1e9f}, TvRealPoint{3e38f, 3e38f}}) {
        try {
            pickPixel(document, far);
            ADD_FAILURE() << far.h << ',' << far.v << " was picked";
        } catch (const host::DialogActionError& e) {
            EXPECT_THAT(e.what(),
                        HasSubstr("is outside the view, which shows x from -60 to 259.6 and y from "
                                  "180.4 to 420 at zoom 250 %"));
        }
    }
    try {
        pickPixel(document, {1e9f, 0});
        ADD_FAILURE() << "1e9,0 was picked";
    } catch (const host::DialogActionError& e) {
        EXPECT_THAT(e.what(), HasSubstr("artwork point 1e+09,0 "));
    }
}

} // namespace
} // namespace tovrins::app
