// The step spin edits that follow a mode popup: enabled while their mode is
// not 0, after every change, preset, Tumble and reopening; the user cannot
// type into a disabled one.
#include "tests/dialogs/dialog_session.hpp"

namespace tovrins::dialogs_test {
namespace {

class EnabledState : public ::testing::Test {
protected:
    EnabledState() { harness.bench.open(squaresDocument(1)); }

    tovrins::testing::PluginHarness harness;
    StepFrontEnd user;
};

TEST_F(EnabledState, RotateStepsFollowTheirOffsetModes)
{
    user.then([](DialogUser& u) {
        const AdmDialog& d = u.dialog();
        EXPECT_FALSE(item(d, 6).enabled);
        EXPECT_THROW(u.enterNumber(6, 5), host::DialogActionError);
        u.choose(32, " Increasing");
        EXPECT_TRUE(item(d, 6).enabled);
        u.enterNumber(6, 5);
        EXPECT_FLOAT_EQ(blockOf(u).rotateRadialStep, 5.0f);
        u.choose(33, 0);
        EXPECT_FALSE(item(d, 7).enabled);
        EXPECT_TRUE(item(d, 8).enabled);
        u.choose(34, 0);
        EXPECT_FALSE(item(d, 8).enabled);
        u.choose(33, " Jitter");
        EXPECT_TRUE(item(d, 7).enabled);
        // Other modes leave the steps alone.
        u.choose(31, 0);
        u.choose(30, 5);
        EXPECT_TRUE(item(d, 5).enabled);
        EXPECT_TRUE(item(d, 6).enabled);
        // A preset's modes decide: the reset puts radial mode 0 back.
        u.choose(36, " Bunched ");
        EXPECT_FALSE(item(d, 6).enabled);
        EXPECT_TRUE(item(d, 7).enabled);
        EXPECT_TRUE(item(d, 8).enabled);
        u.choose(34, 0);
        u.pressDefault();
    });
    // Reopening with vertical mode 0 stored opens item 8 disabled.
    user.then([](DialogUser& u) {
        EXPECT_FALSE(item(u.dialog(), 8).enabled);
        EXPECT_TRUE(item(u.dialog(), 7).enabled);
        EXPECT_FALSE(item(u.dialog(), 6).enabled);
        u.pressCancel();
    });
    harness.run(harness.rotate(), user);
    harness.run(harness.rotate(), user);
    EXPECT_EQ(user.stepsLeft(), 0u);
}

TEST_F(EnabledState, ScaleOffsetStepsFollowTheirTranslationModes)
{
    user.then([](DialogUser& u) {
        const AdmDialog& d = u.dialog();
        u.choose(33, " Ignore horizontal translation");
        EXPECT_FALSE(item(d, 7).enabled);
        EXPECT_TRUE(item(d, 8).enabled);
        u.choose(34, 0);
        EXPECT_FALSE(item(d, 8).enabled);
        // The scale steps have no mode switch of their own.
        u.choose(37, 0);
        u.choose(38, 0);
        EXPECT_TRUE(item(d, 11).enabled);
        EXPECT_TRUE(item(d, 12).enabled);
        // The preset reset brings the uniform translation modes back.
        u.choose(36, " Default/Reset");
        EXPECT_TRUE(item(d, 7).enabled);
        EXPECT_TRUE(item(d, 8).enabled);
        u.choose(33, 0);
        u.pressDefault();
    });
    user.then([](DialogUser& u) {
        EXPECT_FALSE(item(u.dialog(), 7).enabled);
        EXPECT_TRUE(item(u.dialog(), 8).enabled);
        u.pressCancel();
    });
    harness.run(harness.scale(), user);
    harness.run(harness.scale(), user);
    EXPECT_EQ(user.stepsLeft(), 0u);
}

TEST_F(EnabledState, TranslateStepsStayEnabledWhateverTheModes)
{
    user.then([](DialogUser& u) {
        for (const int32_t popup : {33, 34, 35, 39})
            for (const int32_t entry : {0, 1, 2}) {
                u.choose(popup, entry);
                for (const int32_t step : {4, 7, 8, 9, 13})
                    EXPECT_TRUE(item(u.dialog(), step).enabled) << "item " << step;
            }
        u.pressCancel();
    });
    harness.run(harness.translate(), user);
}

} // namespace
} // namespace tovrins::dialogs_test
