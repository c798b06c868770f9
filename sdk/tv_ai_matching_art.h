/* AI Matching Art Suite: collecting the art that matches a request. */
#ifndef TOVRINS_SDK_TV_AI_MATCHING_ART_H
#define TOVRINS_SDK_TV_AI_MATCHING_ART_H

#include "sdk/tv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kTvAIMatchingArtSuite "AI Matching Art Suite"
#define kTvAIMatchingArtSuiteVersion 4

/* Attribute bits that a match request tests. */
enum { TV_ART_SELECTED = 1 };

typedef struct TvMatchingArtSpec {
    int16_t type;      /* an art type, TV_ART_... */
    int16_t reserved;  /* 0 */
    int32_t whichAttr; /* the attribute bits to test */
    int32_t attr;      /* the values they must have */
} TvMatchingArtSpec;

typedef struct TvAIMatchingArtSuiteV4 {
    /* Collects the art of the current document matching any of the requests,
     * in document order, into a new memory handle holding an array of
     * TvArtHandle; the caller disposes it with the AI MdMemory Suite. With no
     * match, *matches is null and *count 0. */
    TvErr (*getMatchingArt)(const TvMatchingArtSpec* specs, int16_t specCount, TvMemoryHandle* matches, int32_t* count);
} TvAIMatchingArtSuiteV4;

#ifdef __cplusplus
}
#endif

#endif
