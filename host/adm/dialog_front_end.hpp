// The user's side of the headless dialogs. A front end receives each modal
// dialog once the plug-in has built it and acts on it through DialogUser,
// which does what the user's mouse and keyboard would: set a value, then
// tell the item's procedure.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "host/adm/adm_dialog.hpp"

namespace tovrins::host {

// A user action the dialog cannot take: an unknown or disabled item, a
// value of the wrong kind, an entry that is not in a popup.
class DialogActionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class DialogUser {
public:
    explicit DialogUser(AdmDialog& dialog) : dialog_(dialog) { }

    AdmDialog& dialog() { return dialog_; }
    bool ended() const { return dialog_.result.has_value(); }

    // Types a number into a spin edit; the item clamps it to its limits.
    void enterNumber(int32_t itemId, double value);
    // Sets a check box to on or off.
    void setChecked(int32_t itemId, bool checked);
    // Chooses a popup entry by position, or by its label (compared ignoring
    // surrounding spaces and case).
    void choose(int32_t itemId, int32_t index);
    void choose(int32_t itemId, std::string_view label);
    // Sets an item from text as its kind reads it: a number for a spin
    // edit, 0 or 1 for a check box, an index or a label for a popup.
    void setFromText(int32_t itemId, std::string_view text);
    // Clicks a push button.
    void click(int32_t itemId);
    // Presses and releases the mouse on a picture button with the pointer
    // at a view position (pixels, y down, from the view's top left): two
    // tracking events, the second with the released flag.
    void pick(int32_t itemId, TvIntPoint viewPoint);
    // What Return does: clicks item 1 when the dialog has one, otherwise
    // closes the dialog with 2 (as Escape would).
    void pressDefault();
    void pressCancel();

private:
    AdmItem& enabledItem(int32_t itemId, std::string_view action);
    AdmItem& ofKind(AdmItem& item, AdmItemKind kind, std::string_view action);
    void announce(AdmItem& item);
    void pressKeyFor(int32_t itemId);

    AdmDialog& dialog_;
};

class DialogFrontEnd {
public:
    virtual ~DialogFrontEnd() = default;
    // Plays the user's part until the dialog has a result. Returning with
    // none closes the dialog as cancelled (2). Must not throw: the call
    // runs inside the plug-in.
    virtual void run(DialogUser& user) = 0;
    // An alert the plug-in shows; the user reads it and presses OK.
    virtual void alert(std::string_view text) = 0;
};

// Accepts every dialog at once and keeps the alerts' texts.
class DefaultFrontEnd : public DialogFrontEnd {
public:
    void run(DialogUser& user) override { user.pressDefault(); }
    void alert(std::string_view text) override { alerts.emplace_back(text); }
    std::vector<std::string> alerts;
};

} // namespace tovrins::host
