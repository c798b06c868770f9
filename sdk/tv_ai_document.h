/* AI Document Suite: the current document as a whole. */
#ifndef TOVRINS_SDK_TV_AI_DOCUMENT_H
#define TOVRINS_SDK_TV_AI_DOCUMENT_H

#include "sdk/tv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kTvAIDocumentSuite "AI Document Suite"
#define kTvAIDocumentSuiteVersion 7

typedef struct TvDocumentSetup {
    TvReal width;  /* points */
    TvReal height; /* points */
} TvDocumentSetup;

typedef struct TvAIDocumentSuiteV7 {
    TvErr (*getDocumentSetup)(TvDocumentSetup* setup);
    /* Shows the document's current state in its views. */
    TvErr (*redrawDocument)(void);
} TvAIDocumentSuiteV7;

#ifdef __cplusplus
}
#endif

#endif
