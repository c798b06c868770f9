// Tumble and Shuffle with the host's random numbers: a fixed seed gives the
// same settings and copies every time; Tumble keeps what it must not draw;
// Shuffle draws new copies but changes no value.
#include <cstring>

#include "tests/dialogs/dialog_session.hpp"

namespace tovrins::dialogs_test {
namespace {

// A random mode per filter, so that every preview draws.
void chooseRandomMode(DialogUser& u, Which which)
{
    switch (which) {
    case Which::Rotate: u.choose(31, " Random translation"); break;
    case Which::Scale: u.choose(38, " Random"); break;
    case Which::Translate: u.choose(34, " Random"); break;
    }
}

struct Result {
    FilterParams block{};
    host::DocumentData document;
};

// One command in a fresh workbench with the given seed: the user presses
// Tumble twice and accepts.
Result tumbleTwice(Which which, uint64_t seed)
{
    tovrins::testing::PluginHarness harness(seed);
    harness.bench.open(squaresDocument(2));
    StepFrontEnd user;
    user.then([](DialogUser& u) {
        u.click(51);
        u.click(51);
        u.pressDefault();
    });
    harness.run(harness.filter(titleOf(which)), user);
    return {*harness.params(harness.filter(titleOf(which))), harness.document().data()};
}

class RandomSettings : public ::testing::TestWithParam<Which> { };

TEST_P(RandomSettings, TumbleWithAFixedSeedIsReproducible)
{
    const Result first = tumbleTwice(GetParam(), 42);
    const Result again = tumbleTwice(GetParam(), 42);
    EXPECT_EQ(std::memcmp(&first.block, &again.block, sizeof(FilterParams)), 0);
    EXPECT_TRUE(sameBounds(allBounds(first.document), allBounds(again.document)));
    EXPECT_EQ(topLevelArtCount(first.document), topLevelArtCount(again.document));

    // Another seed draws other settings.
    const Result other = tumbleTwice(GetParam(), 43);
    EXPECT_NE(std::memcmp(&first.block, &other.block, sizeof(FilterParams)), 0);
}

// What Tumble writes reaches the items, and the block then holds what the
// items hold: copy counts up to 200 arrive clamped to 100. The flags, the
// layer option, the preset and the zoom are never drawn.
TEST_P(RandomSettings, TumbleShowsItsDrawsAndKeepsWhatItMustNotDraw)
{
    const FilterFields f = fieldsOf(GetParam());
    for (uint64_t seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        tovrins::testing::PluginHarness harness(seed);
        const host::DocumentData before = harness.bench.open(squaresDocument(1)).data();
        StepFrontEnd user;
        user.then([&](DialogUser& u) {
            u.setChecked(20, false);
            u.choose(35, 2);
            u.enterNumber(10, 150);
            const FilterParams kept = blockOf(u);
            u.click(51);
            const FilterParams& p = blockOf(u);
            const AdmDialog& d = u.dialog();
            EXPECT_EQ(item(d, 4).value, p.*f.copies);
            EXPECT_GE(p.*f.copies, 1);
            EXPECT_LE(p.*f.copies, 100);
            // Some drawn settings grow the copies past what a transform can
            // hold; the preview then stops early without a report.
            const size_t made = topLevelArtCount(harness.document().data()) - topLevelArtCount(before);
            EXPECT_GT(made, 0u);
            EXPECT_LE(made, static_cast<size_t>(p.*f.copies));
            // Go keeps a preview only when it was made whole.
            EXPECT_EQ(p.*f.previewApplied, made == static_cast<size_t>(p.*f.copies) ? 1 : 0);
            EXPECT_EQ(item(d, 20).value, 0);
            EXPECT_EQ(item(d, 35).activeIndex(), 2);
            EXPECT_EQ(item(d, 10).value, 150);
            EXPECT_EQ(p.*f.zoom, kept.*f.zoom);
            EXPECT_EQ(p.*f.preview, 1);
            switch (GetParam()) {
            case Which::Rotate:
                EXPECT_EQ(p.rotateLayerOption, 2);
                EXPECT_EQ(p.rotatePreset, kept.rotatePreset);
                EXPECT_EQ(p.rotateBaseOnOriginal, 0);
                EXPECT_EQ(item(d, 31).activeIndex(), p.rotateAngleMode);
                EXPECT_FLOAT_EQ(static_cast<float>(item(d, 5).value), p.rotateAngleStep);
                EXPECT_EQ(item(d, 6).enabled, p.rotateRadialMode != 0);
                // Both offset steps are drawn together or neither is.
                EXPECT_EQ(p.rotateHorizontalStep == 0.0f, p.rotateVerticalStep == 0.0f);
                break;
            case Which::Scale:
                EXPECT_EQ(p.scaleLayerOption, 2);
                EXPECT_EQ(p.scaleBaseOnOriginal, 0);
                EXPECT_EQ(item(d, 37).activeIndex(), p.scaleHorizontalScaleMode);
                EXPECT_FLOAT_EQ(static_cast<float>(item(d, 11).value), p.scaleHorizontalScale);
                EXPECT_GE(p.scaleHorizontalScale, 80.0f);
                EXPECT_LE(p.scaleHorizontalScale, 120.0f);
                EXPECT_EQ(item(d, 7).enabled, p.scaleHorizontalTranslationMode != 0);
                break;
            case Which::Translate:
                EXPECT_EQ(p.translateLayerOption, 2);
                EXPECT_EQ(p.translateBaseOnOriginal, 0);
                EXPECT_EQ(item(d, 33).activeIndex(), p.translatePlacement);
                EXPECT_LT(p.translatePlacement, 29);
                EXPECT_LT(p.translateVariation, 18);
                EXPECT_FLOAT_EQ(static_cast<float>(item(d, 7).value), p.translateHorizontal);
                break;
            }
            u.pressCancel();
        });
        harness.run(harness.filter(titleOf(GetParam())), user);
    }
}

// Shuffle reruns the preview: with a random mode the copies change, the
// block does not, and there is still one set of copies.
TEST_P(RandomSettings, ShuffleChangesTheCopiesButNoValue)
{
    auto shuffle = [&](uint64_t seed, std::vector<std::vector<TvRealRect>>& seen) {
        tovrins::testing::PluginHarness harness(seed);
        const host::DocumentData before = harness.bench.open(squaresDocument(2)).data();
        StepFrontEnd user;
        user.then([&](DialogUser& u) {
            chooseRandomMode(u, GetParam());
            for (int round = 0; round < 3; ++round) {
                const FilterParams values = blockOf(u);
                const std::vector<TvRealRect> copies = allBounds(harness.document().data());
                u.click(50);
                EXPECT_EQ(std::memcmp(&values, &blockOf(u), sizeof values), 0) << "Shuffle changed a value";
                const std::vector<TvRealRect> shuffled = allBounds(harness.document().data());
                EXPECT_FALSE(sameBounds(copies, shuffled)) << "round " << round;
                EXPECT_EQ(topLevelArtCount(harness.document().data()), topLevelArtCount(before) + 14);
                seen.push_back(shuffled);
            }
            u.pressCancel();
        });
        harness.run(harness.filter(titleOf(GetParam())), user);
    };
    std::vector<std::vector<TvRealRect>> first, again;
    shuffle(7, first);
    shuffle(7, again);
    ASSERT_EQ(first.size(), again.size());
    for (size_t i = 0; i < first.size(); ++i)
        EXPECT_TRUE(sameBounds(first[i], again[i])) << "shuffle " << i << " differs with the same seed";
}

INSTANTIATE_TEST_SUITE_P(AllFilters, RandomSettings, ::testing::Values(Which::Rotate, Which::Scale, Which::Translate),
                         nameOf);

} // namespace
} // namespace tovrins::dialogs_test
