// The plug-in's only export: every host message arrives here.
#include <new>

#include "shell/error_report.hpp"
#include "shell/filter_commands.hpp"
#include "shell/plugin_globals.hpp"
#include "shell/plugin_lifecycle.hpp"
#include "shell/suites.hpp"

namespace tovrins {

namespace {

// Holds the suites for one message; released even when a step throws.
class SuiteScope {
public:
    explicit SuiteScope(const TvSPBasicSuite* basic) : basic_(basic), code_(acquireSuites(basic)) { }
    ~SuiteScope() { releaseSuites(basic_); }
    SuiteScope(const SuiteScope&) = delete;
    SuiteScope& operator=(const SuiteScope&) = delete;
    TvErr code() const { return code_; }

private:
    const TvSPBasicSuite* basic_;
    TvErr code_;
};

class Dispatch {
public:
    Dispatch(const char* caller, const char* selector, TvSPMessageData& message)
        : caller_(caller), selector_(selector), message_(message)
    {
    }

    bool callerIs(const char* name) const { return message_.basic->isEqual(caller_, name) != 0; }
    bool selectorIs(const char* name) const { return message_.basic->isEqual(selector_, name) != 0; }

    // Suites never stay acquired across an unload, so nothing is held here.
    TvErr access()
    {
        if (selectorIs(kTvSelectorUnload)) {
            message_.globals = pluginGlobals();
        } else if (selectorIs(kTvSelectorReload)) {
            pluginGlobals() = static_cast<PluginGlobals*>(message_.globals);
            resetSuiteNesting();
        }
        return TV_ERR_NONE;
    }

    TvErr spInterface()
    {
        if (selectorIs(kTvSelectorStartup))
            return startupPlugin(message_);
        if (selectorIs(kTvSelectorAbout))
            return showAbout(message_.self);
        if (selectorIs(kTvSelectorShutdown))
            return shutdownPlugin(message_);
        return TV_ERR_NONE;
    }

    TvErr illustrator()
    {
        if (callerIs(kTvCallerAIMenu))
            return selectorIs(kTvSelectorAIGo) ? TV_ERR_BAD_SELECTION : TV_ERR_NONE;
        if (callerIs(kTvCallerAIFilter)) {
            auto& filter = reinterpret_cast<TvFilterMessage&>(message_);
            if (selectorIs(kTvSelectorAIGetParameters))
                return filterGetParameters(filter);
            if (selectorIs(kTvSelectorAIGo))
                return filterGo(filter);
        }
        return TV_ERR_NONE;
    }

    TvErr run()
    {
        if (callerIs(kTvCallerSPAccess))
            return access();
        const SuiteScope scope(message_.basic);
        TvErr result = scope.code();
        if (result == TV_ERR_NONE)
            result = callerIs(kTvCallerSPInterface) ? spInterface() : illustrator();
        // A filter command that fails, even before it could start, ends here
        // (a cancelled dialog has already put everything back).
        if (result != TV_ERR_NONE && result != TV_ERR_CANCELLED && callerIs(kTvCallerAIFilter))
            abandonFilterCommandAfterFailure();
        // A missing suite was already announced by the loading alert.
        if (result != TV_ERR_NONE && result != TV_ERR_SUITE_NOT_FOUND)
            reportError(message_.self, result);
        return result;
    }

private:
    // With the suites acquired only in part, the memory suite is asked for
    // on its own so that the command's leftovers are given back to the host.
    void abandonFilterCommandAfterFailure()
    {
        const auto& filter = reinterpret_cast<const TvFilterMessage&>(message_);
        if (suites().memory) {
            abandonFilterCommand(filter, suites().memory);
            return;
        }
        const void* table = nullptr;
        if (message_.basic->acquireSuite(kTvAIMdMemorySuite, kTvAIMdMemorySuiteVersion, &table) != TV_ERR_NONE) {
            abandonFilterCommand(filter, nullptr); // the list is forgotten, so that no later run uses it
            return;
        }
        abandonFilterCommand(filter, static_cast<const TvAIMdMemorySuiteV1*>(table));
        message_.basic->releaseSuite(kTvAIMdMemorySuite, kTvAIMdMemorySuiteVersion);
    }

    const char* caller_;
    const char* selector_;
    TvSPMessageData& message_;
};

} // namespace

} // namespace tovrins

extern "C" __attribute__((visibility("default"))) TvErr PluginMain(const char* caller, const char* selector,
                                                                   void* message)
{
    // No exception may cross into the host.
    try {
        if (!caller || !selector || !message)
            return TV_ERR_BAD_PARAMETER;
        auto& data = *static_cast<TvSPMessageData*>(message);
        if (!data.basic)
            return TV_ERR_BAD_PARAMETER;
        return tovrins::Dispatch(caller, selector, data).run();
    } catch (const std::bad_alloc&) {
        return TV_ERR_MEMORY_FULL;
    } catch (...) {
        return TV_ERR_BAD_PARAMETER;
    }
}
