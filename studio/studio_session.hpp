// One workbench and one document shown to every browser tab: what the page
// reads (the state, the document) and what it does (menu commands,
// selection, layers, the view, dialog actions). Every member runs on the
// host's thread, as tasks of the HostQueue.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "studio/artwork_chunks.hpp"
#include "studio/host_queue.hpp"
#include "studio/studio_front_end.hpp"
#include "host/workbench/workbench.hpp"

namespace tovrins::studio {

// Uploads larger than this are refused before they are read.
inline constexpr size_t kMostUploadBytes = 16 * 1024 * 1024;
// The Help menu's command for the plug-in's About box.
inline constexpr std::string_view kAboutTitle = "About Tovrins...";

class StudioSession {
public:
    // The document must be open in the workbench already.
    StudioSession(host::Workbench& workbench, HostQueue& queue, uint64_t seed, std::string documentName);

    nlohmann::json state();
    std::string documentSvg() const;
    // The artwork as images to draw one over another (artwork_chunks.hpp):
    // their keys for this revision, and an image by its key (null if it is
    // of neither this revision nor the one before).
    const std::vector<std::string>& artworkKeys();
    const std::string* artworkImage(const std::string& key) const { return artwork_.find(key); }
    std::string documentJson() const;
    std::string documentPng() const;
    const std::string& documentName() const { return documentName_; }

    // A file the user uploads, read by the same readers as the command line's.
    void open(const std::string& fileName, std::string_view bytes);
    // A menu command by its title as the menu shows it: "Undo", "Redo",
    // "Select All", "Deselect", "About Tovrins...", "Repeat <filter>" or a
    // filter's title. A filter's command returns once its command is done.
    void command(std::string_view title);
    // Selection in view pixels: a click (the topmost art under the point)
    // or a rubber band (all art it touches); extend adds to the selection.
    void selectAt(TvIntPoint point, bool extend);
    void selectInside(TvIntRect band, bool extend);
    void setLayer(size_t index, bool visible, bool locked);
    void setView(double zoom, TvRealPoint centre);
    // An action on the innermost open dialog: {"action": "set"|"choose"|
    // "click"|"pick"|"zoom"|"ok"|"cancel"|"move", ...} (docs/studio.md).
    void dialogAction(const nlohmann::json& action);

    bool dialogOpen() const { return frontEnd_.top() != nullptr; }
    uint64_t revision() const { return revision_; }
    // Every change the page may show counts; the page refetches on a new one.
    void noteChange() { ++revision_; }

private:
    host::Document& document() const;
    void refuseWhileModal(std::string_view what) const;
    void runFilter(host::RegisteredFilter& filter);
    host::RegisteredFilter* findFilterTitle(std::string_view title);
    static void moveDialog(host::AdmDialog& dialog, int32_t left, int32_t top);
    // Top-level art on visible, unlocked layers, bottom to top.
    std::vector<host::ArtId> selectableArt() const;
    // One undoable step: clears the selection unless extend, then selects
    // (or, with toggle, flips) the picked art.
    void changeSelection(bool extend, const std::vector<host::ArtId>& picked, bool toggle);
    nlohmann::json menuState() const;
    nlohmann::json selectionState() const;
    nlohmann::json dialogState() const;

    host::Workbench& workbench_;
    HostQueue& queue_;
    StudioFrontEnd frontEnd_;
    uint64_t seed_;
    std::string documentName_;
    uint64_t revision_ = 1;
    host::RegisteredFilter* lastFilter_ = nullptr;
    ArtworkCache artwork_;
};

} // namespace tovrins::studio
