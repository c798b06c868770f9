/* AI Undo Suite: reverting the current command. */
#ifndef TOVRINS_SDK_TV_AI_UNDO_H
#define TOVRINS_SDK_TV_AI_UNDO_H

#include "sdk/tv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kTvAIUndoSuite "AI Undo Suite"
#define kTvAIUndoSuiteVersion 4

typedef struct TvAIUndoSuiteV4 {
    /* Reverts every document change made since the current filter command
     * began; handles of art that exists again stay valid. */
    TvErr (*undoChanges)(void);
} TvAIUndoSuiteV4;

#ifdef __cplusplus
}
#endif

#endif
