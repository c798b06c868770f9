// The live preview of an open dialog: the first preview at opening, one set
// of copies however often Preview is switched, Shuffle with fixed modes,
// and the zoom field, which changes the view but never previews.
#include "tests/dialogs/dialog_session.hpp"

namespace tovrins::dialogs_test {
namespace {

constexpr int kSelected = 2;
constexpr size_t kDefaultCopies = 7;

class Preview : public ::testing::TestWithParam<Which> {
protected:
    Preview() { before = harness.bench.open(squaresDocument(kSelected)).data(); }

    host::RegisteredFilter& filter() { return harness.filter(titleOf(GetParam())); }
    FilterParams& block() { return *harness.params(filter()); } // after the first command
    FilterFields fields() const { return fieldsOf(GetParam()); }
    host::DocumentData now() { return harness.document().data(); }
    size_t copiesNow() { return topLevelArtCount(now()) - topLevelArtCount(before); }

    tovrins::testing::PluginHarness harness;
    host::DocumentData before;
    StepFrontEnd user;
};

TEST_P(Preview, OpeningShowsTheFirstPreviewBeforeAnyChange)
{
    user.then([&](DialogUser& u) {
        EXPECT_EQ(copiesNow(), kDefaultCopies * kSelected);
        EXPECT_EQ(blockOf(u).*fields().previewApplied, 1);
        EXPECT_EQ(blockOf(u).*fields().goRun, 0);
        // The selection stays as it was and nothing else is touched.
        const host::DocumentData data = now();
        ASSERT_NE(findArt(data, "bystander"), nullptr);
        host::testing::expectSameArt(*findArt(data, "bystander"), *findArt(before, "bystander"), "bystander");
        for (int i = 0; i < kSelected; ++i)
            ASSERT_NE(findArt(data, "s" + std::to_string(i)), nullptr);
        u.pressCancel();
    });
    harness.run(filter(), user);
}

// Preview off keeps the last copies; on again replaces them with the same
// copies, never adding a second set.
TEST_P(Preview, SwitchingPreviewOffAndOnKeepsOneSetOfCopies)
{
    user.then([&](DialogUser& u) {
        const host::DocumentData opened = now();
        u.setChecked(3, false);
        EXPECT_EQ(blockOf(u).*fields().preview, 0);
        EXPECT_EQ(blockOf(u).*fields().previewApplied, 0);
        EXPECT_TRUE(sameBounds(allBounds(now()), allBounds(opened))) << "Preview off removed or moved copies";
        u.setChecked(3, true);
        EXPECT_EQ(blockOf(u).*fields().previewApplied, 1);
        EXPECT_EQ(copiesNow(), kDefaultCopies * kSelected);
        EXPECT_EQ(now().layers.size(), opened.layers.size());
        EXPECT_TRUE(sameBounds(allBounds(now()), allBounds(opened)));
        u.pressCancel();
    });
    harness.run(filter(), user);
}

// A change with Preview off stores the value without a preview; the next
// change with Preview on replaces the old copies with the new count.
TEST_P(Preview, ValueChangesReplaceThePreviewOnlyWhilePreviewIsOn)
{
    user.then([&](DialogUser& u) {
        u.setChecked(3, false);
        const uint64_t redraws = harness.document().redrawCount();
        u.enterNumber(4, 3);
        EXPECT_EQ(blockOf(u).*fields().copies, 3);
        EXPECT_EQ(harness.document().redrawCount(), redraws);
        EXPECT_EQ(copiesNow(), kDefaultCopies * kSelected);
        u.setChecked(3, true);
        EXPECT_EQ(copiesNow(), 3u * kSelected);
        u.enterNumber(4, 12);
        EXPECT_EQ(copiesNow(), 12u * kSelected);
        u.pressCancel();
    });
    harness.run(filter(), user);
}

// With only non-random modes, Shuffle makes the same copies again.
TEST_P(Preview, ShuffleWithFixedModesRemakesTheSameCopies)
{
    user.then([&](DialogUser& u) {
        const host::DocumentData opened = now();
        const uint64_t redraws = harness.document().redrawCount();
        u.click(50);
        EXPECT_GT(harness.document().redrawCount(), redraws) << "Shuffle ran no preview";
        EXPECT_TRUE(sameBounds(allBounds(now()), allBounds(opened)));
        EXPECT_EQ(copiesNow(), kDefaultCopies * kSelected);
        u.pressCancel();
    });
    harness.run(filter(), user);
}

TEST_P(Preview, ZoomChangesTheViewAtOnceWithoutAPreview)
{
    user.then([&](DialogUser& u) {
        const host::DocumentData opened = now();
        const uint64_t redraws = harness.document().redrawCount();
        const size_t pending = harness.document().pendingChanges();
        u.enterNumber(10, 250);
        EXPECT_FLOAT_EQ(harness.document().view().zoom, 2.5f);
        EXPECT_FLOAT_EQ(blockOf(u).*fields().zoom, 250.0f);
        EXPECT_EQ(harness.document().redrawCount(), redraws);
        EXPECT_EQ(harness.document().pendingChanges(), pending);
        EXPECT_TRUE(sameBounds(allBounds(now()), allBounds(opened)));
        // The field's limits hold: 1 to 500 percent.
        u.enterNumber(10, 900);
        EXPECT_FLOAT_EQ(harness.document().view().zoom, 5.0f);
        u.enterNumber(10, 0);
        EXPECT_FLOAT_EQ(harness.document().view().zoom, 0.01f);
        u.pressDefault();
    });
    harness.run(filter(), user);
    EXPECT_FLOAT_EQ(block().*fields().zoom, 1.0f);

    // Opening with a stored zoom shows it in the field but leaves the view.
    harness.document().view().zoom = 1;
    user.then([&](DialogUser& u) {
        EXPECT_FLOAT_EQ(static_cast<float>(item(u.dialog(), 10).value), 1.0f);
        EXPECT_FLOAT_EQ(harness.document().view().zoom, 1.0f);
        u.pressCancel();
    });
    harness.run(filter(), user);
}

// The selection is gathered when the dialog opens; a preview with nothing
// selected makes no copies but the dialog still works.
TEST_P(Preview, NothingSelectedOpensAndPreviewsNoCopies)
{
    host::DocumentData empty = squaresDocument(0);
    before = harness.bench.open(empty).data();
    user.then([&](DialogUser& u) {
        EXPECT_EQ(copiesNow(), 0u);
        u.enterNumber(4, 5);
        EXPECT_EQ(blockOf(u).*fields().copies, 5);
        EXPECT_EQ(copiesNow(), 0u);
        u.pressCancel();
    });
    harness.run(filter(), user);
    host::testing::expectSameDocument(now(), before);
}

INSTANTIATE_TEST_SUITE_P(AllFilters, Preview, ::testing::Values(Which::Rotate, Which::Scale, Which::Translate), nameOf);

} // namespace
} // namespace tovrins::dialogs_test
