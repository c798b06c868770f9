// The item procedures shared by the three filter dialogs. Each finds the
// FilterParams block through the item's dialog's user data and its filter's
// record by the block's filterKind.
#pragma once

#include "shell/filter_params.hpp"
#include "sdk/tv_sdk.h"

namespace tovrins {

void changeNotifier(TvItemRef item, TvNotifierRef notifier);
void presetNotifier(TvItemRef item, TvNotifierRef notifier);
void tumbleNotifier(TvItemRef item, TvNotifierRef notifier);
void zoomNotifier(TvItemRef item, TvNotifierRef notifier);
void okNotifier(TvItemRef item, TvNotifierRef notifier);
int32_t pickTracker(TvItemRef item, TvTrackerRef tracker);

// Sets every bound item of the block's filter from its field.
void refreshDialog(TvDialogRef dialog, const FilterParams& params);
// Sends "ADM User Changed Notifier" to the copies field.
void announceChange(TvDialogRef dialog);

} // namespace tovrins
