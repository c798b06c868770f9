#include "host/suites/core_suites.hpp"
#include "host/suites/suite_registry.hpp"

namespace tovrins::host {

const TvSPAccessSuiteV3& spAccessSuite()
{
    static constexpr TvSPAccessSuiteV3 table{nullptr};
    return table;
}

const TvAIPathSuiteV4& pathSuite()
{
    static constexpr TvAIPathSuiteV4 table{nullptr};
    return table;
}

void registerCoreSuites(SuiteRegistry& registry)
{
    registry.add(kTvSPBlocksSuite, kTvSPBlocksSuiteVersion, &spBlocksSuite());
    registry.add(kTvSPAccessSuite, kTvSPAccessSuiteVersion, &spAccessSuite());
    registry.add(kTvAIMdMemorySuite, kTvAIMdMemorySuiteVersion, &mdMemorySuite());
    registry.add(kTvAIRealMathSuite, kTvAIRealMathSuiteVersion, &realMathSuite());
    registry.add(kTvAIArtSuite, kTvAIArtSuiteVersion, &artSuite());
    registry.add(kTvAIUserSuite, kTvAIUserSuiteVersion, &userSuite());
    registry.add(kTvAIDocumentSuite, kTvAIDocumentSuiteVersion, &documentSuite());
    registry.add(kTvAIDocumentViewSuite, kTvAIDocumentViewSuiteVersion, &documentViewSuite());
    registry.add(kTvAIUndoSuite, kTvAIUndoSuiteVersion, &undoSuite());
    registry.add(kTvAIMatchingArtSuite, kTvAIMatchingArtSuiteVersion, &matchingArtSuite());
    registry.add(kTvAIPathSuite, kTvAIPathSuiteVersion, &pathSuite());
    registry.add(kTvAIPathStyleSuite, kTvAIPathStyleSuiteVersion, &pathStyleSuite());
    registry.add(kTvAIRandomSuite, kTvAIRandomSuiteVersion, &randomSuite());
    registry.add(kTvAITransformArtSuite, kTvAITransformArtSuiteVersion, &transformArtSuite());
    registry.add(kTvAILayerSuite, kTvAILayerSuiteVersion, &layerSuite());
}

} // namespace tovrins::host
