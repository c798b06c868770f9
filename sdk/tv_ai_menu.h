/* AI Menu Suite: the host's menu items. */
#ifndef TOVRINS_SDK_TV_AI_MENU_H
#define TOVRINS_SDK_TV_AI_MENU_H

#include "sdk/tv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kTvAIMenuSuite "AI Menu Suite"
#define kTvAIMenuSuiteVersion 7

/* Action of an automatic update: enable the item when the conditions hold. */
enum { TV_MENU_AUTO_ENABLE = 1 };
/* Condition bit of the if-true masks: a document is open. */
enum { TV_MENU_IF_DOCUMENT_OPEN = 1 };

typedef struct TvAIMenuSuiteV7 {
    /* Lets the host enable and disable the item itself from condition masks
     * over the artwork, the selection and the host's state. */
    TvErr (*updateMenuItemAutomatically)(TvMenuItemHandle item, int32_t action, int32_t ifObjectIsInArtwork,
                                         int32_t ifObjectIsNotInArtwork, int32_t ifObjectIsSelected,
                                         int32_t ifObjectIsNotSelected, int32_t ifIsTrue, int32_t ifIsNotTrue);
} TvAIMenuSuiteV7;

#ifdef __cplusplus
}
#endif

#endif
