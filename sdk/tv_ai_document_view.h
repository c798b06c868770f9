/* AI Document View Suite: the windows onto the current document. */
#ifndef TOVRINS_SDK_TV_AI_DOCUMENT_VIEW_H
#define TOVRINS_SDK_TV_AI_DOCUMENT_VIEW_H

#include "sdk/tv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kTvAIDocumentViewSuite "AI Document View Suite"
#define kTvAIDocumentViewSuiteVersion 7

typedef struct TvAIDocumentViewSuiteV7 {
    /* The n-th view of the current document, counted from 0. */
    TvErr (*getNthDocumentView)(int32_t n, TvDocumentViewHandle* view);
    /* The artwork point at the centre of the view. */
    TvErr (*getDocumentViewCenter)(TvDocumentViewHandle view, TvRealPoint* center);
    /* 1 shows the artwork at its own size; must be positive and finite. */
    TvErr (*setDocumentViewZoom)(TvDocumentViewHandle view, TvReal zoom);
    /* Converts a pointer position in pixels (y down, from the view's top
     * left) to an artwork point. */
    TvErr (*viewPointToArtworkPoint)(TvDocumentViewHandle view, const TvIntPoint* viewPoint, TvRealPoint* artworkPoint);
} TvAIDocumentViewSuiteV7;

#ifdef __cplusplus
}
#endif

#endif
