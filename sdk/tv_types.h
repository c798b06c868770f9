/* Basic types shared by every suite of the host interface.
 *
 * The host interface is a plain C ABI: fixed-width integers, single-precision
 * reals, opaque references and structs of function pointers. Every header of
 * sdk/ compiles as C11 and as C++20. */
#ifndef TOVRINS_SDK_TV_TYPES_H
#define TOVRINS_SDK_TV_TYPES_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* A host error code: 0 for success. Codes whose upper 16 bits are all zero or
 * all one are numbers; all others are four-character codes with the first
 * character in the most significant byte. */
typedef int32_t TvErr;

/* A boolean held in 32 bits: 0 false, anything else true. */
typedef int32_t TvBool;

typedef float TvReal;

typedef struct TvRealPoint {
    TvReal h; /* x, growing to the right */
    TvReal v; /* y, growing upward in document coordinates */
} TvRealPoint;

/* A rectangle in document coordinates; top is not less than bottom. */
typedef struct TvRealRect {
    TvReal left;
    TvReal top;
    TvReal right;
    TvReal bottom;
} TvRealRect;

/* Maps (x, y) to (a x + c y + tx, b x + d y + ty). */
typedef struct TvRealMatrix {
    TvReal a, b, c, d, tx, ty;
} TvRealMatrix;

/* A point in pixels or dialog units (y grows downward). */
typedef struct TvIntPoint {
    int32_t h;
    int32_t v;
} TvIntPoint;

/* A rectangle in dialog coordinates: left, top, right, bottom. */
typedef struct TvIntRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
} TvIntRect;

/* Opaque references handed out by the host. The host validates every one it
 * is given back and answers an unknown reference with an error code. */
typedef struct TvPluginOpaque* TvPluginRef;
typedef struct TvArtOpaque* TvArtHandle;
typedef struct TvLayerOpaque* TvLayerHandle;
typedef struct TvMemoryOpaque* TvMemoryHandle;
typedef struct TvDocumentViewOpaque* TvDocumentViewHandle;
typedef struct TvFilterOpaque* TvFilterHandle;
typedef struct TvMenuItemOpaque* TvMenuItemHandle;
typedef struct TvDialogOpaque* TvDialogRef;
typedef struct TvItemOpaque* TvItemRef;
typedef struct TvListOpaque* TvListRef;
typedef struct TvEntryOpaque* TvEntryRef;
typedef struct TvTrackerOpaque* TvTrackerRef;
typedef struct TvNotifierOpaque* TvNotifierRef;

/* Colour kinds of a paint. Gray, process and RGB carry components in [0, 1];
 * the host may report the other kinds, which the plug-in treats opaquely. */
enum {
    TV_COLOR_GRAY = 0,    /* components[0] = gray level (0 black, 1 white) */
    TV_COLOR_PROCESS = 1, /* cyan, magenta, yellow, black */
    TV_COLOR_PATTERN = 2,
    TV_COLOR_CUSTOM = 3,
    TV_COLOR_GRADIENT = 4,
    TV_COLOR_RGB = 5, /* red, green, blue */
    TV_COLOR_NONE = 6
};

typedef struct TvColor {
    int32_t kind;
    TvReal components[4];
} TvColor;

typedef struct TvPathStyle {
    TvColor fill;
    TvColor stroke;
    TvReal strokeWidth;
    TvReal opacity;
} TvPathStyle;

/* Art types, as the matching request and the art-type query use them. */
enum { TV_ART_GROUP = 1, TV_ART_PATH = 2, TV_ART_COMPOUND_PATH = 3, TV_ART_TEXT = 4, TV_ART_PLACED = 7 };

/* Paint orders for duplicating art and inserting layers. */
enum { TV_PLACE_ABOVE_ALL = 5, TV_PLACE_BELOW_ALL = 6 };

#ifdef __cplusplus
} /* extern "C" */
static_assert(sizeof(TvRealRect) == 16, "TvRealRect layout");
static_assert(sizeof(TvRealMatrix) == 24, "TvRealMatrix layout");
static_assert(sizeof(TvIntRect) == 16, "TvIntRect layout");
static_assert(sizeof(TvColor) == 20, "TvColor layout");
static_assert(sizeof(TvPathStyle) == 48, "TvPathStyle layout");
#else
_Static_assert(sizeof(TvPathStyle) == 48, "TvPathStyle layout");
#endif

#endif
