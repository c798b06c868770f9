// The workbench's function tables for the document, memory, math and
// SP Basic suites. Each function counts as one suite call for the fault
// injector (the real math and random functions cannot fail and are not
// counted) and reaches the document through hostContext().
#pragma once

#include "sdk/tv_sdk.h"

namespace tovrins::host {

class SuiteRegistry;

const TvSPBasicSuiteV4& spBasicSuite();
const TvSPBlocksSuiteV2& spBlocksSuite();
const TvSPAccessSuiteV3& spAccessSuite();
const TvAIMdMemorySuiteV1& mdMemorySuite();
const TvAIRealMathSuiteV1& realMathSuite();
const TvAIArtSuiteV9& artSuite();
const TvAIUserSuiteV5& userSuite();
const TvAIDocumentSuiteV7& documentSuite();
const TvAIDocumentViewSuiteV7& documentViewSuite();
const TvAIUndoSuiteV4& undoSuite();
const TvAIMatchingArtSuiteV4& matchingArtSuite();
const TvAIPathSuiteV4& pathSuite();
const TvAIPathStyleSuiteV5& pathStyleSuite();
const TvAIRandomSuiteV3& randomSuite();
const TvAITransformArtSuiteV1& transformArtSuite();
const TvAILayerSuiteV9& layerSuite();

// Adds every table above except SP Basic, which travels in message records.
void registerCoreSuites(SuiteRegistry& registry);

} // namespace tovrins::host
