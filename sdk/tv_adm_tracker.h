/* ADM Tracker Suite: the mouse event being tracked. */
#ifndef TOVRINS_SDK_TV_ADM_TRACKER_H
#define TOVRINS_SDK_TV_ADM_TRACKER_H

#include "sdk/tv_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kTvADMTrackerSuite "ADM Tracker Suite"
#define kTvADMTrackerSuiteVersion 1

/* Flag bit of getModifiers: the mouse button was released. */
enum { TV_TRACK_MOUSE_RELEASED = 0x20 };

typedef struct TvADMTrackerSuiteV1 {
    /* Pointer position in view pixels (y down, from the view's top left). */
    TvErr (*getPoint)(TvTrackerRef tracker, TvIntPoint* point);
    TvErr (*getModifiers)(TvTrackerRef tracker, uint32_t* flags);
} TvADMTrackerSuiteV1;

#ifdef __cplusplus
}
#endif

#endif
