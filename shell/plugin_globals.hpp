// The plug-in's global record, allocated through the SP Blocks Suite at
// start-up and kept by the host across unload and reload. Handles and
// pointers are native width, so on a 64-bit host the record is wider than
// the 32 bytes of a 32-bit one.
#pragma once

#include "sdk/tv_sdk.h"

namespace tovrins {

struct PluginGlobals {
    TvFilterHandle rotateFilter;
    TvFilterHandle scaleFilter;
    TvFilterHandle translateFilter;
    int32_t filterCount;
    const TvSPBasicSuite* basicSuite;
    TvMemoryHandle selectionList;
    int32_t selectionCount; // -1 when no list is held
};

// The record from Startup (or Reload); null before Startup and after
// Shutdown.
PluginGlobals*& pluginGlobals();

} // namespace tovrins
