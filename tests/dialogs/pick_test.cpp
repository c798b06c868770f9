// The picture buttons: a click in the artwork sets the button's value from
// the point under the pointer, shows it in the spin edit beside the button
// (within that field's limits) and previews.
#include <cmath>

#include "tests/dialogs/dialog_session.hpp"

namespace tovrins::dialogs_test {
namespace {

// The document view of every case: zoom 2 about the artwork point (100, 50).
constexpr float kZoom = 2;
constexpr TvRealPoint kCentre{100, 50};

// The view pixel over an artwork point (800 by 600 pixels, y down).
TvIntPoint pixelOver(TvRealPoint p)
{
    return {static_cast<int32_t>(std::lround(400 + (p.h - kCentre.h) * kZoom)),
            static_cast<int32_t>(std::lround(300 - (p.v - kCentre.v) * kZoom))};
}

constexpr float kThird = 0.33333334f; // the nearest single to 1/3

struct PickCase {
    Which which;
    int32_t button;
    TvRealPoint at;  // artwork point clicked
    int32_t item;    // the spin edit that shows the value
    double expected; // the value in the item and the block, after the field's limits
    int32_t FilterParams::*integerField = nullptr;
    float FilterParams::*realField = nullptr;
};

using P = FilterParams;

// Copies are 1 plus the whole sevenths in x; the rotate angle step is the
// angle in degrees of the line from the view's centre to the point.
const PickCase kCases[] = {
    {Which::Rotate, 60, {140, 0}, 4, 21, &P::rotateCopies},
    {Which::Rotate, 60, {139, 0}, 4, 20, &P::rotateCopies},
    {Which::Rotate, 60, {-50, 0}, 4, 1, &P::rotateCopies},   // C = -6, held at the minimum
    {Which::Rotate, 60, {800, 0}, 4, 100, &P::rotateCopies}, // C = 115, held at the maximum
    {Which::Rotate, 61, {110, 60}, 5, 45, nullptr, &P::rotateAngleStep},
    {Which::Rotate, 61, {90, 50}, 5, 180, nullptr, &P::rotateAngleStep},
    {Which::Rotate, 61, {100, 40}, 5, -90, nullptr, &P::rotateAngleStep},
    {Which::Rotate, 62, {131, 0}, 6, 131 * 0.5, nullptr, &P::rotateRadialStep},
    {Which::Rotate, 63, {-75, 0}, 7, -75 * 0.5, nullptr, &P::rotateHorizontalStep},
    {Which::Rotate, 64, {0, 81}, 8, 81 * 0.5, nullptr, &P::rotateVerticalStep},
    {Which::Rotate, 65, {150, 0}, 13, 150 * kThird, nullptr, &P::rotateColourFactor},
    {Which::Rotate, 65, {600, 0}, 13, 100, nullptr, &P::rotateColourFactor},
    {Which::Scale, 60, {70, 0}, 4, 11, &P::scaleCopies},
    {Which::Scale, 61, {131, 0}, 11, 131 * 0.1f, nullptr, &P::scaleHorizontalScale},
    {Which::Scale, 62, {0, -37}, 12, -37 * 0.1f, nullptr, &P::scaleVerticalScale},
    {Which::Scale, 63, {131, 0}, 7, 131 * 0.5, nullptr, &P::scaleHorizontalTranslation},
    {Which::Scale, 64, {0, 81}, 8, 81 * 0.5, nullptr, &P::scaleVerticalTranslation},
    {Which::Scale, 65, {99, 0}, 13, 99 * kThird, nullptr, &P::scaleColourPercent},
    {Which::Scale, 65, {-30, 0}, 13, 0, nullptr, &P::scaleColourPercent},
    {Which::Translate, 60, {13, 0}, 4, 2, &P::translateCopies},
    {Which::Translate, 61, {131, 0}, 7, 131 * 0.5, nullptr, &P::translateHorizontal},
    {Which::Translate, 62, {0, -81}, 8, -81 * 0.5, nullptr, &P::translateVertical},
    {Which::Translate, 63, {201, 0}, 13, 201 * kThird, nullptr, &P::translateColourPercent},
};

class Pick : public ::testing::TestWithParam<PickCase> { };

TEST_P(Pick, SetsTheValueFromTheArtworkPointAndPreviews)
{
    const PickCase& c = GetParam();
    tovrins::testing::PluginHarness harness;
    const host::DocumentData before = harness.bench.open(squaresDocument(1)).data();
    harness.document().view().zoom = kZoom;
    harness.document().view().centre = kCentre;
    StepFrontEnd user;
    user.then([&](DialogUser& u) {
        const uint64_t redraws = harness.document().redrawCount();
        u.pick(c.button, pixelOver(c.at));
        const FilterParams& p = blockOf(u);
        const double stored = c.integerField ? p.*c.integerField : static_cast<double>(p.*c.realField);
        EXPECT_NEAR(item(u.dialog(), c.item).value, c.expected, 1e-4);
        EXPECT_NEAR(stored, c.expected, 1e-4);
        EXPECT_GT(harness.document().redrawCount(), redraws) << "the pick ran no preview";
        if (c.integerField == &P::rotateCopies || c.integerField == &P::scaleCopies ||
            c.integerField == &P::translateCopies) {
            EXPECT_EQ(topLevelArtCount(harness.document().data()) - topLevelArtCount(before),
                      static_cast<size_t>(c.expected));
        }
        // The view itself is left as it was.
        EXPECT_FLOAT_EQ(harness.document().view().zoom, kZoom);
        u.pressCancel();
    });
    harness.run(harness.filter(titleOf(c.which)), user);
}

std::string caseName(const ::testing::TestParamInfo<PickCase>& info)
{
    const char* filter[] = {"Rotate", "Scale", "Translate"};
    return std::string(filter[static_cast<int>(info.param.which)]) + "Button" + std::to_string(info.param.button) +
        "Case" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(EveryButton, Pick, ::testing::ValuesIn(kCases), caseName);

// Rotate and scale have six picture buttons; translate has four, without
// the vertical-step and colour rows of the others.
TEST(PickButtons, EachDialogHasExactlyItsOwnPictureButtons)
{
    tovrins::testing::PluginHarness harness;
    harness.bench.open(squaresDocument(1));
    for (const Which which : {Which::Rotate, Which::Scale, Which::Translate}) {
        StepFrontEnd user;
        user.then([&](DialogUser& u) {
            std::vector<int32_t> buttons;
            for (const auto& it : u.dialog().items)
                if (it->kind == AdmItemKind::PicturePushButton)
                    buttons.push_back(it->id);
            const std::vector<int32_t> wanted = which == Which::Translate
                ? std::vector<int32_t>{60, 61, 62, 63}
                : std::vector<int32_t>{60, 61, 62, 63, 64, 65};
            EXPECT_EQ(buttons, wanted);
            u.pressCancel();
        });
        harness.run(harness.filter(titleOf(which)), user);
    }
}

} // namespace
} // namespace tovrins::dialogs_test
