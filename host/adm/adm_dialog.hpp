// The headless dialog model behind the ADM suites: dialogs, their items,
// popup lists and entries. The plug-in holds raw pointers to these objects
// as its item, list and entry references, so they never move while their
// dialog is open, and AdmSession validates every reference it is handed.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sdk/tv_sdk.h"

namespace tovrins::host {

enum class AdmItemKind {
    SpinEdit,
    CheckBox,
    Popup,
    PicturePushButton,
    TextPushButton,
    TextStatic,
    Frame,
    PictureStatic,
};

// Null for a type name the host does not know.
std::optional<AdmItemKind> admItemKindOf(std::string_view typeName);
std::string_view admItemKindName(AdmItemKind kind);

struct AdmItem;

struct AdmEntry {
    AdmItem* owner = nullptr;
    int32_t id = 0;
    std::string text;
};

struct AdmDialog;

struct AdmItem {
    AdmDialog* dialog = nullptr;
    int32_t id = 0;
    AdmItemKind kind = AdmItemKind::TextStatic;
    TvIntRect bounds{};
    std::string text;
    bool enabled = true;
    // Spin edits and check boxes keep one number; a check box is 0 or 1.
    double value = 0;
    double minimum = -1e300;
    double maximum = 1e300;
    int32_t precision = 0;
    int32_t units = 0;
    TvADMNotifyProc notify = nullptr;
    TvADMTrackProc track = nullptr;
    // Popups: the entries in list order and the selected one.
    std::vector<std::unique_ptr<AdmEntry>> entries;
    AdmEntry* active = nullptr;

    // A value set into a spin edit is clamped to its limits.
    void setValue(double v);
    // The index of the selected entry, or -1.
    int32_t activeIndex() const;
    // The first entry whose label is label, compared ignoring surrounding
    // spaces and case, as a user picks a popup entry by its label.
    std::optional<int32_t> entryIndexOfLabel(std::string_view label) const;
    // The value as the item shows it: spin edits at their precision, check
    // boxes as 0/1, popups as the selected label.
    std::string displayText() const;
};

struct AdmDialog {
    std::string name;
    int32_t resourceId = 0;
    std::string title;
    TvIntRect bounds{};
    void* userData = nullptr;
    std::vector<std::unique_ptr<AdmItem>> items;
    // Set when an item ends the modal dialog; the dialog closes once the
    // action that ended it has returned.
    std::optional<int32_t> result;

    AdmItem* find(int32_t itemId);
    const AdmItem* find(int32_t itemId) const;
};

// The host's own handling of a notification: push buttons 1 and 2 end a
// modal dialog with their id (it closes once the action that clicked them
// returns); other items keep their value.
void defaultHandling(AdmItem& item);

// The records behind the notifier and tracker references handed to item
// procedures; they live for the duration of one call.
struct AdmNotifier {
    std::string_view type;
};

struct AdmTracker {
    TvIntPoint point{};
    uint32_t modifiers = 0;
};

} // namespace tovrins::host
