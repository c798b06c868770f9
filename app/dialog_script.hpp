// Turns the dialog actions typed on the command line into the user actions
// the scripted front end plays on the filter's dialog, checking each field
// name, value and button against the filter before anything runs.
#pragma once

#include <span>
#include <vector>

#include "host/adm/scripted_front_end.hpp"
#include "app/command_line.hpp"
#include "app/field_table.hpp"

namespace tovrins::app {

// The script of one dialog: the actions in order, then Accept, or Cancel
// when `cancel` is set. Throws UsageError naming the action at fault.
std::vector<host::DialogAction> buildDialogScript(const FilterInfo& filter, std::span<const ActionRequest> actions,
                                                  bool cancel);

} // namespace tovrins::app
