// Where a dialog opens: centred by the host the first time; after OK where
// it was when OK was pressed, always at 385 by 300; a cancelled dialog's
// position is not stored.
#include "tests/dialogs/dialog_session.hpp"

namespace tovrins::dialogs_test {
namespace {

class DialogBoundsTest : public ::testing::TestWithParam<Which> {
protected:
    DialogBoundsTest() { harness.bench.open(squaresDocument(1)); }

    host::RegisteredFilter& filter() { return harness.filter(titleOf(GetParam())); }
    FilterParams& block() { return *harness.params(filter()); }

    // Opens the dialog, records where it opened, moves it and ends it.
    TvIntRect openMoveAndEnd(TvIntRect movedTo, bool accept)
    {
        TvIntRect opened{};
        user.then([&](DialogUser& u) {
            opened = u.dialog().bounds;
            u.dialog().bounds = movedTo; // the user drags (and resizes) it
            accept ? u.pressDefault() : u.pressCancel();
        });
        harness.run(filter(), user);
        return opened;
    }

    tovrins::testing::PluginHarness harness;
    StepFrontEnd user;
};

bool sameRect(const TvIntRect& a, const TvIntRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_P(DialogBoundsTest, ReopensWhereItWasAcceptedAndNotWhereItWasCancelled)
{
    const TvIntRect first = openMoveAndEnd({40, 50, 425, 350}, false);
    EXPECT_EQ(first.right - first.left, 385);
    EXPECT_EQ(first.bottom - first.top, 300);
    EXPECT_EQ(block().*fieldsOf(GetParam()).boundsSaved, 0) << "Cancel stored the position";

    // Cancelled: the host places it as the first time.
    const TvIntRect second = openMoveAndEnd({60, 70, 445, 370}, true);
    EXPECT_TRUE(sameRect(second, first));
    EXPECT_EQ(block().*fieldsOf(GetParam()).boundsSaved, 1);
    const DialogBounds saved = block().*fieldsOf(GetParam()).bounds;
    EXPECT_TRUE(sameRect({saved.left, saved.top, saved.right, saved.bottom}, {60, 70, 445, 370}));

    // Accepted there: it reopens there. Resized before a later cancel: the
    // stored place still wins, and the size is always 385 by 300.
    const TvIntRect third = openMoveAndEnd({200, 210, 900, 800}, false);
    EXPECT_TRUE(sameRect(third, {60, 70, 445, 370}));
    const TvIntRect fourth = openMoveAndEnd({200, 210, 900, 800}, true);
    EXPECT_TRUE(sameRect(fourth, {60, 70, 445, 370}));
    const TvIntRect fifth = openMoveAndEnd({0, 0, 385, 300}, false);
    EXPECT_TRUE(sameRect(fifth, {200, 210, 585, 510})) << "a resized dialog reopens at its place but at 385 by 300";
}

// Each filter keeps its own position.
TEST(DialogBoundsPerFilter, AcceptingOneDialogPlacesNoOther)
{
    tovrins::testing::PluginHarness harness;
    harness.bench.open(squaresDocument(1));
    StepFrontEnd user;
    user.then([](DialogUser& u) {
        u.dialog().bounds = {11, 12, 396, 312};
        u.pressDefault();
    });
    harness.run(harness.rotate(), user);
    TvIntRect scaleOpened{};
    user.then([&](DialogUser& u) {
        scaleOpened = u.dialog().bounds;
        u.pressCancel();
    });
    harness.run(harness.scale(), user);
    EXPECT_NE(scaleOpened.left, 11);
    EXPECT_EQ(harness.params(harness.scale())->scaleBoundsSaved, 0);
    EXPECT_EQ(harness.params(harness.rotate())->rotateBoundsSaved, 1);
}

INSTANTIATE_TEST_SUITE_P(AllFilters, DialogBoundsTest, ::testing::Values(Which::Rotate, Which::Scale, Which::Translate),
                         nameOf);

} // namespace
} // namespace tovrins::dialogs_test
