// Whether a popup offers the entry a scripted action chooses.
#pragma once

#include <optional>
#include <string>

#include "host/adm/adm_dialog.hpp"
#include "host/adm/scripted_front_end.hpp"

namespace tovrins::app {

// Null when the action can be played on the item; otherwise a sentence
// naming the action and listing the popup's entries. Only SetText actions
// on popups are checked: an index from 0, or a label compared ignoring
// surrounding spaces and case.
std::optional<std::string> checkPopupChoice(const host::AdmItem& popup, const host::DialogAction& action);

} // namespace tovrins::app
