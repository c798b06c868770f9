// Each filter with the settings of a fresh block on one selected rectangle
// (100, 100)-(200, 150), accepted at once: the dialog's opening preview
// makes the copies and Go keeps them. Expected corners are worked out here
// from the transformation each filter is meant to apply.
#include <cmath>

#include "tests/filters/filter_test_support.hpp"

namespace tovrins::filters_test {
namespace {

const std::vector<Point> kRect{{100, 100}, {200, 100}, {200, 150}, {100, 150}};

// The original on "Layer 1" is deleted; the copies sit one per new layer,
// each new layer above the one before, the last one current.
void expectOneCopyPerNewLayer(const DocumentData& d, size_t copies)
{
    ASSERT_EQ(d.layers.size(), copies + 1);
    EXPECT_EQ(d.layers[0].name, "Layer 1");
    EXPECT_TRUE(d.layers[0].art.empty()) << "the selected rectangle is deleted on OK";
    for (size_t k = 0; k < copies; ++k) {
        EXPECT_EQ(d.layers[k + 1].name, "Layer " + std::to_string(k + 2));
        ASSERT_EQ(d.layers[k + 1].art.size(), 1u) << "layer " << k + 1;
        const ArtData& copy = d.layers[k + 1].art[0];
        EXPECT_EQ(copy.type, ArtType::Path);
        EXPECT_FALSE(copy.selected);
        EXPECT_TRUE(copy.closed);
        EXPECT_TRUE(host::testing::sameBytes(copy.style, host::testing::grayStyle(0.5f))) << "copy " << k;
    }
    EXPECT_EQ(d.currentLayer, static_cast<int32_t>(copies));
}

TEST(FilterDefaults, RotateTurnsEachCopyTenDegreesFurtherAboutTheBottomMiddle)
{
    testing::PluginHarness h;
    h.bench.open(oneSelectedRect());
    const host::CommandOutcome outcome = h.run(h.rotate());
    ASSERT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.errorDialog(), nullptr);
    const DocumentData d = h.document().data();
    expectOneCopyPerNewLayer(d, 7);
    if (d.layers.size() != 8)
        return;
    const Point pivot{150, 100};
    for (int i = 0; i < 7; ++i) {
        std::vector<Point> expected;
        for (Point p : kRect)
            expected.push_back(rotated(p, pivot, (i + 1) * 10.0));
        expectPoints(corners(d.layers[i + 1].art[0]), expected, 1e-3, "copy " + std::to_string(i));
    }
}

TEST(FilterDefaults, ScaleShrinksEachCopyByAnother96PercentAboutItsCentre)
{
    testing::PluginHarness h;
    h.bench.open(oneSelectedRect());
    ASSERT_EQ(h.run(h.scale()).code, 0);
    const DocumentData d = h.document().data();
    expectOneCopyPerNewLayer(d, 7);
    if (d.layers.size() != 8)
        return;
    for (int i = 0; i < 7; ++i) {
        const double factor = std::pow(0.96, i + 1);
        std::vector<Point> expected;
        for (Point p : kRect)
            expected.push_back(scaled(p, {150, 125}, factor));
        expectPoints(corners(d.layers[i + 1].art[0]), expected, 1e-3, "copy " + std::to_string(i));
    }
}

TEST(FilterDefaults, TranslateMovesCopyKByTenTimesKPlusOneOnBothAxes)
{
    testing::PluginHarness h;
    h.bench.open(oneSelectedRect());
    ASSERT_EQ(h.run(h.translate()).code, 0);
    const DocumentData d = h.document().data();
    expectOneCopyPerNewLayer(d, 7);
    if (d.layers.size() != 8)
        return;
    for (int k = 0; k < 7; ++k) {
        const double shift = 10.0 * (k + 1);
        std::vector<Point> expected;
        for (Point p : kRect)
            expected.push_back({p.x + shift, p.y + shift});
        expectPoints(corners(d.layers[k + 1].art[0]), expected, 1e-4, "copy " + std::to_string(k));
    }
}

// The block Get Parameters allocates holds each filter's defaults, with its
// own header flags as a finished command leaves them.
TEST(FilterDefaults, FreshBlocksHoldTheDefaultSettings)
{
    testing::PluginHarness h;
    h.bench.open(oneSelectedRect());
    ASSERT_EQ(h.run(h.rotate()).code, 0);
    const FilterParams& r = *h.params(h.rotate());
    EXPECT_EQ(r.filterKind, 1);
    EXPECT_EQ(r.rotatePreviewApplied, 0);
    EXPECT_EQ(r.rotateGoRun, 1);
    EXPECT_EQ(r.rotateCopies, 7);
    EXPECT_EQ(r.rotateCopiesPerLayer, 1);
    EXPECT_EQ(r.rotateHorizontalMode, 1);
    EXPECT_EQ(r.rotateVerticalMode, 1);
    EXPECT_EQ(r.rotateLayerOption, 0);
    EXPECT_EQ(r.rotateColourFactor, 100.0f);
    EXPECT_EQ(r.rotateViewZoom, 100.0f);
    EXPECT_EQ(r.rotateAngleStep, 10.0f);
    EXPECT_EQ(r.rotateRadialStep, 50.0f);
    EXPECT_EQ(r.rotateBaseOnOriginal + r.rotateDeleteOriginal + r.rotatePlaceAbove + r.rotatePreview, 4);

    h.bench.open(oneSelectedRect());
    ASSERT_EQ(h.run(h.scale()).code, 0);
    const FilterParams& s = *h.params(h.scale());
    EXPECT_EQ(s.filterKind, 2);
    EXPECT_EQ(s.scalePreviewApplied, 0);
    EXPECT_EQ(s.scaleCopies, 7);
    EXPECT_EQ(s.scaleHorizontalTranslationMode, 2);
    EXPECT_EQ(s.scaleVerticalTranslationMode, 2);
    EXPECT_EQ(s.scaleHorizontalScale, 96.0f);
    EXPECT_EQ(s.scaleVerticalScale, 96.0f);
    EXPECT_EQ(s.scaleZoom, 100.0f);

    h.bench.open(oneSelectedRect());
    ASSERT_EQ(h.run(h.translate()).code, 0);
    const FilterParams& t = *h.params(h.translate());
    EXPECT_EQ(t.filterKind, 3);
    EXPECT_EQ(t.translatePreviewApplied, 0);
    EXPECT_EQ(t.translateCopies, 7);
    EXPECT_EQ(t.translateLayerOption, 1);
    EXPECT_EQ(t.translateHorizontal, 10.0f);
    EXPECT_EQ(t.translateVertical, 10.0f);
    EXPECT_EQ(t.translateDeleteOriginal + t.translateBaseOnOriginal + t.translatePreview + t.translatePlaceAbove, 4);
    // Three blocks: one per filter, none shared.
    EXPECT_NE(h.rotate().parameters, h.scale().parameters);
    EXPECT_NE(h.scale().parameters, h.translate().parameters);
}

// "Place above" off: new layers go below all others, copies to the bottom.
TEST(FilterDefaults, PlaceAboveOffPutsNewLayersBelowAllOthers)
{
    testing::PluginHarness h;
    h.bench.open(oneSelectedRect());
    host::ScriptedFrontEnd frontEnd = scripted({host::DialogAction::setText(item::placeAbove, "0")});
    ASSERT_EQ(h.run(h.translate(), frontEnd).code, 0);
    ASSERT_FALSE(frontEnd.failure()) << *frontEnd.failure();
    const DocumentData d = h.document().data();
    ASSERT_EQ(d.layers.size(), 8u);
    EXPECT_TRUE(d.layers[7].art.empty()) << "the original's layer is now the topmost";
    // Each new layer went below the one before: copy k is in layer 6 - k.
    for (int k = 0; k < 7; ++k) {
        ASSERT_EQ(d.layers[6 - k].art.size(), 1u);
        EXPECT_NEAR(boxOf(corners(d.layers[6 - k].art[0])).left, 100 + 10.0 * (k + 1), 1e-4);
    }
}

} // namespace
} // namespace tovrins::filters_test
