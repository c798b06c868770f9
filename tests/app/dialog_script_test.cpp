#include "app/dialog_script.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/app_error.hpp"
#include "app/popup_choice.hpp"

namespace tovrins::app {
namespace {

using host::DialogAction;
using ::testing::HasSubstr;
using Kind = ActionRequest::Kind;

std::vector<DialogAction> build(std::string_view filter, std::vector<ActionRequest> actions, bool cancel = false)
{
    return buildDialogScript(filterByCommand(filter), actions, cancel);
}

TEST(DialogScript, EachActionGoesToItsItemInOrderThenAccept)
{
    const auto script = build("rotate",
                              {{Kind::Shuffle, ""},
                               {Kind::Set, "rotateCentreMode= Path worm "},
                               {Kind::Preset, "2"},
                               {Kind::Zoom, "250"},
                               {Kind::Pick, "62=-10.5,40"},
                               {Kind::Tumble, ""},
                               {Kind::Set, "rotateViewZoom=50"}});
    ASSERT_EQ(script.size(), 8u);
    EXPECT_EQ(script[0].kind, DialogAction::Kind::Click);
    EXPECT_EQ(script[0].item, 50);
    EXPECT_EQ(script[1].kind, DialogAction::Kind::SetText);
    EXPECT_EQ(script[1].item, 30);
    EXPECT_EQ(script[1].text, "Path worm"); // as the dialog reads it
    EXPECT_EQ(script[1].description, "--set rotateCentreMode= Path worm ");
    EXPECT_EQ(script[2].item, 36);
    EXPECT_EQ(script[2].text, "2");
    EXPECT_EQ(script[3].kind, DialogAction::Kind::EnterNumber);
    EXPECT_EQ(script[3].item, 10);
    EXPECT_EQ(script[3].number, 250);
    EXPECT_EQ(script[4].kind, DialogAction::Kind::PickArtwork);
    EXPECT_EQ(script[4].item, 62);
    EXPECT_FLOAT_EQ(script[4].artworkPoint.h, -10.5f);
    EXPECT_FLOAT_EQ(script[4].artworkPoint.v, 40.0f);
    EXPECT_EQ(script[5].item, 51);
    EXPECT_EQ(script[6].item, 10);
    EXPECT_EQ(script[6].kind, DialogAction::Kind::SetText);
    EXPECT_EQ(script.back().kind, DialogAction::Kind::Accept);
}

TEST(DialogScript, CancelEndsTheScriptInsteadOfAccept)
{
    const auto script = build("translate", {{Kind::Set, "translateCopies=3"}}, true);
    ASSERT_EQ(script.size(), 2u);
    EXPECT_EQ(script.back().kind, DialogAction::Kind::Cancel);
    EXPECT_EQ(build("scale", {}, false).size(), 1u);
}

TEST(DialogScript, MalformedActionsAreRefusedBeforeAnythingRuns)
{
    const auto refused = [](std::string_view filter, ActionRequest action) {
        try {
            build(filter, {action});
        } catch (const UsageError& e) {
            return std::string(e.what());
        }
        return std::string("accepted");
    };
    EXPECT_THAT(refused("rotate", {Kind::Set, "rotateCopies"}), HasSubstr("FIELD=VALUE"));
    EXPECT_THAT(refused("rotate", {Kind::Set, "=3"}), HasSubstr("FIELD=VALUE"));
    EXPECT_THAT(refused("rotate", {Kind::Set, "scaleCopies=3"}), HasSubstr("rotateCopies"));
    EXPECT_THAT(refused("rotate", {Kind::Set, "rotateCopies=many"}), HasSubstr("whole number"));
    EXPECT_THAT(refused("rotate", {Kind::Preset, " "}), HasSubstr("--preset"));
    EXPECT_THAT(refused("rotate", {Kind::Zoom, "0"}), HasSubstr("zoom"));
    EXPECT_THAT(refused("rotate", {Kind::Zoom, "big"}), HasSubstr("zoom"));
    // Translate has four picture buttons, the others six.
    EXPECT_THAT(refused("translate", {Kind::Pick, "64=1,2"}), HasSubstr("60 to 63"));
    EXPECT_EQ(refused("scale", {Kind::Pick, "65=1,2"}), "accepted");
    EXPECT_THAT(refused("scale", {Kind::Pick, "59=1,2"}), HasSubstr("60 to 65"));
    EXPECT_THAT(refused("scale", {Kind::Pick, "60=1"}), HasSubstr("ITEM=X,Y"));
    EXPECT_THAT(refused("scale", {Kind::Pick, "60=1,y"}), HasSubstr("ITEM=X,Y"));
    // Beyond single precision; the largest float itself still passes.
    EXPECT_THAT(refused("scale", {Kind::Pick, "60=1e39,0"}), HasSubstr("'--pick 60=1e39,0'"));
    EXPECT_THAT(refused("scale", {Kind::Pick, "60=0,-1e39"}), HasSubstr("beyond"));
    EXPECT_EQ(refused("scale", {Kind::Pick, "60=3.4e38,-3.4e38"}), "accepted");
}

TEST(DialogScript, NumbersTooLargeForTheirFieldGoToTheDialogAtTheirTypesLimit)
{
    // The dialog then brings them within the item's limits, as it does 500.
    const auto sent = [](std::string_view filter, std::string value) {
        return build(filter, {{Kind::Set, std::move(value)}}).front().text;
    };
    EXPECT_EQ(sent("rotate", "rotateCopies=500"), "500");
    EXPECT_EQ(sent("rotate", "rotateCopies=1e10"), "2147483647");
    EXPECT_EQ(sent("rotate", "rotateCopies=99999999999"), "2147483647");
    EXPECT_EQ(sent("rotate", "rotateCopies=-1e400"), "-2147483648");
    EXPECT_EQ(sent("rotate", "rotateCopies=12.0"), "12");
    EXPECT_EQ(sent("scale", "scaleHorizontalScale=1e50"), "3.4028234663852886e+38");
    EXPECT_EQ(sent("scale", "scaleHorizontalScale=-1e999"), "-3.4028234663852886e+38");
    EXPECT_EQ(sent("scale", "scaleHorizontalScale=-20.5"), "-20.5");
    // What is no whole number stays refused.
    for (const char* value : {"rotateCopies=3.5", "rotateCopies=inf", "rotateCopies=1e10x"})
        EXPECT_THROW(build("rotate", {{Kind::Set, value}}), UsageError) << value;
}

host::AdmItem popupWith(std::vector<std::string> labels)
{
    host::AdmItem item;
    item.id = 30;
    item.kind = host::AdmItemKind::Popup;
    int32_t id = 0;
    for (std::string& label : labels)
        item.entries.push_back(std::make_unique<host::AdmEntry>(host::AdmEntry{&item, id++, std::move(label)}));
    return item;
}

DialogAction setText(std::string text)
{
    DialogAction action;
    action.kind = DialogAction::Kind::SetText;
    action.item = 30;
    action.text = std::move(text);
    action.description = "--set rotateCentreMode=" + action.text;
    return action;
}

TEST(PopupChoice, IndexOrLabelIgnoringSurroundingSpacesAndCase)
{
    const host::AdmItem popup = popupWith({" Copies center default", " Path(s) top ", " Path worm "});
    for (const char* ok : {"0", "2", "path worm", "  PATH(S) TOP", " Copies center default"})
        EXPECT_FALSE(checkPopupChoice(popup, setText(ok))) << ok;
    for (const char* bad : {"3", "-1", "Path", "pathworm"})
        EXPECT_TRUE(checkPopupChoice(popup, setText(bad))) << bad;

    const auto message = checkPopupChoice(popup, setText("worm"));
    ASSERT_TRUE(message);
    EXPECT_THAT(*message, HasSubstr("--set rotateCentreMode=worm"));
    EXPECT_THAT(*message, HasSubstr("0 to 2"));
    EXPECT_THAT(*message, HasSubstr("'Copies center default', 'Path(s) top', 'Path worm'"));
}

TEST(PopupChoice, OtherItemsAndActionsAreLeftToTheDialog)
{
    host::AdmItem spin;
    spin.kind = host::AdmItemKind::SpinEdit;
    EXPECT_FALSE(checkPopupChoice(spin, setText("anything")));
    DialogAction click = setText("");
    click.kind = DialogAction::Kind::Click;
    EXPECT_FALSE(checkPopupChoice(popupWith({" a"}), click));
}

} // namespace
} // namespace tovrins::app
