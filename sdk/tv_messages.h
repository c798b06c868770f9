/* The message records the host passes to PluginMain, and the caller and
 * selector strings that say what each message asks for. */
#ifndef TOVRINS_SDK_TV_MESSAGES_H
#define TOVRINS_SDK_TV_MESSAGES_H

#include "sdk/tv_sp_basic.h"
#include "sdk/tv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kTvCallerSPAccess "SP Access"
#define kTvSelectorUnload "Unload"
#define kTvSelectorReload "Reload"
#define kTvCallerSPInterface "SP Interface"
#define kTvSelectorStartup "Startup"
#define kTvSelectorShutdown "Shutdown"
#define kTvSelectorAbout "About"
#define kTvCallerAIMenu "AI Menu"
#define kTvSelectorAIGo "AI Go"
#define kTvSelectorAIUpdate "AI Update"
#define kTvCallerAIFilter "AI Filter"
#define kTvSelectorAIGetParameters "AI Get Parameters"

/* Common to every message. */
typedef struct TvSPMessageData {
    TvPluginRef self;            /* the plug-in, as the host knows it */
    void* globals;               /* kept by the host across unload and reload */
    const TvSPBasicSuite* basic; /* valid for this message only */
} TvSPMessageData;

/* "AI Filter" messages. */
typedef struct TvFilterMessage {
    TvSPMessageData d;
    TvFilterHandle filter;     /* which registered filter */
    TvMemoryHandle parameters; /* the filter's parameter block; null before the first Get Parameters */
} TvFilterMessage;

/* "AI Menu" messages. */
typedef struct TvMenuMessage {
    TvSPMessageData d;
    TvMenuItemHandle menuItem;
} TvMenuMessage;

/* The plug-in's only export. message points to a TvSPMessageData, or to one
 * of the records that begin with it. */
typedef TvErr (*TvPluginMainProc)(const char* caller, const char* selector, void* message);

#define kTvPluginEntryName "PluginMain"

#ifdef __cplusplus
}
#endif

#endif
