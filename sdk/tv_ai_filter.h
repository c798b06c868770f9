/* AI Filter Suite: registering the plug-in's filter commands. */
#ifndef TOVRINS_SDK_TV_AI_FILTER_H
#define TOVRINS_SDK_TV_AI_FILTER_H

#include "sdk/tv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kTvAIFilterSuite "AI Filter Suite"
#define kTvAIFilterSuiteVersion 2

/* The menu texts of a filter, as length-prefixed strings. */
typedef struct TvFilterMenuText {
    const unsigned char* category;
    const unsigned char* title;
} TvFilterMenuText;

typedef struct TvAIFilterSuiteV2 {
    /* Registers a filter under name, shown as title in category. Startup
     * only. */
    TvErr (*addFilter)(TvPluginRef self, const char* name, const TvFilterMenuText* text, int32_t options,
                       TvFilterHandle* filter);
    TvErr (*getFilterMenuItem)(TvFilterHandle filter, TvMenuItemHandle* item);
} TvAIFilterSuiteV2;

#ifdef __cplusplus
}
#endif

#endif
