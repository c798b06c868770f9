// Every item of the three dialogs as a fresh block opens them: kind,
// rectangle, label, limits, precision, value, popup entries and the
// procedures the host will call, in creation order.
#include <optional>

#include "tests/dialogs/dialog_session.hpp"
#include "tests/dialogs/popup_labels.hpp"

namespace tovrins::dialogs_test {
namespace {

struct Spin {
    double minimum, maximum;
    int32_t precision; // 0 for integer spin edits
    double value;
};

struct Popup {
    const std::vector<std::string>* labels;
    int32_t selected;
};

enum class Proc { Notify, Track, None };

struct Expected {
    int32_t id;
    AdmItemKind kind;
    TvIntRect rect;
    std::string text; // labels of check boxes, buttons and static text
    Proc proc;
    std::optional<Spin> spin = std::nullopt;
    std::optional<Popup> popup = std::nullopt;
    double checked = 0; // check boxes
};

constexpr auto kSpin = AdmItemKind::SpinEdit;
constexpr auto kCheck = AdmItemKind::CheckBox;
constexpr auto kPopup = AdmItemKind::Popup;
constexpr auto kPick = AdmItemKind::PicturePushButton;
constexpr auto kButton = AdmItemKind::TextPushButton;

Expected spin(int32_t id, TvIntRect r, Spin s, Proc proc = Proc::Notify) { return {id, kSpin, r, "", proc, s}; }
Expected check(int32_t id, TvIntRect r, std::string label)
{
    return {id, kCheck, r, std::move(label), Proc::Notify, {}, {}, 1};
}
Expected popup(int32_t id, TvIntRect r, const std::vector<std::string>& labels, int32_t selected)
{
    return {id, kPopup, r, "", Proc::Notify, {}, Popup{&labels, selected}};
}
Expected pick(int32_t id, TvIntRect r) { return {id, kPick, r, "", Proc::Track}; }
Expected button(int32_t id, TvIntRect r, std::string label, Proc proc = Proc::Notify)
{
    return {id, kButton, r, std::move(label), proc};
}

// The right-hand column, the same in all three dialogs.
Expected zoomField() { return spin(10, {315, 275, 375, 295}, {1, 500, 2, 100}); }
Expected previewBox() { return check(3, {295, 130, 375, 144}, "Preview"); }
Expected cancelButton() { return button(2, {295, 40, 375, 60}, "Cancel", Proc::None); }
Expected shuffleButton() { return button(50, {295, 70, 375, 90}, "Shuffle"); }
Expected tumbleButton() { return button(51, {295, 100, 375, 120}, "Tumble"); }

const std::vector<Expected>& rotateItems()
{
    static const std::vector<Expected> items = {
        spin(4, {180, 10, 240, 30}, {1, 100, 0, 7}),
        spin(5, {180, 33, 240, 53}, {-1000, 1000, 2, 10}),
        spin(6, {180, 56, 240, 76}, {-3000, 3000, 2, 50}),
        spin(7, {180, 79, 240, 99}, {-5000, 5000, 2, 0}),
        spin(8, {180, 102, 240, 122}, {-5000, 5000, 2, 0}),
        spin(9, {180, 125, 240, 145}, {1, 100, 0, 1}),
        spin(13, {180, 148, 240, 168}, {0, 100, 2, 100}),
        zoomField(),
        previewBox(),
        check(20, {10, 175, 240, 189}, "Base on original"),
        check(21, {10, 192, 240, 206}, "Delete original [on OK]"),
        check(22, {10, 209, 240, 223}, "Place above"),
        popup(36, {295, 154, 375, 174}, kRotatePreset, 0),
        popup(30, {10, 10, 175, 30}, kRotateCentre, 0),
        popup(31, {10, 33, 175, 53}, kRotateAngle, 0),
        popup(32, {10, 56, 175, 76}, kRotateRadial, 0),
        popup(33, {10, 79, 175, 99}, kRotateHorizontal, 1),
        popup(34, {10, 102, 175, 122}, kRotateVertical, 1),
        popup(35, {10, 125, 175, 145}, kRotateLayer, 0),
        popup(39, {10, 148, 175, 168}, kInterpolate, 0),
        pick(60, {250, 10, 270, 30}),
        pick(61, {250, 33, 270, 53}),
        pick(62, {250, 56, 270, 76}),
        pick(63, {250, 79, 270, 99}),
        pick(64, {250, 102, 270, 122}),
        pick(65, {250, 148, 270, 168}),
        cancelButton(),
        shuffleButton(),
        tumbleButton(),
    };
    return items;
}

const std::vector<Expected>& scaleItems()
{
    static const std::vector<Expected> items = {
        spin(4, {180, 10, 240, 30}, {1, 100, 0, 7}),
        spin(11, {180, 33, 240, 53}, {-1000, 1000, 2, 96}),
        spin(12, {180, 56, 240, 76}, {-1000, 1000, 2, 96}),
        spin(7, {180, 79, 240, 99}, {-5000, 5000, 2, 0}),
        spin(8, {180, 102, 240, 122}, {-5000, 5000, 2, 0}),
        spin(9, {180, 125, 240, 145}, {1, 100, 0, 1}),
        spin(13, {180, 148, 240, 168}, {0, 100, 2, 100}),
        zoomField(),
        previewBox(),
        check(20, {10, 175, 240, 189}, "Base on original"),
        check(21, {10, 192, 240, 206}, "Delete original [on OK]"),
        check(22, {10, 209, 240, 223}, "Place above"),
        pick(60, {250, 10, 270, 30}),
        pick(61, {250, 33, 270, 53}),
        pick(62, {250, 56, 270, 76}),
        pick(63, {250, 79, 270, 99}),
        pick(64, {250, 102, 270, 122}),
        pick(65, {250, 148, 270, 168}),
        popup(36, {295, 154, 375, 174}, kScalePreset, 0),
        popup(30, {10, 10, 175, 30}, kScaleCentre, 0),
        popup(37, {10, 33, 175, 53}, kScaleHorizontalScale, 0),
        popup(38, {10, 56, 175, 76}, kScaleVerticalScale, 0),
        popup(33, {10, 79, 175, 99}, kScaleHorizontalTranslation, 2),
        popup(34, {10, 102, 175, 122}, kScaleVerticalTranslation, 2),
        popup(35, {10, 125, 175, 145}, kScaleLayer, 0),
        popup(39, {10, 148, 175, 168}, kInterpolate, 0),
        cancelButton(),
        shuffleButton(),
        tumbleButton(),
    };
    return items;
}

const std::vector<Expected>& translateItems()
{
    static const std::vector<Expected> items = {
        spin(4, {180, 10, 240, 30}, {1, 100, 0, 7}),
        spin(7, {180, 33, 240, 53}, {-5000, 5000, 2, 10}),
        spin(8, {180, 56, 240, 76}, {-5000, 5000, 2, 10}),
        spin(9, {180, 79, 240, 99}, {1, 100, 0, 1}),
        spin(13, {180, 102, 240, 122}, {0, 100, 2, 100}),
        zoomField(),
        {55, AdmItemKind::TextStatic, {10, 10, 178, 30}, "Number of copies", Proc::None},
        previewBox(),
        check(20, {10, 130, 240, 144}, "Base on original"),
        check(21, {10, 147, 240, 161}, "Delete original [on OK]"),
        check(22, {10, 164, 240, 178}, "Place above"),
        pick(60, {250, 10, 270, 30}),
        pick(61, {250, 33, 270, 53}),
        pick(62, {250, 56, 270, 76}),
        pick(63, {250, 102, 270, 122}),
        popup(36, {295, 154, 375, 174}, kTranslatePreset, 0),
        popup(33, {10, 33, 175, 53}, kTranslatePlacement, 0),
        popup(34, {10, 56, 175, 76}, kTranslateVariation, 0),
        popup(35, {10, 79, 175, 99}, kTranslateLayer, 1),
        popup(39, {10, 102, 175, 122}, kInterpolate, 0),
        cancelButton(),
        shuffleButton(),
        tumbleButton(),
    };
    return items;
}

const std::vector<Expected>& itemsOf(Which which)
{
    switch (which) {
    case Which::Rotate: return rotateItems();
    case Which::Scale: return scaleItems();
    case Which::Translate: break;
    }
    return translateItems();
}

void expectItem(const AdmItem& actual, const Expected& e)
{
    SCOPED_TRACE("item " + std::to_string(e.id));
    EXPECT_EQ(actual.kind, e.kind);
    EXPECT_EQ(actual.bounds.left, e.rect.left);
    EXPECT_EQ(actual.bounds.top, e.rect.top);
    EXPECT_EQ(actual.bounds.right, e.rect.right);
    EXPECT_EQ(actual.bounds.bottom, e.rect.bottom);
    if (e.kind == kCheck || e.kind == kButton || e.kind == AdmItemKind::TextStatic) {
        EXPECT_EQ(actual.text, e.text);
    }
    switch (e.proc) {
    case Proc::Notify:
        EXPECT_NE(actual.notify, nullptr);
        EXPECT_EQ(actual.track, nullptr);
        break;
    case Proc::Track:
        EXPECT_NE(actual.track, nullptr);
        EXPECT_EQ(actual.notify, nullptr);
        break;
    case Proc::None:
        EXPECT_EQ(actual.notify, nullptr);
        EXPECT_EQ(actual.track, nullptr);
        break;
    }
    if (e.spin) {
        EXPECT_EQ(actual.minimum, e.spin->minimum);
        EXPECT_EQ(actual.maximum, e.spin->maximum);
        EXPECT_EQ(actual.precision, e.spin->precision);
        EXPECT_EQ(actual.units, 0);
        EXPECT_FLOAT_EQ(static_cast<float>(actual.value), static_cast<float>(e.spin->value));
    }
    if (e.kind == kCheck) {
        EXPECT_EQ(actual.value, e.checked);
    }
    if (e.popup) {
        const std::vector<std::string>& labels = *e.popup->labels;
        ASSERT_EQ(actual.entries.size(), labels.size());
        for (size_t i = 0; i < labels.size(); ++i) {
            EXPECT_EQ(actual.entries[i]->id, static_cast<int32_t>(i)) << "entry " << i;
            EXPECT_EQ(actual.entries[i]->text, labels[i]) << "entry " << i;
        }
        EXPECT_EQ(actual.activeIndex(), e.popup->selected);
    } else {
        EXPECT_TRUE(actual.entries.empty());
    }
}

class DialogLayout : public ::testing::TestWithParam<Which> { };

TEST_P(DialogLayout, FreshBlockOpensEveryItemAsLaidOut)
{
    tovrins::testing::PluginHarness harness;
    harness.bench.open(squaresDocument());
    StepFrontEnd user;
    bool inspected = false;
    user.then([&](DialogUser& u) {
        inspected = true;
        const AdmDialog& dialog = u.dialog();
        EXPECT_EQ(dialog.name, dialogNameOf(GetParam()));
        EXPECT_EQ(dialog.resourceId, 16100);
        EXPECT_EQ(dialog.title, "Tovrins Plugin");
        EXPECT_EQ(dialog.bounds.right - dialog.bounds.left, 385);
        EXPECT_EQ(dialog.bounds.bottom - dialog.bounds.top, 300);

        // The items of the table in creation order, with the OK button the
        // only addition.
        std::vector<int32_t> created;
        for (const auto& it : dialog.items)
            if (it->id != 1)
                created.push_back(it->id);
        std::vector<int32_t> wanted;
        for (const Expected& e : itemsOf(GetParam()))
            wanted.push_back(e.id);
        EXPECT_EQ(created, wanted);
        EXPECT_EQ(dialog.items.size(), wanted.size() + 1);

        for (const Expected& e : itemsOf(GetParam()))
            expectItem(item(dialog, e.id), e);
        expectItem(item(dialog, 1), button(1, {295, 10, 375, 30}, "OK"));
        u.pressCancel();
    });
    harness.run(harness.filter(titleOf(GetParam())), user);
    EXPECT_TRUE(inspected);
}

// Only the step spin edits that follow a mode popup are ever disabled, and
// at opening only those whose mode is 0: rotate's radial step (radial mode
// 0 by default); the default horizontal and vertical modes are not 0.
TEST_P(DialogLayout, OpensWithOnlyTheIgnoredStepsDisabled)
{
    tovrins::testing::PluginHarness harness;
    harness.bench.open(squaresDocument());
    StepFrontEnd user;
    user.then([&](DialogUser& u) {
        for (const auto& it : u.dialog().items)
            EXPECT_EQ(it->enabled, !(GetParam() == Which::Rotate && it->id == 6)) << "item " << it->id;
        u.pressCancel();
    });
    harness.run(harness.filter(titleOf(GetParam())), user);
}

INSTANTIATE_TEST_SUITE_P(AllFilters, DialogLayout, ::testing::Values(Which::Rotate, Which::Scale, Which::Translate),
                         nameOf);

} // namespace
} // namespace tovrins::dialogs_test
