// The transform suite's answer to a transformation that would carry art
// beyond the range of coordinates: !rng, the document unchanged, and the
// reason noted for the command's report.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>

#include "document_fixtures.hpp"
#include "suites/core_suites.hpp"
#include "suites/host_environment.hpp"

namespace tovrins::host {
namespace {

class CoordinateRangeTest : public ::testing::Test {
protected:
    CoordinateRangeTest()
    {
        env.open(testing::sampleDocument());
        hostContext().refusal = &refusal;
    }
    ~CoordinateRangeTest() override { hostContext().refusal = nullptr; }

    TvArtHandle handleOf(const std::string& name)
    {
        ArtId found = 0;
        env.document()->forEachInOrder([&](const Node& n) {
            if (n.name == name && found == 0)
                found = n.id;
        });
        return toHandle(found);
    }

    TvErr transform(const char* name, const TvRealMatrix& m, int32_t flags = TV_TRANSFORM_OBJECTS)
    {
        return transformArtSuite().transformArt(handleOf(name), &m, 1, flags);
    }

    HostEnvironment env;
    HostRefusal refusal;
};

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

TEST_F(CoordinateRangeTest, OverflowingMatricesAreRefusedWithTheReasonAndChangeNothing)
{
    const DocumentData before = env.document()->data();
    // "b" spans 100 to 120: a finite scale that carries it past 3.4e38, an
    // infinite scale, and the infinity with NaN that an overflowing product
    // of scale and pivot gives.
    EXPECT_EQ(transform("b", {1e37f, 0, 0, 1e37f, 0, 0}), TV_ERR_OUT_OF_RANGE);
    EXPECT_EQ(refusal.code, TV_ERR_OUT_OF_RANGE);
    EXPECT_EQ(refusal.reason, "transforming art 'b' would carry it beyond about 3.4e38 points either way");
    // An infinite scale, and the NaN of infinity times zero that
    // concatenating a translation to it leaves.
    for (const TvRealMatrix m : {TvRealMatrix{kInf, 0, 0, 1, 0, 0}, TvRealMatrix{kNaN, kNaN, kNaN, kNaN, kNaN, kNaN}}) {
        refusal = {};
        EXPECT_EQ(transform("b", m), TV_ERR_OUT_OF_RANGE);
        EXPECT_EQ(refusal.reason, "the matrix to transform art 'b' by has overflowed, beyond about 3.4e38");
    }
    // A group is judged by everything in it.
    EXPECT_EQ(transform("g", {1e37f, 0, 0, 1, 0, 0}), TV_ERR_OUT_OF_RANGE);
    testing::expectSameDocument(env.document()->data(), before);
}

TEST_F(CoordinateRangeTest, LargeButFiniteResultsAndOtherFaultsKeepTheirAnswers)
{
    EXPECT_EQ(transform("b", {1e36f, 0, 0, 1e36f, 0, 0}), 0); // 1.1e38 by 1.2e38 still fits
    TvRealRect bounds{};
    ASSERT_EQ(artSuite().getArtBounds(handleOf("b"), &bounds), 0);
    EXPECT_FLOAT_EQ(bounds.top, 1.2e38f);
    // Without the objects flag the matrix moves no point, and the
    // document's own check answers; so it does for an unknown art.
    EXPECT_EQ(transform("a", {kInf, 0, 0, 1, 0, 0}, TV_TRANSFORM_SCALE_LINES), TV_ERR_BAD_PARAMETER);
    const TvRealMatrix identity{1, 0, 0, 1, 0, 0};
    EXPECT_EQ(transformArtSuite().transformArt(toHandle(9999), &identity, 1, TV_TRANSFORM_OBJECTS), TV_ERR_BAD_PARAMETER);
    EXPECT_EQ(refusal.code, 0) << refusal.reason;
}

} // namespace
} // namespace tovrins::host
