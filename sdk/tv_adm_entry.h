/* ADM Entry Suite: one entry of a popup list. */
#ifndef TOVRINS_SDK_TV_ADM_ENTRY_H
#define TOVRINS_SDK_TV_ADM_ENTRY_H

#include "sdk/tv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kTvADMEntrySuite "ADM Entry Suite"
#define kTvADMEntrySuiteVersion 2

typedef struct TvADMEntrySuiteV2 {
    TvErr (*setText)(TvEntryRef entry, const char* text);
    TvErr (*setID)(TvEntryRef entry, int32_t entryId);
    TvErr (*getID)(TvEntryRef entry, int32_t* entryId);
    /* Selecting an entry of a popup deselects the others. */
    TvErr (*select)(TvEntryRef entry, TvBool selected);
} TvADMEntrySuiteV2;

#ifdef __cplusplus
}
#endif

#endif
