// The presets popup: a preset rewrites the section, shows it in the items,
// turns Preview on and previews at once; copy counts above the copies
// field's maximum reach the block as the field clamps them.
#include <algorithm>
#include <cmath>

#include "tests/dialogs/dialog_session.hpp"

namespace tovrins::dialogs_test {
namespace {

class Presets : public ::testing::Test {
protected:
    Presets() { before = harness.bench.open(squaresDocument(1)).data(); }

    size_t copiesNow() { return topLevelArtCount(harness.document().data()) - topLevelArtCount(before); }

    tovrins::testing::PluginHarness harness;
    host::DocumentData before;
    StepFrontEnd user;
};

TEST_F(Presets, RotateSpiralSetsItsValuesAndPreviewsEvenWithPreviewOff)
{
    user.then([&](DialogUser& u) {
        u.setChecked(3, false);
        u.enterNumber(5, 33); // the preset resets the angle step
        u.choose(36, " Spiral");
        const FilterParams& p = blockOf(u);
        EXPECT_EQ(p.rotatePreset, 6);
        EXPECT_EQ(p.rotateRadialMode, 4);
        EXPECT_EQ(p.rotateCopies, 36);
        EXPECT_FLOAT_EQ(p.rotateRadialStep, 1.0f);
        EXPECT_FLOAT_EQ(p.rotateAngleStep, 10.0f);
        EXPECT_EQ(p.rotatePreview, 1);
        EXPECT_EQ(p.rotatePreviewApplied, 1);
        const AdmDialog& d = u.dialog();
        EXPECT_EQ(item(d, 32).activeIndex(), 4);
        EXPECT_EQ(item(d, 4).value, 36);
        EXPECT_EQ(item(d, 6).value, 1);
        EXPECT_EQ(item(d, 3).value, 1);
        EXPECT_TRUE(item(d, 6).enabled) << "radial mode 4 uses the radial step";
        EXPECT_EQ(copiesNow(), 36u);
        u.pressDefault();
    });
    ASSERT_EQ(harness.run(harness.rotate(), user).code, 0);
    EXPECT_EQ(harness.params(harness.rotate())->rotatePreset, 6);
}

// " To the right " writes a horizontal offset step of 100 and keeps the
// uniform offset mode: copy i is scaled by 0.96^(i+1) about a pivot
// (i + 1) × 100 right of the square's centre, which carries its centre
// (i + 1) × 100 × (1 - 0.96^(i+1)) to the right, further for every copy.
TEST_F(Presets, ScaleToTheRightMovesEveryCopyFurtherRight)
{
    user.then([&](DialogUser& u) {
        u.choose(36, " To the right ");
        const FilterParams& p = blockOf(u);
        EXPECT_EQ(p.scaleCopies, 20);
        EXPECT_FLOAT_EQ(p.scaleHorizontalTranslation, 100.0f);
        EXPECT_NE(p.scaleHorizontalTranslationMode, 0) << "an ignored offset would move nothing";
        EXPECT_TRUE(item(u.dialog(), 7).enabled);
        EXPECT_EQ(copiesNow(), 20u);
        u.pressDefault();
    });
    ASSERT_EQ(harness.run(harness.scale(), user).code, 0);
    const TvRealRect square = host::artBounds(*findArt(before, "s0"));
    const float squareCentre = (square.left + square.right) / 2;
    std::vector<float> centres;
    const host::DocumentData after = harness.document().data();
    for (const host::LayerData& layer : after.layers)
        for (const host::ArtData& art : layer.art)
            if (art.id != "bystander") {
                const TvRealRect r = host::artBounds(art);
                centres.push_back((r.left + r.right) / 2 - squareCentre);
            }
    ASSERT_EQ(centres.size(), 20u);
    std::sort(centres.begin(), centres.end());
    for (size_t i = 0; i < centres.size(); ++i) {
        const double step = static_cast<double>(i + 1);
        EXPECT_NEAR(centres[i], 100 * step * (1 - std::pow(0.96, step)), 0.05) << "copy " << i;
        if (i > 0) {
            EXPECT_GT(centres[i], centres[i - 1] + 1) << "copy " << i;
        }
    }
}

// Counts above 100 (scale " Tentacles " 200, translate " Close right " 200
// and " Rapid impact " 122) are clamped by the copies field; the block gets
// what the field holds.
TEST_F(Presets, CopyCountsAboveTheFieldMaximumAreClampedTo100)
{
    struct Case {
        host::RegisteredFilter& filter;
        std::string preset;
        int32_t FilterParams::*copies;
    };
    const Case cases[] = {
        {harness.scale(), " Tentacles ", &FilterParams::scaleCopies},
        {harness.scale(), " Tentacles spread", &FilterParams::scaleCopies},
        {harness.translate(), " Close right ", &FilterParams::translateCopies},
        {harness.translate(), " Rapid impact ", &FilterParams::translateCopies},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.preset);
        user.then([&](DialogUser& u) {
            u.choose(36, c.preset);
            EXPECT_EQ(item(u.dialog(), 4).value, 100);
            EXPECT_EQ(blockOf(u).*c.copies, 100);
            EXPECT_EQ(copiesNow(), 100u);
            u.pressCancel();
        });
        harness.run(c.filter, user);
    }
}

// A preset keeps the zoom the user set and rewrites everything else; the
// translate presets always put the layer option back to 1.
TEST_F(Presets, DefaultResetKeepsTheZoomAndRestoresTheRest)
{
    user.then([&](DialogUser& u) {
        u.enterNumber(10, 250);
        u.choose(35, 2);
        u.enterNumber(4, 40);
        u.setChecked(22, false);
        u.choose(36, " Default/Reset");
        const FilterParams& p = blockOf(u);
        EXPECT_FLOAT_EQ(p.translateZoom, 250.0f);
        EXPECT_EQ(item(u.dialog(), 10).value, 250);
        EXPECT_EQ(p.translateLayerOption, 1);
        EXPECT_EQ(item(u.dialog(), 35).activeIndex(), 1);
        EXPECT_EQ(p.translateCopies, 7);
        EXPECT_EQ(p.translatePlaceAbove, 1);
        EXPECT_EQ(item(u.dialog(), 22).value, 1);
        EXPECT_EQ(copiesNow(), 7u);
        u.pressCancel();
    });
    harness.run(harness.translate(), user);
}

// A preset stored by an accepted command selects its entry on reopening,
// with the values it wrote.
TEST_F(Presets, TheChosenPresetIsSelectedWhenTheDialogReopens)
{
    user.then([](DialogUser& u) {
        u.choose(36, " Apple core ");
        u.setChecked(21, false);
        u.pressDefault();
    });
    user.then([](DialogUser& u) {
        EXPECT_EQ(item(u.dialog(), 36).activeIndex(), 4);
        EXPECT_EQ(item(u.dialog(), 4).value, 20);
        EXPECT_FLOAT_EQ(static_cast<float>(item(u.dialog(), 11).value), 90.0f);
        u.pressCancel();
    });
    harness.run(harness.scale(), user);
    harness.run(harness.scale(), user);
    EXPECT_EQ(user.stepsLeft(), 0u);
}

} // namespace
} // namespace tovrins::dialogs_test
