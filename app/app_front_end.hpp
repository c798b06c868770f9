// The user at the filter's dialog: plays the command line's script through
// the scripted front end, after checking each popup choice against the
// entries the open dialog offers, so a mistyped label is reported with the
// labels there are. Any other dialog (the plug-in's error dialog, shown
// before or after the filter's) is accepted as it is.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/adm/scripted_front_end.hpp"
#include "host/document/document.hpp"

namespace tovrins::app {

// The resource id of the filter dialog all three filters open.
inline constexpr int32_t kFilterDialogResource = 16100;

class AppFrontEnd : public host::ScriptedFrontEnd {
public:
    // The view is read when a pick is played, so zooming first is honoured.
    AppFrontEnd(std::vector<host::DialogAction> script, const host::Document& document);

    void run(host::DialogUser& user) override;

    // A popup choice the dialog does not offer, found before playing.
    const std::optional<std::string>& refusedChoice() const { return refusedChoice_; }
    // Whether the filter's dialog opened, and so the script was played.
    bool openedFilterDialog() const { return checked_; }

private:
    std::vector<host::DialogAction> script_;
    bool checked_ = false;
    std::optional<std::string> refusedChoice_;
};

} // namespace tovrins::app
