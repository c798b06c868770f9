/* ADM Item Suite: the items of a dialog. */
#ifndef TOVRINS_SDK_TV_ADM_ITEM_H
#define TOVRINS_SDK_TV_ADM_ITEM_H

#include "sdk/tv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kTvADMItemSuite "ADM Item Suite"
#define kTvADMItemSuiteVersion 4

/* The notification a user's change of an item sends. */
#define kTvADMUserChangedNotifier "ADM User Changed Notifier"

/* Units of a spin edit. */
enum { TV_UNITS_NONE = 0 };

/* Called after a user's action on the item (or a sent notification). */
typedef void (*TvADMNotifyProc)(TvItemRef item, TvNotifierRef notifier);
/* Called for every mouse event on the item; returns 1 when handled. */
typedef int32_t (*TvADMTrackProc)(TvItemRef item, TvTrackerRef tracker);

typedef struct TvADMItemSuiteV4 {
    TvErr (*setNotifyProc)(TvItemRef item, TvADMNotifyProc proc);
    TvErr (*setTrackProc)(TvItemRef item, TvADMTrackProc proc);
    /* The host's own handling of a notification: text push buttons 1 and 2
     * end a modal dialog with their id once the notify procedure returns;
     * check boxes, spin edits and popups keep their value. */
    TvErr (*defaultNotify)(TvItemRef item, TvNotifierRef notifier);
    /* The host's own handling of a mouse event. */
    TvErr (*defaultTrack)(TvItemRef item, TvTrackerRef tracker);
    /* Sends the notification type to the item: its notify procedure runs at
     * once, or the default handling when it has none. */
    TvErr (*sendNotify)(TvItemRef item, const char* notifierType);
    TvErr (*getDialog)(TvItemRef item, TvDialogRef* dialog);
    TvErr (*getID)(TvItemRef item, int32_t* itemId);
    TvErr (*enable)(TvItemRef item, TvBool enabled);
    TvErr (*setText)(TvItemRef item, const char* text);
    /* Values. A value set into a spin edit is clamped to its limits. */
    TvErr (*setIntValue)(TvItemRef item, int32_t value);
    TvErr (*getIntValue)(TvItemRef item, int32_t* value);
    TvErr (*setFloatValue)(TvItemRef item, TvReal value);
    TvErr (*getFloatValue)(TvItemRef item, TvReal* value);
    TvErr (*setBooleanValue)(TvItemRef item, TvBool value);
    TvErr (*getBooleanValue)(TvItemRef item, TvBool* value);
    /* Limits; setting one clamps the current value. */
    TvErr (*setMinIntValue)(TvItemRef item, int32_t value);
    TvErr (*setMaxIntValue)(TvItemRef item, int32_t value);
    TvErr (*setMinFloatValue)(TvItemRef item, TvReal value);
    TvErr (*setMaxFloatValue)(TvItemRef item, TvReal value);
    TvErr (*setUnits)(TvItemRef item, int32_t units);
    /* Decimal places shown by a real spin edit. */
    TvErr (*setPrecision)(TvItemRef item, int32_t decimals);
    /* The entry list of a popup. */
    TvErr (*getList)(TvItemRef item, TvListRef* list);
} TvADMItemSuiteV4;

#ifdef __cplusplus
}
#endif

#endif
