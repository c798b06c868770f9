// The host's part: loads a plug-in file, sends it the messages a host sends
// (start-up, menu commands, repeat, About, unload and reload, shutdown) with
// real message records, and runs each filter command inside one undoable
// document command.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "host/adm/adm_session.hpp"
#include "host/host_context.hpp"
#include "host/loader/plugin_file.hpp"
#include "host/suites/host_environment.hpp"
#include "host/workbench/filter_registry.hpp"

namespace tovrins::host {

class WorkbenchError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The result of one filter command as the host saw it.
struct CommandOutcome {
    TvErr code = 0;                   // what the last message answered
    bool accepted = false;            // Get Parameters answered 0 (always so for a lone Go)
    bool reverted = false;            // the command failed; the host undid what it had left in the document
    bool changed = false;             // the command succeeded and left a change in the document
    std::vector<ShownDialog> dialogs; // every dialog shown during the command, in order
    // The host's own account of the call it refused last during a failed
    // command, when it gave one: what the plug-in's report cannot say.
    std::optional<HostRefusal> refusal;
    // The plug-in reports a failure with a dialog as the last thing it does
    // before it answers, so a failing command's last dialog is its report.
    const ShownDialog* errorDialog() const;
};

class Workbench {
public:
    // Loads the plug-in and sends Startup. Throws WorkbenchError naming the
    // file when it cannot be loaded or Startup fails.
    Workbench(const std::filesystem::path& pluginPath, uint64_t seed);
    // Sends Shutdown and unloads.
    ~Workbench();
    Workbench(const Workbench&) = delete;
    Workbench& operator=(const Workbench&) = delete;

    HostEnvironment& environment() { return environment_; }
    AdmSession& adm() { return adm_; }
    FilterRegistry& filters() { return filters_; }
    const PluginResources& resources() const { return plugin_->resources(); }
    TvPluginRef pluginRef() const;

    Document& open(const DocumentData& data);
    Document* document() { return environment_.document(); }

    // The user chooses the filter's menu command: the command begins, Get
    // Parameters runs the dialog with the front end, and Go follows when it
    // is accepted. A failing Go has its changes undone, so the document is
    // as before the command or as after a complete one.
    CommandOutcome runFilter(RegisteredFilter& filter, DialogFrontEnd& frontEnd);
    // The host's repeat of the last filter, on whichever document is open:
    // a lone Go, its own command.
    // Throws WorkbenchError when no filter has run yet.
    CommandOutcome repeatLastFilter(DialogFrontEnd& frontEnd);
    // Sends About; the dialog goes to the front end.
    TvErr about(DialogFrontEnd& frontEnd);
    // Sends Unload, closes and reopens the library, sends Reload. Throws
    // WorkbenchError when the plug-in cannot be loaded again or refuses.
    void unloadAndReload();

    // Sends one message with the plug-in's globals; for tests of the
    // protocol itself. Throws WorkbenchError when no plug-in is loaded.
    TvErr send(const char* caller, const char* selector, void* message);
    TvSPMessageData messageData();
    bool started() const { return started_; }

private:
    CommandOutcome finishCommand(TvErr code, bool accepted, size_t dialogsBefore);
    TvErr filterMessage(RegisteredFilter& filter, const char* selector);
    void load();
    void sendStartup();

    std::filesystem::path pluginPath_;
    HostEnvironment environment_;
    AdmSession adm_;
    FilterRegistry filters_;
    std::unique_ptr<PluginFile> plugin_;
    void* globals_ = nullptr;
    bool started_ = false;
    RegisteredFilter* lastFilter_ = nullptr;
    HostRefusal refusal_;  // the current command's last noted refusal
    char pluginToken_ = 0; // its address is the plug-in reference
    HostContext previous_;
};

} // namespace tovrins::host
