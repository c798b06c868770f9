// The parameter block of one filter: 77 words of 32 bits that the host keeps
// between commands. All three filters share the layout; each reads and
// writes only its own header words and section.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tovrins {

struct DialogBounds {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

enum class FilterKind : int32_t { Rotate = 1, Scale = 2, Translate = 3 };

// The value a mode field of the block stores for a mode's enumerator.
template <class Mode> constexpr int32_t modeValue(Mode mode) { return static_cast<int32_t>(mode); }

struct FilterParams {
    // Header (words 0 to 18).
    int32_t rotatePreviewApplied;
    int32_t scalePreviewApplied;
    int32_t translatePreviewApplied;
    int32_t rotateGoRun;
    int32_t scaleGoRun;
    int32_t translateGoRun;
    DialogBounds rotateDialogBounds;
    DialogBounds scaleDialogBounds;
    DialogBounds translateDialogBounds;
    int32_t filterKind;

    // Rotate section (words 19 to 38).
    int32_t rotateInterpolateMode;
    int32_t rotateCopies;
    int32_t rotateCopiesPerLayer;
    int32_t rotateCentreMode;
    int32_t rotateAngleMode;
    int32_t rotateRadialMode;
    int32_t rotateHorizontalMode;
    int32_t rotateVerticalMode;
    int32_t rotateLayerOption;
    int32_t rotatePreset;
    float rotateColourFactor;
    float rotateViewZoom;
    float rotateAngleStep;
    float rotateRadialStep;
    float rotateHorizontalStep;
    float rotateVerticalStep;
    int32_t rotateBaseOnOriginal;
    int32_t rotateDeleteOriginal;
    int32_t rotatePlaceAbove;
    int32_t rotatePreview;

    // Bounds-saved flags (words 39 to 41).
    int32_t rotateBoundsSaved;
    int32_t scaleBoundsSaved;
    int32_t translateBoundsSaved;

    // Scale section (words 42 to 61).
    int32_t scalePreview;
    int32_t scaleBaseOnOriginal;
    int32_t scaleDeleteOriginal;
    int32_t scalePlaceAbove;
    int32_t scaleInterpolate;
    int32_t scalePreset;
    int32_t scaleCopies;
    int32_t scaleCopiesPerLayer;
    int32_t scaleCentreMode;
    int32_t scaleHorizontalScaleMode;
    int32_t scaleVerticalScaleMode;
    int32_t scaleHorizontalTranslationMode;
    int32_t scaleVerticalTranslationMode;
    int32_t scaleLayerOption;
    float scaleColourPercent;
    float scaleZoom;
    float scaleHorizontalScale;
    float scaleVerticalScale;
    float scaleHorizontalTranslation;
    float scaleVerticalTranslation;

