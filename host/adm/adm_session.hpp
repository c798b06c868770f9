// The host's side of the ADM suites: which plug-ins' resources dialogs are
// built from, which dialogs are open, which references are live, and who
// plays the user. Installed into hostContext() by the Workbench.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "host/adm/adm_dialog.hpp"
#include "host/adm/dialog_front_end.hpp"
#include "host/resources/plugin_resources.hpp"

namespace tovrins::host {

// What a closed dialog showed, for the workbench's user and for tests.
struct ShownDialog {
    std::string name;
    int32_t resourceId = 0;
    int32_t result = 0;
    TvIntRect bounds{};
    std::map<int32_t, std::string> texts;  // item id -> label or value shown
    std::vector<std::string> unnamedTexts; // items without an id (-1), in order
};

class AdmSession {
public:
    // The screen dialogs are centred on when they open.
    static constexpr int32_t screenWidth = 1920;
    static constexpr int32_t screenHeight = 1080;

    void addPlugin(TvPluginRef plugin, const PluginResources& resources);
    void removePlugin(TvPluginRef plugin);
    // Null for a reference the host did not hand out.
    const PluginResources* resourcesOf(TvPluginRef plugin) const;

    // Null restores the default front end, which accepts every dialog.
    void setFrontEnd(DialogFrontEnd* frontEnd) { frontEnd_ = frontEnd; }
    DialogFrontEnd& frontEnd() { return frontEnd_ ? *frontEnd_ : defaultFrontEnd_; }

    // Builds a dialog from a template, runs init and then the front end.
    TvErr runModal(TvPluginRef plugin, const char* name, int32_t dialogId, TvADMDialogInitProc init, void* userData,
                   int32_t& result);

    // Reference validation: only objects of open dialogs are live.
    AdmDialog* liveDialog(TvDialogRef ref) const;
    AdmItem* liveItem(TvItemRef ref) const;
    AdmEntry* liveEntry(TvEntryRef ref) const;
    void noteItem(const AdmItem& item) { liveItems_.insert(&item); }
    void noteEntry(const AdmEntry& entry) { liveEntries_.insert(&entry); }

    // The tracker of the tracking call in progress, if any.
    const AdmTracker* liveTracker(TvTrackerRef ref) const;
    void setActiveTracker(const AdmTracker* tracker) { tracker_ = tracker; }

    int openDialogCount() const { return static_cast<int>(open_.size()); }
    const std::vector<ShownDialog>& shown() const { return shown_; }
    void clearShown() { shown_.clear(); }

private:
    void forget(const AdmDialog& dialog);

    std::map<TvPluginRef, const PluginResources*> plugins_;
    DialogFrontEnd* frontEnd_ = nullptr;
    DefaultFrontEnd defaultFrontEnd_;
    std::vector<AdmDialog*> open_; // innermost last
    std::unordered_set<const void*> liveItems_;
    std::unordered_set<const void*> liveEntries_;
    std::vector<ShownDialog> shown_;
    const AdmTracker* tracker_ = nullptr;
};

} // namespace tovrins::host
