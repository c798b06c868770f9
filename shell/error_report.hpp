// Shows a message's failure code to the user: the message text from the
// error table in the plug-in's resources and the code itself, in a small
// modal dialog. Also the About box.
#pragma once

#include "resources/tovrins_ids.h"
#include "sdk/tv_sdk.h"

namespace tovrins {

inline constexpr int32_t kErrorTableList = TOVRINS_ERROR_TABLE_LIST;
inline constexpr int32_t kErrorDialogId = TOVRINS_ERROR_DIALOG;
inline constexpr int32_t kAboutDialogId = TOVRINS_ABOUT_DIALOG;

// Shows nothing for 0 and STOP, when the ADM Basic or ADM Dialog Suite is
// missing, or when the table cannot be read.
void reportError(TvPluginRef self, TvErr code);

// Runs the About box; always 0.
TvErr showAbout(TvPluginRef self);

// Item 1's notifier in both dialogs: the host's default handling only.
void passThroughNotifier(TvItemRef item, TvNotifierRef notifier);

} // namespace tovrins
