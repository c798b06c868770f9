// Memory accounting, SP Basic, the user suite's conversions and fault
// injection.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/host/document_fixtures.hpp"
#include "host/suites/core_suites.hpp"
#include "host/suites/host_environment.hpp"

namespace tovrins::host {
namespace {

TEST(MemoryTest, HandlesAreZeroFilledAndCountedUntilDisposed)
{
    HostEnvironment env;
    const TvAIMdMemorySuiteV1& md = mdMemorySuite();
    TvMemoryHandle first = nullptr;
    TvMemoryHandle second = nullptr;
    ASSERT_EQ(md.newHandle(64, &first), 0);
    ASSERT_EQ(md.newHandle(0, &second), 0);
    EXPECT_EQ(env.memory.liveCount(), 2u);
    void* p = nullptr;
    ASSERT_EQ(md.getPointer(first, &p), 0);
    const auto* bytes = static_cast<const unsigned char*>(p);
    for (int i = 0; i < 64; ++i)
        ASSERT_EQ(bytes[i], 0);
    ASSERT_EQ(md.disposeHandle(first), 0);
    EXPECT_EQ(md.disposeHandle(first), TV_ERR_BAD_PARAMETER); // twice
    EXPECT_EQ(md.getPointer(first, &p), TV_ERR_BAD_PARAMETER);
    EXPECT_EQ(env.memory.liveCount(), 1u);
    ASSERT_EQ(md.disposeHandle(second), 0);
    EXPECT_EQ(env.memory.liveCount(), 0u);
}

TEST(MemoryTest, BlocksAreCountedAndUnknownBlocksRefused)
{
    HostEnvironment env;
    const TvSPBlocksSuiteV2& sp = spBlocksSuite();
    void* block = nullptr;
    ASSERT_EQ(sp.allocateBlock(32, "globals", &block), 0);
    EXPECT_EQ(env.blocks.liveCount(), 1u);
    EXPECT_EQ(env.blocks.nameOf(block), "globals");
    int local = 0;
    EXPECT_EQ(sp.freeBlock(&local), TV_ERR_BAD_PARAMETER);
    ASSERT_EQ(sp.freeBlock(block), 0);
    EXPECT_EQ(sp.freeBlock(block), TV_ERR_BAD_PARAMETER);
    EXPECT_EQ(env.blocks.liveCount(), 0u);
}

TEST(SpBasicTest, AcquiresByNameAndVersionWithReferenceCounts)
{
    HostEnvironment env;
    const TvSPBasicSuiteV4& basic = spBasicSuite();
    const void* table = nullptr;
    ASSERT_EQ(basic.acquireSuite(kTvAIArtSuite, kTvAIArtSuiteVersion, &table), 0);
    EXPECT_EQ(table, &artSuite());
    ASSERT_EQ(basic.acquireSuite(kTvAIArtSuite, kTvAIArtSuiteVersion, &table), 0);
    EXPECT_EQ(env.suites.referenceCount(kTvAIArtSuite, kTvAIArtSuiteVersion), 2);
    EXPECT_EQ(basic.acquireSuite(kTvAIArtSuite, 8, &table), TV_ERR_SUITE_NOT_FOUND);
    EXPECT_EQ(basic.acquireSuite("AI Nothing Suite", 1, &table), TV_ERR_SUITE_NOT_FOUND);
    ASSERT_EQ(basic.releaseSuite(kTvAIArtSuite, kTvAIArtSuiteVersion), 0);
    ASSERT_EQ(basic.releaseSuite(kTvAIArtSuite, kTvAIArtSuiteVersion), 0);
    EXPECT_EQ(basic.releaseSuite(kTvAIArtSuite, kTvAIArtSuiteVersion), TV_ERR_SUITE_NOT_FOUND);
    EXPECT_EQ(env.suites.totalReferences(), 0);
    EXPECT_TRUE(basic.isEqual("AI Filter", "AI Filter"));
    EXPECT_FALSE(basic.isEqual("AI Filter", "AI Filte"));
    EXPECT_FALSE(basic.isEqual(nullptr, "x"));
}

TEST(SpBasicTest, EveryCoreSuiteIsRegistered)
{
    HostEnvironment env;
    const std::pair<const char*, int32_t> expected[] = {
        {kTvSPBlocksSuite, 2}, {kTvSPAccessSuite, 3},       {kTvAIMdMemorySuite, 1}, {kTvAIRealMathSuite, 1},
        {kTvAIArtSuite, 9},    {kTvAIUserSuite, 5},         {kTvAIDocumentSuite, 7}, {kTvAIDocumentViewSuite, 7},
        {kTvAIUndoSuite, 4},   {kTvAIMatchingArtSuite, 4},  {kTvAIPathSuite, 4},     {kTvAIPathStyleSuite, 5},
        {kTvAIRandomSuite, 3}, {kTvAITransformArtSuite, 1}, {kTvAILayerSuite, 9}};
    for (const auto& [name, version] : expected) {
        const void* table = nullptr;
        EXPECT_EQ(env.suites.acquire(name, version, &table), 0) << name;
        EXPECT_NE(table, nullptr) << name;
    }
}

std::string text(const unsigned char* s) { return std::string(reinterpret_cast<const char*>(s + 1), s[0]); }

TEST(UserSuiteTest, RealsToAndFromLengthPrefixedText)
{
    const TvAIUserSuiteV5& user = userSuite();
    unsigned char buffer[256] = {};
    ASSERT_EQ(user.realToText(3.14159f, 2, buffer), 0);
    EXPECT_EQ(text(buffer), "3.14");
    ASSERT_EQ(user.realToText(-2.5f, 0, buffer), 0);
    EXPECT_EQ(text(buffer), "-2"); // the C library rounds half to even
    ASSERT_EQ(user.realToText(1e30f, 20, buffer), 0);
    EXPECT_EQ(buffer[0], text(buffer).size());

    auto parse = [&](const std::string& s, TvReal* v) {
        unsigned char in[256] = {static_cast<unsigned char>(s.size())};
        std::memcpy(in + 1, s.data(), s.size());
        return user.textToReal(in, v);
    };
    TvReal v = 0;
    ASSERT_EQ(parse(" 12.5 ", &v), 0);
    EXPECT_EQ(v, 12.5f);
    ASSERT_EQ(parse("+3", &v), 0);
    EXPECT_EQ(v, 3);
    for (const char* bad : {"", "abc", "1.5x", "1 2", "inf", "nan"})
        EXPECT_EQ(parse(bad, &v), TV_ERR_BAD_PARAMETER) << '"' << bad << '"';
}

TEST(FaultInjectionTest, FailsTheNthCallOnce)
{
    HostEnvironment env;
    env.open(testing::sampleDocument());
    TvDocumentSetup setup{};
    env.faults.failNthCall(3, TV_ERR_MEMORY_FULL);
    EXPECT_EQ(documentSuite().getDocumentSetup(&setup), 0);
    EXPECT_EQ(documentSuite().redrawDocument(), 0);
    EXPECT_EQ(documentSuite().getDocumentSetup(&setup), TV_ERR_MEMORY_FULL);
    EXPECT_EQ(documentSuite().getDocumentSetup(&setup), 0);
    EXPECT_EQ(env.faults.callCount(), 4u);
    EXPECT_EQ(env.document()->redrawCount(), 1u);
}

TEST(FaultInjectionTest, FailsEveryCallOfOneOperationWithoutSideEffects)
{
    HostEnvironment env;
    Document& doc = env.open(testing::sampleDocument());
    const TvErr code = tv::fourCharCode('T', 'E', 'S', 'T');
    env.faults.failOperation(kTvAIArtSuite, "duplicateArt", code);
    const ArtId first = doc.findLayer(doc.layerOrder()[0])->art.front();
    TvArtHandle copy = nullptr;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(artSuite().duplicateArt(toHandle(first), TV_PLACE_ABOVE_ALL, nullptr, &copy), code);
    EXPECT_EQ(copy, nullptr);
    int16_t type = 0;
    EXPECT_EQ(artSuite().getArtType(toHandle(first), &type), 0); // other operations still work
    TvMemoryHandle h = nullptr;
    env.faults.failOperation(kTvAIMdMemorySuite, "newHandle", TV_ERR_MEMORY_FULL);
    EXPECT_EQ(mdMemorySuite().newHandle(8, &h), TV_ERR_MEMORY_FULL);
    EXPECT_EQ(env.memory.liveCount(), 0u);
    env.faults.clear();
    EXPECT_EQ(artSuite().duplicateArt(toHandle(first), TV_PLACE_ABOVE_ALL, nullptr, &copy), 0);
    EXPECT_EQ(doc.objectCount(), 11u);
}

TEST(FaultInjectionTest, EnvironmentRestoresTheContext)
{
    {
        HostEnvironment env;
        EXPECT_EQ(hostContext().faults, &env.faults);
    }
    EXPECT_EQ(hostContext().faults, nullptr);
    EXPECT_EQ(checkFault("any", "thing"), 0);
}

} // namespace
} // namespace tovrins::host
