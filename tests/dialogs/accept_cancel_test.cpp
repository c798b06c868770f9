// How a dialog ends: Cancel after any number of previews and changes puts
// the document and the block back exactly; OK keeps the previewed copies for
// Go, or has Go make them when Preview was switched off.
#include <cstring>

#include "tests/dialogs/dialog_session.hpp"

namespace tovrins::dialogs_test {
namespace {

constexpr int kSelected = 2;

// A random mode per filter, so that copies made twice would differ.
void chooseRandomMode(DialogUser& u, Which which)
{
    switch (which) {
    case Which::Rotate: u.choose(32, " Random"); break;    // radial offsets
    case Which::Scale: u.choose(37, " Random"); break;     // horizontal scale factors
    case Which::Translate: u.choose(34, " Random"); break; // offsets
    }
}

class AcceptCancel : public ::testing::TestWithParam<Which> {
protected:
    AcceptCancel() { before = harness.bench.open(squaresDocument(kSelected)).data(); }

    host::RegisteredFilter& filter() { return harness.filter(titleOf(GetParam())); }
    FilterFields fields() const { return fieldsOf(GetParam()); }
    host::DocumentData now() { return harness.document().data(); }

    tovrins::testing::PluginHarness harness;
    host::DocumentData before;
    StepFrontEnd user;
};

TEST_P(AcceptCancel, CancelAfterSeveralPreviewsRestoresDocumentAndBlockExactly)
{
    // A first accepted command leaves a block that is not the defaults.
    user.then([&](DialogUser& u) {
        u.enterNumber(4, 4);
        u.setChecked(21, false);
        u.pressDefault();
    });
    ASSERT_EQ(harness.run(filter(), user).code, 0);
    const FilterParams snapshot = *harness.params(filter());
    const host::DocumentData accepted = now();

    user.then([&](DialogUser& u) {
        u.enterNumber(4, 9);
        u.setChecked(3, false);
        u.setChecked(3, true);
        chooseRandomMode(u, GetParam());
        u.click(50);
        u.click(51);
        u.choose(36, 2);
        u.pick(60, {700, 300});
        u.enterNumber(10, 300);
        u.dialog().bounds = {5, 6, 390, 306}; // moved, then cancelled
        u.pressCancel();
    });
    const host::CommandOutcome outcome = harness.run(filter(), user);
    EXPECT_EQ(outcome.code, TV_ERR_CANCELLED);
    EXPECT_TRUE(outcome.errorDialog() == nullptr);
    host::testing::expectSameDocument(now(), accepted);

    FilterParams expected = snapshot;
    expected.*fields().previewApplied = 0;
    const FilterParams& restored = *harness.params(filter());
    EXPECT_EQ(std::memcmp(&restored, &expected, sizeof expected), 0) << "the block differs from its snapshot";
    EXPECT_EQ(restored.*fields().previewApplied, 0);
}

TEST_P(AcceptCancel, CancelOnAFreshBlockLeavesTheDefaultsAndNoCopies)
{
    user.then([&](DialogUser& u) {
        u.enterNumber(4, 20);
        u.choose(35, 2);
        u.pressCancel();
    });
    harness.run(filter(), user);
    host::testing::expectSameDocument(now(), before);
    const FilterParams& p = *harness.params(filter());
    EXPECT_EQ(p.*fields().copies, 7);
    EXPECT_EQ(p.*fields().preview, 1);
    EXPECT_EQ(p.*fields().previewApplied, 0);
    EXPECT_EQ(p.*fields().boundsSaved, 0);
}

// OK with Preview on: Go keeps exactly the previewed copies (a random mode
// shows that none are remade) and only then deletes the selected squares.
TEST_P(AcceptCancel, OkWithPreviewKeepsThePreviewedCopies)
{
    std::vector<TvRealRect> previewed;
    user.then([&](DialogUser& u) {
        chooseRandomMode(u, GetParam());
        u.enterNumber(4, 5);
        previewed = allBounds(now());
        // The originals are still there while the dialog is open.
        EXPECT_NE(findArt(now(), "s0"), nullptr);
        EXPECT_NE(findArt(now(), "s1"), nullptr);
        u.pressDefault();
    });
    const host::CommandOutcome outcome = harness.run(filter(), user);
    ASSERT_EQ(outcome.code, 0);
    EXPECT_TRUE(outcome.accepted);
    const host::DocumentData after = now();
    EXPECT_EQ(findArt(after, "s0"), nullptr);
    EXPECT_EQ(findArt(after, "s1"), nullptr);
    EXPECT_NE(findArt(after, "bystander"), nullptr);
    EXPECT_EQ(topLevelArtCount(after), topLevelArtCount(before) + 5 * kSelected - kSelected);

    // The previewed bounds without the two deleted squares are the result.
    std::vector<TvRealRect> kept;
    const std::vector<TvRealRect> originals{host::artBounds(*findArt(before, "s0")),
                                            host::artBounds(*findArt(before, "s1"))};
    size_t dropped = 0;
    for (const TvRealRect& r : previewed) {
        if (dropped < originals.size() &&
            (host::testing::sameBytes(r, originals[0]) || host::testing::sameBytes(r, originals[1]))) {
            ++dropped;
            continue;
        }
        kept.push_back(r);
    }
    EXPECT_EQ(dropped, 2u);
    EXPECT_TRUE(sameBounds(allBounds(after), kept)) << "Go remade the copies instead of keeping the preview";
    EXPECT_EQ(harness.params(filter())->*fields().goRun, 1);
}

// OK after Preview was switched off: Go removes the stale preview and makes
// the copies once, with the values entered after the switch.
TEST_P(AcceptCancel, OkWithPreviewOffMakesTheCopiesOnceWithTheLastValues)
{
    user.then([&](DialogUser& u) {
        u.setChecked(3, false);
        u.enterNumber(4, 3);
        u.setChecked(21, false);
        EXPECT_EQ(topLevelArtCount(now()), topLevelArtCount(before) + 7 * kSelected)
            << "the stale preview should still show";
        u.pressDefault();
    });
    ASSERT_EQ(harness.run(filter(), user).code, 0);
    EXPECT_EQ(topLevelArtCount(now()), topLevelArtCount(before) + 3 * kSelected);
    EXPECT_NE(findArt(now(), "s0"), nullptr);
    EXPECT_EQ(harness.params(filter())->*fields().previewApplied, 0);

    // The host's repeat makes the same copies again without a dialog.
    const size_t dialogs = harness.bench.adm().shown().size();
    ASSERT_EQ(harness.repeat().code, 0);
    EXPECT_EQ(harness.bench.adm().shown().size(), dialogs);
    EXPECT_EQ(topLevelArtCount(now()), topLevelArtCount(before) + 6 * kSelected);
}

// A preview the host stops half-way is not kept: Go removes what it made
// and makes every copy with the accepted values.
TEST_P(AcceptCancel, OkAfterAFailedPreviewMakesTheCopiesAfresh)
{
    host::FaultInjector& faults = harness.bench.environment().faults;
    user.then([&](DialogUser& u) {
        // The first copy is made, and its transform refused.
        faults.failOperation(kTvAITransformArtSuite, "transformArt", TV_ERR_MEMORY_FULL);
        u.enterNumber(4, 6);
        faults.clear();
        EXPECT_GT(topLevelArtCount(now()), topLevelArtCount(before)) << "the preview made no copy before the failure";
        EXPECT_LT(topLevelArtCount(now()), topLevelArtCount(before) + 6 * kSelected)
            << "the failure did not stop the preview";
        EXPECT_EQ(blockOf(u).*fields().previewApplied, 0);
        u.setChecked(21, false);
        u.pressDefault();
    });
    ASSERT_EQ(harness.run(filter(), user).code, 0);
    EXPECT_EQ(topLevelArtCount(now()), topLevelArtCount(before) + 6 * kSelected);
}

// Accepting records the values the dialog showed: what Go used.
TEST_P(AcceptCancel, TheClosedDialogShowedTheAcceptedValues)
{
    user.then([&](DialogUser& u) {
        u.enterNumber(4, 11);
        u.enterNumber(9, 3);
        u.pressDefault();
    });
    const host::CommandOutcome outcome = harness.run(filter(), user);
    ASSERT_EQ(outcome.dialogs.size(), 1u);
    EXPECT_EQ(outcome.dialogs[0].result, 1);
    EXPECT_EQ(outcome.dialogs[0].texts.at(4), "11");
    EXPECT_EQ(outcome.dialogs[0].texts.at(9), "3");
    EXPECT_EQ(harness.params(filter())->*fields().copies, 11);
}

INSTANTIATE_TEST_SUITE_P(AllFilters, AcceptCancel, ::testing::Values(Which::Rotate, Which::Scale, Which::Translate),
                         nameOf);

} // namespace
} // namespace tovrins::dialogs_test
