/* ADM Dialog Suite: modal dialogs built by the plug-in. */
#ifndef TOVRINS_SDK_TV_ADM_DIALOG_H
#define TOVRINS_SDK_TV_ADM_DIALOG_H

#include "sdk/tv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kTvADMDialogSuite "ADM Dialog Suite"
#define kTvADMDialogSuiteVersion 3

/* Item type names of createItem. */
#define kTvADMSpinEditType "ADM Spin Edit Type"
#define kTvADMTextCheckBoxType "ADM Text Check Box Type"
#define kTvADMPopupListType "ADM Popup List Type"
#define kTvADMPicturePushButtonType "ADM Picture Push Button Type"
#define kTvADMTextPushButtonType "ADM Text Push Button Type"
#define kTvADMTextStaticType "ADM Text Static Type"
#define kTvADMFrameType "ADM Frame Type"
#define kTvADMPictureStaticType "ADM Picture Static Type"

enum { TV_DIALOG_STYLE_MODAL = 0 };

/* Called once, after the dialog's template items exist and before it is
 * shown; the dialog's user data is already set. */
typedef TvErr (*TvADMDialogInitProc)(TvDialogRef dialog);

typedef struct TvADMDialogSuiteV3 {
    /* Builds the dialog from template dialogId of the plug-in's resources,
     * runs init, then runs the dialog until an item ends it; *result is that
     * item's id. The error of a failing init is returned. */
    TvErr (*modal)(TvPluginRef plugin, const char* name, int32_t dialogId, int32_t style, TvADMDialogInitProc init,
                   void* userData, int32_t* result);
    TvErr (*getUserData)(TvDialogRef dialog, void** userData);
    /* Bounds in screen coordinates: left, top, right, bottom. */
    TvErr (*getBoundsRect)(TvDialogRef dialog, TvIntRect* bounds);
    TvErr (*setBoundsRect)(TvDialogRef dialog, const TvIntRect* bounds);
    /* Keeps the top left corner. */
    TvErr (*setSize)(TvDialogRef dialog, int32_t width, int32_t height);
    /* Creates an item of a type named above; ids are unique in a dialog. */
    TvErr (*createItem)(TvDialogRef dialog, int32_t itemId, const char* itemType, const TvIntRect* bounds,
                        TvItemRef* item);
    /* Null, and -50, when the dialog has no item with that id. */
    TvErr (*getItem)(TvDialogRef dialog, int32_t itemId, TvItemRef* item);
} TvADMDialogSuiteV3;

#ifdef __cplusplus
}
#endif

#endif
