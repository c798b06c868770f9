/* The ids that the resource script and the code share: resources, string
   lists and the items of the plug-in's dialogs. The resource compiler's C
   preprocessor reads this file too, so its part is plain macros; the filter
   dialogs' items, which only the code creates, are an enumeration. */
#ifndef TOVRINS_IDS_H
#define TOVRINS_IDS_H

#define TOVRINS_PIPL 16000

/* The string lists are string tables: entry n of a list is the string
   list + n. Entry 0 of each holds a note and is never read. */

/* Each filter's menu category and title. */
#define TOVRINS_MENU_TEXT_LIST 16000
#define TOVRINS_ROTATE_MENU_CATEGORY 1
#define TOVRINS_ROTATE_MENU_TITLE 2
#define TOVRINS_SCALE_MENU_CATEGORY 3
#define TOVRINS_SCALE_MENU_TITLE 4
#define TOVRINS_TRANSLATE_MENU_CATEGORY 5
#define TOVRINS_TRANSLATE_MENU_TITLE 6

/* The error table: pairs of a key (a host error code in decimal or a
   four-character code) and its message, the first key at entry 1, ended by
   an empty entry. The message before the end is for any other error. */
#define TOVRINS_ERROR_TABLE_LIST 16050
#define TOVRINS_ERROR_FIRST_KEY 1
#define TOVRINS_ERROR_NO_MEMORY_KEY 1       /* -108 */
#define TOVRINS_ERROR_NO_HOST_MEMORY_KEY 3  /* 271 */
#define TOVRINS_ERROR_LAYER_LOCKED_KEY 5    /* SEGM */
#define TOVRINS_ERROR_TOO_MANY_ANCHORS_KEY 7 /* NESS */
#define TOVRINS_ERROR_BAD_SELECTION_KEY 9   /* !sel */
#define TOVRINS_ERROR_OTHERS_KEY 11         /* <Others> */
#define TOVRINS_ABOUT_DIALOG 16050
#define TOVRINS_ERROR_DIALOG 16051
#define TOVRINS_ICON 16051
#define TOVRINS_FILTER_DIALOG 16100

/* Items of the About box and the error dialog. */
#define TOVRINS_ABOUT_OK_ITEM 1
#define TOVRINS_ERROR_OK_ITEM 1
#define TOVRINS_ERROR_MESSAGE_ITEM 2
#define TOVRINS_ERROR_CODE_ITEM 3
#define TOVRINS_ERROR_ICON_ITEM 4

#ifndef RC_INVOKED
#ifdef __cplusplus
#include <cstdint>

namespace tovrins::item {

// Items of the three filter dialogs: one id per role, the same in each
// dialog that has the role.
enum : int32_t {
    kOk = 1,
    kCancel = 2,
    kPreview = 3,
    kCopies = 4,
    kAngleStep = 5,      // rotate
    kRadialStep = 6,     // rotate
    kHorizontalStep = 7, // rotate step, scale and translate distance
    kVerticalStep = 8,
    kCopiesPerLayer = 9,
    kZoom = 10,
    kHorizontalScale = 11, // scale
    kVerticalScale = 12,   // scale
    kColourPercent = 13,
    kBaseOnOriginal = 20,
    kDeleteOriginal = 21,
    kPlaceAbove = 22,
    kCentreMode = 30,     // rotate, scale
    kAngleMode = 31,      // rotate
    kRadialMode = 32,     // rotate
    kHorizontalMode = 33, // rotate offset, scale translation
    kPlacement = 33,      // translate
    kVerticalMode = 34,   // rotate offset, scale translation
    kVariation = 34,      // translate
    kLayerOption = 35,
    kPreset = 36,
    kHorizontalScaleMode = 37, // scale
    kVerticalScaleMode = 38,   // scale
    kColourTarget = 39,
    kShuffle = 50,
    kTumble = 51,
    kCopiesLabel = 55, // translate
    kFirstPick = 60,   // picture buttons 60 and up, one per picked value
};

} // namespace tovrins::item

#endif
#endif

#endif
