/* ADM List Suite: the entries of a popup list. */
#ifndef TOVRINS_SDK_TV_ADM_LIST_H
#define TOVRINS_SDK_TV_ADM_LIST_H

#include "sdk/tv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kTvADMListSuite "ADM List Suite"
#define kTvADMListSuiteVersion 1

typedef struct TvADMListSuiteV1 {
    /* Inserts a new entry before position index (0 to the entry count). */
    TvErr (*insertEntry)(TvListRef list, int32_t index, TvEntryRef* entry);
    /* The entry at index; -50 outside the list. */
    TvErr (*indexEntry)(TvListRef list, int32_t index, TvEntryRef* entry);
    /* The first entry whose id is entryId; -50 when none. */
    TvErr (*findEntry)(TvListRef list, int32_t entryId, TvEntryRef* entry);
    /* The selected entry; null when none is selected. */
    TvErr (*getActiveEntry)(TvListRef list, TvEntryRef* entry);
} TvADMListSuiteV1;

#ifdef __cplusplus
}
#endif

#endif