    // Translate section (words 62 to 76).
    int32_t translateInterpolate;
    int32_t translatePreset;
    int32_t translateCopies;
    int32_t translateCopiesPerLayer;
    int32_t translatePlacement;
    int32_t translateVariation;
    int32_t translateLayerOption;
    float translateColourPercent;
    float translateZoom;
    float translateHorizontal;
    float translateVertical;
    int32_t translateDeleteOriginal;
    int32_t translateBaseOnOriginal;
    int32_t translatePreview;
    int32_t translatePlaceAbove;
};

inline constexpr std::size_t kFilterParamsWords = 77;

#define TOVRINS_WORD(field, word)                                                                                      \
    static_assert(offsetof(FilterParams, field) == (word)*4, #field " sits at word " #word)
TOVRINS_WORD(rotatePreviewApplied, 0);
TOVRINS_WORD(scalePreviewApplied, 1);
TOVRINS_WORD(translatePreviewApplied, 2);
TOVRINS_WORD(rotateGoRun, 3);
TOVRINS_WORD(scaleGoRun, 4);
TOVRINS_WORD(translateGoRun, 5);
TOVRINS_WORD(rotateDialogBounds, 6);
TOVRINS_WORD(scaleDialogBounds, 10);
TOVRINS_WORD(translateDialogBounds, 14);
TOVRINS_WORD(filterKind, 18);
TOVRINS_WORD(rotateInterpolateMode, 19);
TOVRINS_WORD(rotateCopies, 20);
TOVRINS_WORD(rotateCopiesPerLayer, 21);
TOVRINS_WORD(rotateCentreMode, 22);
TOVRINS_WORD(rotateAngleMode, 23);
TOVRINS_WORD(rotateRadialMode, 24);
TOVRINS_WORD(rotateHorizontalMode, 25);
TOVRINS_WORD(rotateVerticalMode, 26);
TOVRINS_WORD(rotateLayerOption, 27);
TOVRINS_WORD(rotatePreset, 28);
TOVRINS_WORD(rotateColourFactor, 29);
TOVRINS_WORD(rotateViewZoom, 30);
TOVRINS_WORD(rotateAngleStep, 31);
TOVRINS_WORD(rotateRadialStep, 32);
TOVRINS_WORD(rotateHorizontalStep, 33);
TOVRINS_WORD(rotateVerticalStep, 34);
TOVRINS_WORD(rotateBaseOnOriginal, 35);
TOVRINS_WORD(rotateDeleteOriginal, 36);
TOVRINS_WORD(rotatePlaceAbove, 37);
TOVRINS_WORD(rotatePreview, 38);
TOVRINS_WORD(rotateBoundsSaved, 39);
TOVRINS_WORD(scaleBoundsSaved, 40);
TOVRINS_WORD(translateBoundsSaved, 41);
TOVRINS_WORD(scalePreview, 42);
TOVRINS_WORD(scaleBaseOnOriginal, 43);
TOVRINS_WORD(scaleDeleteOriginal, 44);
TOVRINS_WORD(scalePlaceAbove, 45);
TOVRINS_WORD(scaleInterpolate, 46);
TOVRINS_WORD(scalePreset, 47);
TOVRINS_WORD(scaleCopies, 48);
TOVRINS_WORD(scaleCopiesPerLayer, 49);
TOVRINS_WORD(scaleCentreMode, 50);
TOVRINS_WORD(scaleHorizontalScaleMode, 51);
TOVRINS_WORD(scaleVerticalScaleMode, 52);
TOVRINS_WORD(scaleHorizontalTranslationMode, 53);
TOVRINS_WORD(scaleVerticalTranslationMode, 54);
TOVRINS_WORD(scaleLayerOption, 55);
TOVRINS_WORD(scaleColourPercent, 56);
TOVRINS_WORD(scaleZoom, 57);
TOVRINS_WORD(scaleHorizontalScale, 58);
TOVRINS_WORD(scaleVerticalScale, 59);
TOVRINS_WORD(scaleHorizontalTranslation, 60);
TOVRINS_WORD(scaleVerticalTranslation, 61);
TOVRINS_WORD(translateInterpolate, 62);
TOVRINS_WORD(translatePreset, 63);
TOVRINS_WORD(translateCopies, 64);
TOVRINS_WORD(translateCopiesPerLayer, 65);
TOVRINS_WORD(translatePlacement, 66);
TOVRINS_WORD(translateVariation, 67);
TOVRINS_WORD(translateLayerOption, 68);
TOVRINS_WORD(translateColourPercent, 69);
TOVRINS_WORD(translateZoom, 70);
TOVRINS_WORD(translateHorizontal, 71);
TOVRINS_WORD(translateVertical, 72);
TOVRINS_WORD(translateDeleteOriginal, 73);
TOVRINS_WORD(translateBaseOnOriginal, 74);
TOVRINS_WORD(translatePreview, 75);
TOVRINS_WORD(translatePlaceAbove, 76);
#undef TOVRINS_WORD
static_assert(sizeof(FilterParams) == kFilterParamsWords * 4, "FilterParams is 77 words, 308 bytes");
static_assert(sizeof(FilterParams) == 308);

// Writes filterKind, the kind's preview-applied and bounds-saved flags and
// the kind's section defaults; no other word.
void writeDefaults(FilterParams& params, FilterKind kind);

} // namespace tovrins
