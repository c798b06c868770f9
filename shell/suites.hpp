// The host suites the plug-in calls, one pointer each, valid from the
// acquisition on entry to the release on exit of the outermost PluginMain
// call. The rows are acquired and released in the order of suiteTable().
#pragma once

#include <span>

#include "sdk/tv_sdk.h"

namespace tovrins {

struct Suites {
    const TvSPBlocksSuiteV2* blocks = nullptr;
    const TvSPAccessSuiteV3* access = nullptr;
    const TvAIMdMemorySuiteV1* memory = nullptr;
    const TvAIRealMathSuiteV1* math = nullptr;
    const TvAIArtSuiteV9* art = nullptr;
    const TvAIUserSuiteV5* user = nullptr;
    const TvAIDocumentSuiteV7* document = nullptr;
    const TvAIDocumentViewSuiteV7* view = nullptr;
    const TvAIUndoSuiteV4* undo = nullptr;
    const TvAIMatchingArtSuiteV4* matching = nullptr;
    const TvAIPathSuiteV4* path = nullptr;
    const TvAIPathStyleSuiteV5* pathStyle = nullptr;
    const TvAIRandomSuiteV3* random = nullptr;
    const TvAIMatchingArtSuiteV4* matchingSecond = nullptr; // acquired, never called
    const TvAITransformArtSuiteV1* transform = nullptr;
    const TvAILayerSuiteV9* layer = nullptr;
    const TvAIMenuSuiteV7* menu = nullptr;
    const TvAIFilterSuiteV2* filter = nullptr;
    const TvADMBasicSuiteV2* admBasic = nullptr;
    const TvADMDialogSuiteV3* dialog = nullptr;
    const TvADMItemSuiteV4* item = nullptr;
    const TvADMIconSuiteV1* icon = nullptr;
    const TvADMNotifierSuiteV1* notifier = nullptr;
    const TvADMListSuiteV1* list = nullptr;
    const TvADMEntrySuiteV2* entry = nullptr;
    const TvADMTrackerSuiteV1* tracker = nullptr;
};

struct SuiteEntry {
    const char* name;
    int32_t version;
    const void* Suites::*pointer; // where the acquired table goes
};

// The 26 rows, in acquisition order.
std::span<const SuiteEntry> suiteTable();

// The suites of the current call. Only the shell writes them.
Suites& suites();

// Acquires every suite through basic unless an outer call holds them (the
// nesting counter); shows "Suite Loading Error: ..." when the ADM Basic
// Suite is already held. Returns the first failing code, or 0.
TvErr acquireSuites(const TvSPBasicSuite* basic);
// Releases what acquireSuites acquired when this is the outermost call.
TvErr releaseSuites(const TvSPBasicSuite* basic);
// Sets the nesting counter to 0 (Reload).
void resetSuiteNesting();

} // namespace tovrins
