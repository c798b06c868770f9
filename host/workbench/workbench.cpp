#include "host/workbench/workbench.hpp"

#include "host/adm/adm_suites.hpp"
#include "host/suites/core_suites.hpp"
#include "host/workbench/menu_filter_suites.hpp"
#include "sdk/tv_errors.h"

namespace tovrins::host {
namespace {

// The front end of one command, restored to the default afterwards.
class FrontEndScope {
public:
    FrontEndScope(AdmSession& session, DialogFrontEnd& frontEnd) : session_(session)
    {
        session_.setFrontEnd(&frontEnd);
    }
    ~FrontEndScope() { session_.setFrontEnd(nullptr); }
    FrontEndScope(const FrontEndScope&) = delete;
    FrontEndScope& operator=(const FrontEndScope&) = delete;

private:
    AdmSession& session_;
};

// A code as a person reads it: four-character codes as their characters.
std::string codeText(TvErr code)
{
    if (tv::isNumericCode(code))
        return std::to_string(code);
    const auto bits = static_cast<uint32_t>(code);
    const char text[] = {static_cast<char>(bits >> 24), static_cast<char>(bits >> 16), static_cast<char>(bits >> 8),
                         static_cast<char>(bits), '\0'};
    return std::string("'") + text + "'";
}

} // namespace

const ShownDialog* CommandOutcome::errorDialog() const
{
    if (code == TV_ERR_NONE || code == TV_ERR_CANCELLED || dialogs.empty())
        return nullptr;
    return &dialogs.back();
}

Workbench::Workbench(const std::filesystem::path& pluginPath, uint64_t seed)
    : pluginPath_(pluginPath), environment_(seed), previous_(hostContext())
{
    registerAdmSuites(environment_.suites);
    registerMenuFilterSuites(environment_.suites);
    hostContext().adm = &adm_;
    hostContext().filters = &filters_;
    hostContext().refusal = &refusal_;
    try {
        load();
        sendStartup();
    } catch (...) {
        hostContext().adm = previous_.adm;
        hostContext().filters = previous_.filters;
        hostContext().refusal = previous_.refusal;
        throw;
    }
}

Workbench::~Workbench()
{
    if (started_ && plugin_) {
        TvSPMessageData message = messageData();
        send(kTvCallerSPInterface, kTvSelectorShutdown, &message);
        TvSPMessageData unload = messageData();
        send(kTvCallerSPAccess, kTvSelectorUnload, &unload);
    }
    // The parameter blocks are the host's once the plug-in has gone.
    for (const RegisteredFilter& filter : filters_.all())
        if (filter.parameters)
            environment_.memory.release(filter.parameters);
    adm_.removePlugin(pluginRef());
    plugin_.reset();
    hostContext().adm = previous_.adm;
    hostContext().filters = previous_.filters;
    hostContext().refusal = previous_.refusal;
}

TvPluginRef Workbench::pluginRef() const { return reinterpret_cast<TvPluginRef>(const_cast<char*>(&pluginToken_)); }

void Workbench::load()
{
    try {
        plugin_ = std::make_unique<PluginFile>(pluginPath_);
    } catch (const PluginLoadError& error) {
        throw WorkbenchError(error.what());
    }
    adm_.addPlugin(pluginRef(), plugin_->resources());
}

void Workbench::sendStartup()
{
    filters_.setAcceptingFilters(true);
    TvSPMessageData message = messageData();
    const TvErr code = send(kTvCallerSPInterface, kTvSelectorStartup, &message);
    filters_.setAcceptingFilters(false);
    if (code != TV_ERR_NONE) {
        std::string message = "plug-in " + pluginPath_.string() + " failed to start: error " + codeText(code);
        // What the plug-in said about it in its alerts.
        if (auto* alerts = dynamic_cast<DefaultFrontEnd*>(&adm_.frontEnd()))
            for (const std::string& alert : alerts->alerts)
                message += "; it said \"" + alert + "\"";
        throw WorkbenchError(message);
    }
    started_ = true;
}

TvSPMessageData Workbench::messageData() { return {pluginRef(), globals_, &spBasicSuite()}; }

TvErr Workbench::send(const char* caller, const char* selector, void* message)
{
    if (!plugin_)
        throw WorkbenchError("plug-in " + pluginPath_.string() + " is not loaded");
    const TvErr code = plugin_->entry()(caller, selector, message);
    // The globals travel with every message; the plug-in may replace them.
    globals_ = static_cast<TvSPMessageData*>(message)->globals;
    return code;
}

Document& Workbench::open(const DocumentData& data) { return environment_.open(data); }

TvErr Workbench::filterMessage(RegisteredFilter& filter, const char* selector)
{
    TvFilterMessage message{messageData(), filter.handle(), filter.parameters};
    const TvErr code = send(kTvCallerAIFilter, selector, &message);
    // Get Parameters allocates the block on first use; the host keeps it.
    filter.parameters = message.parameters;
    return code;
}

CommandOutcome Workbench::runFilter(RegisteredFilter& filter, DialogFrontEnd& frontEnd)
{
    Document* doc = document();
    if (!doc)
        throw WorkbenchError("no document is open to run " + filter.title + " on");
    if (!FilterRegistry::enabled(filter.menuItem, true))
        throw WorkbenchError("the menu command " + filter.title + " is disabled");
    const FrontEndScope scope(adm_, frontEnd);
    const size_t dialogsBefore = adm_.shown().size();
    refusal_ = {};
    doc->beginCommand();
    TvErr code = filterMessage(filter, kTvSelectorAIGetParameters);
    const bool accepted = code == TV_ERR_NONE;
    if (accepted) {
        lastFilter_ = &filter;
        code = filterMessage(filter, kTvSelectorAIGo);
    }
    return finishCommand(code, accepted, dialogsBefore);
}

CommandOutcome Workbench::repeatLastFilter(DialogFrontEnd& frontEnd)
{
    Document* doc = document();
    if (!doc)
        throw WorkbenchError("no document is open to repeat the last filter on");
    if (!lastFilter_)
        throw WorkbenchError("there is no filter to repeat: none has run yet");
    const FrontEndScope scope(adm_, frontEnd);
    const size_t dialogsBefore = adm_.shown().size();
    refusal_ = {};
    doc->beginCommand();
    return finishCommand(filterMessage(*lastFilter_, kTvSelectorAIGo), true, dialogsBefore);
}

// A command that did not finish leaves no trace: whatever it changed is
// undone before it is closed, so the document is as before the command or
// as after a complete one.
CommandOutcome Workbench::finishCommand(TvErr code, bool accepted, size_t dialogsBefore)
{
    CommandOutcome outcome;
    outcome.code = code;
    outcome.accepted = accepted;
    if (code != TV_ERR_NONE && refusal_.code != TV_ERR_NONE)
        outcome.refusal = refusal_;
    Document& doc = *document();
    if (code != TV_ERR_NONE) {
        outcome.reverted = doc.pendingChanges() > 0;
        doc.undoChanges();
    }
    outcome.changed = doc.pendingChanges() > 0;
    doc.endCommand();
    const auto& shown = adm_.shown();
    outcome.dialogs.assign(shown.begin() + static_cast<std::ptrdiff_t>(dialogsBefore), shown.end());
    return outcome;
}

TvErr Workbench::about(DialogFrontEnd& frontEnd)
{
    const FrontEndScope scope(adm_, frontEnd);
    TvSPMessageData message = messageData();
    return send(kTvCallerSPInterface, kTvSelectorAbout, &message);
}

// A plug-in that cannot be loaded again, or refuses its Reload, stays
// unloaded: Shutdown cannot be sent to it, and later messages throw.
void Workbench::unloadAndReload()
{
    TvSPMessageData unload = messageData();
    if (const TvErr code = send(kTvCallerSPAccess, kTvSelectorUnload, &unload))
        throw WorkbenchError("plug-in " + pluginPath_.string() + " refused to unload: error " + codeText(code));
    started_ = false;
    adm_.removePlugin(pluginRef());
    plugin_.reset();
    load();
    TvSPMessageData reload = messageData();
    if (const TvErr code = send(kTvCallerSPAccess, kTvSelectorReload, &reload))
        throw WorkbenchError("plug-in " + pluginPath_.string() + " failed to reload: error " + codeText(code));
    started_ = true;
}

} // namespace tovrins::host
