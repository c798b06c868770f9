// A minimal plug-in that exercises the host's side of the protocol in ways
// the real plug-in never does. What it does is chosen by the environment
// variable TOVRINS_PROBE_MODE, read at each message:
//   (unset)       registers one filter; Get Parameters keeps a counter block
//                 and runs dialog 100; Go adds one to the counter
//   fail-startup  Startup answers -50
//   late-filter   Go tries to register another filter
//   keep-suite    Go acquires the Undo suite and never releases it
#include <cstdlib>
#include <cstring>

#include "sdk/tv_sdk.h"

namespace {

bool mode(const char* name)
{
    const char* value = std::getenv("TOVRINS_PROBE_MODE");
    return value && std::strcmp(value, name) == 0;
}

template <class Suite> const Suite* acquire(const TvSPBasicSuite* basic, const char* name, int32_t version)
{
    const void* table = nullptr;
    return basic->acquireSuite(name, version, &table) == 0 ? static_cast<const Suite*>(table) : nullptr;
}

// Length-prefixed menu texts.
const unsigned char kCategory[] = "\x05Probe";
const unsigned char kTitle[] = "\x08Probe...";

TvErr addFilter(const TvSPMessageData& message, const char* name)
{
    const auto* filters = acquire<TvAIFilterSuiteV2>(message.basic, kTvAIFilterSuite, kTvAIFilterSuiteVersion);
    if (!filters)
        return TV_ERR_SUITE_NOT_FOUND;
    const TvFilterMenuText text{kCategory, kTitle};
    TvFilterHandle handle = nullptr;
    const TvErr code = filters->addFilter(message.self, name, &text, 0, &handle);
    message.basic->releaseSuite(kTvAIFilterSuite, kTvAIFilterSuiteVersion);
    return code;
}

TvErr getParameters(TvFilterMessage& message)
{
    const TvSPBasicSuite* basic = message.d.basic;
    const auto* memory = acquire<TvAIMdMemorySuiteV1>(basic, kTvAIMdMemorySuite, kTvAIMdMemorySuiteVersion);
    const auto* dialogs = acquire<TvADMDialogSuiteV3>(basic, kTvADMDialogSuite, kTvADMDialogSuiteVersion);
    TvErr code = memory && dialogs ? TV_ERR_NONE : TV_ERR_SUITE_NOT_FOUND;
    if (code == TV_ERR_NONE && !message.parameters) {
        code = memory->newHandle(sizeof(int32_t), &message.parameters);
        void* block = nullptr;
        if (code == TV_ERR_NONE && memory->getPointer(message.parameters, &block) == 0)
            *static_cast<int32_t*>(block) = 0;
    }
    int32_t result = 0;
    if (code == TV_ERR_NONE)
        code = dialogs->modal(message.d.self, "Probe", 100, TV_DIALOG_STYLE_MODAL, nullptr, nullptr, &result);
    if (code == TV_ERR_NONE && result != 1)
        code = TV_ERR_CANCELLED;
    if (memory)
        basic->releaseSuite(kTvAIMdMemorySuite, kTvAIMdMemorySuiteVersion);
    if (dialogs)
        basic->releaseSuite(kTvADMDialogSuite, kTvADMDialogSuiteVersion);
    return code;
}

TvErr go(TvFilterMessage& message)
{
    if (mode("late-filter"))
        return addFilter(message.d, "ProbeLate");
    if (mode("keep-suite"))
        return acquire<TvAIUndoSuiteV4>(message.d.basic, kTvAIUndoSuite, kTvAIUndoSuiteVersion)
            ? 0
            : TV_ERR_SUITE_NOT_FOUND;
    const TvSPBasicSuite* basic = message.d.basic;
    const auto* memory = acquire<TvAIMdMemorySuiteV1>(basic, kTvAIMdMemorySuite, kTvAIMdMemorySuiteVersion);
    if (!memory)
        return TV_ERR_SUITE_NOT_FOUND;
    void* block = nullptr;
    const TvErr code = memory->getPointer(message.parameters, &block);
    if (code == TV_ERR_NONE)
        ++*static_cast<int32_t*>(block);
    basic->releaseSuite(kTvAIMdMemorySuite, kTvAIMdMemorySuiteVersion);
    return code;
}

} // namespace

extern "C" __attribute__((visibility("default"))) TvErr PluginMain(const char* caller, const char* selector,
                                                                   void* message)
{
    auto& data = *static_cast<TvSPMessageData*>(message);
    const auto is = [&](const char* a, const char* b) { return data.basic->isEqual(a, b) != 0; };
    if (is(caller, kTvCallerSPInterface) && is(selector, kTvSelectorStartup))
        return mode("fail-startup") ? TV_ERR_BAD_PARAMETER : addFilter(data, "ProbeFilter");
    if (is(caller, kTvCallerAIFilter)) {
        auto& filter = *static_cast<TvFilterMessage*>(message);
        if (is(selector, kTvSelectorAIGetParameters))
            return getParameters(filter);
        if (is(selector, kTvSelectorAIGo))
            return go(filter);
    }
    return TV_ERR_NONE;
}
