// Defaults, presets, "Tumble" settings and popup labels of the scale filter.
#include "scale_settings.hpp"

#include <array>

#include "colour_target.hpp"

namespace tovrins {

namespace {

constexpr int32_t kUniformTranslation = 2;

// The words that every preset starts from. scaleZoom is the dialog's view
// setting, not part of the transformation, so a preset leaves it alone.
void writeResetValues(FilterParams& p)
{
    p.scalePreview = 1;
    p.scaleCopies = 7;
    p.scaleHorizontalScale = 96.0f;
    p.scaleVerticalScale = 96.0f;
    p.scaleHorizontalTranslation = 0.0f;
    p.scaleVerticalTranslation = 0.0f;
    p.scaleColourPercent = 100.0f;
    p.scaleCopiesPerLayer = 1;
    p.scaleBaseOnOriginal = 1;
    p.scaleDeleteOriginal = 1;
    p.scalePlaceAbove = 1;
    p.scalePreviewApplied = 0;
    p.scaleCentreMode = 0;
    p.scaleHorizontalScaleMode = 0;
    p.scaleVerticalScaleMode = 0;
    p.scaleLayerOption = 0;
    p.scaleInterpolate = 0;
    // The translation modes go back to the defaults' " Translation ... uniform"
    // rather than 0 (" Ignore ..."): otherwise " Default/Reset" would not give
    // a fresh block's settings and the offset steps of presets 3 and 7 would
    // be ignored.
    p.scaleHorizontalTranslationMode = kUniformTranslation;
    p.scaleVerticalTranslationMode = kUniformTranslation;
}

// Truncates toward zero, as the settings' integer fields expect.
int32_t truncated(double value) { return static_cast<int32_t>(value); }

double draw(RandomSource& random) { return static_cast<double>(random.next()); }

// "100 × R > percent", with its own draw.
bool chance(RandomSource& random, double percent) { return 100.0 * draw(random) > percent; }

// base + spread × R − spread × R, the two draws in that order.
float spreadAround(RandomSource& random, double base, double spread)
{
    const double up = spread * draw(random);
    const double down = spread * draw(random);
    return static_cast<float>(base + up - down);
}

constexpr std::array<std::string_view, 24> kCentreLabels = {
    " Copies scaling center default", " Top left path", " Bottom right path", " + Random 100pts",
    " Circular 500pts (new)", " Circular 500pts (original)", " Use last created path", " (0,0)",
    " Document center", " Document left", " Document right", " Document bottom",
    " Document top", " Upwards", " Distant", " Average of all paths",
    " Random", " Bend", " Splitter 1", " Splitter 2",
    " Splitter 3", " Splitter 4", " Tentacle 1", " Tentacle 2"};

constexpr std::array<std::string_view, 16> kHorizontalTranslationLabels = {
    " Ignore horizontal translation", " Translation as set", " Translation (horizontal) uniform",
    " Decreasing", " Increasing", " Slow start", " Slow down", " Skip", " Random *", " Rapid",
    " Random <= ", " Random either way", " Threshold", " Either way", " Doubled", " Uniform variant"};

constexpr std::array<std::string_view, 16> kVerticalTranslationLabels = {
    " Ignore vertical translation", " Translation as set", " Translation (vertical) uniform",
    " Decreasing", " Increasing", " Slow Start", " Slow down", " Skip a beat", " Random *", " Rapid",
    " Random <= ", " Random either way", " Threshold", " Either way", " Doubled", " Uniform variant"};

constexpr std::array<std::string_view, 3> kLayerOptionLabels = {
    " Layer options - Place on new layer", " All on layer", " No Layers"};

constexpr std::array<std::string_view, 8> kPresetLabels = {
    " Default/Reset", " Rapid scale ", " Random placement ", " To the right ",
    " Apple core ", " Scale to document centre ", " Tentacles ", " Tentacles spread"};

constexpr std::array<std::string_view, 14> kHorizontalScaleLabels = {
    " Horizontal scaling", " As set", " Accelerating", " Direction Reversed", " Skip", " Random", " Rapid",
    " Jumps", " Total random", " Threshold", " Either way", " Doubled alternate", " Addition", " Subtraction"};

constexpr std::array<std::string_view, 14> kVerticalScaleLabels = {
    " Vertical scaling", " As set", " Accelerating", " Direction reversed", " Skip", " Random", " Rapid",
    " Jumps", " Total random", " Threshold", " Either way", " Doubled alternate", " Addition", " Subtraction"};

} // namespace

void scaleWriteDefaults(FilterParams& p)
{
    p.filterKind = static_cast<int32_t>(FilterKind::Scale);
    p.scalePreviewApplied = 0;
    p.scaleBoundsSaved = 0;

    p.scalePreview = 1;
    p.scaleBaseOnOriginal = 1;
    p.scaleDeleteOriginal = 1;
    p.scalePlaceAbove = 1;
    p.scaleInterpolate = 0;
    p.scalePreset = 0;
    p.scaleCopies = 7;
    p.scaleCopiesPerLayer = 1;
    p.scaleCentreMode = 0;
    p.scaleHorizontalScaleMode = 0;
    p.scaleVerticalScaleMode = 0;
    p.scaleHorizontalTranslationMode = kUniformTranslation;
    p.scaleVerticalTranslationMode = kUniformTranslation;
    p.scaleLayerOption = 0;
    p.scaleColourPercent = 100.0f;
    p.scaleZoom = 100.0f;
    p.scaleHorizontalScale = 96.0f;
    p.scaleVerticalScale = 96.0f;
    p.scaleHorizontalTranslation = 0.0f;
    p.scaleVerticalTranslation = 0.0f;
}

void scaleApplyPreset(FilterParams& p, int32_t preset)
{
    p.scalePreset = preset;
    writeResetValues(p);
    switch (preset) {
    case 1: // " Rapid scale "
        p.scaleHorizontalScale = 70.0f;
        p.scaleVerticalScale = 70.0f;
        break;
    case 2: // " Random placement "
        p.scaleCentreMode = 3;
        p.scaleHorizontalScale = 70.0f;
        p.scaleVerticalScale = 70.0f;
        break;
    case 3: // " To the right "
        p.scaleCopies = 20;
        p.scaleHorizontalTranslation = 100.0f;
        break;
    case 4: // " Apple core "
        p.scaleCopies = 20;
        p.scaleHorizontalScale = 90.0f;
        break;
    case 5: // " Scale to document centre "
        p.scaleCentreMode = 8;
        p.scaleHorizontalScale = 70.0f;
        p.scaleVerticalScale = 70.0f;
        break;
    case 6: // " Tentacles "
    case 7: // " Tentacles spread"
        p.scaleCentreMode = 22;
        p.scaleHorizontalScale = 99.0f;
        p.scaleVerticalScale = 99.0f;
        p.scaleCopies = 200;
        if (preset == 7)
            p.scaleHorizontalTranslation = 10.0f;
        break;
    default: // " Default/Reset", and values no popup offers: the reset alone
        break;
    }
}

void scaleDrawRandomSettings(FilterParams& p, RandomSource& random)
{
    p.scaleCopies = 7;
    p.scaleHorizontalScale = 100.0f;
    p.scaleVerticalScale = 100.0f;
    p.scaleHorizontalTranslation = 0.0f;
    p.scaleVerticalTranslation = 0.0f;
    p.scaleCopiesPerLayer = 1;
    p.scaleColourPercent = 100.0f;
    p.scalePreviewApplied = 0;

    p.scaleCopies = 1 + truncated(200.0 * draw(random));
    p.scaleHorizontalScale = spreadAround(random, 100.0, 20.0);
    p.scaleVerticalScale = spreadAround(random, 100.0, 20.0);
    if (chance(random, 70.0)) {
        p.scaleHorizontalTranslation = spreadAround(random, 0.0, 80.0);
        p.scaleVerticalTranslation = spreadAround(random, 0.0, 80.0);
    }
    if (chance(random, 60.0))
        p.scaleColourPercent = static_cast<float>(100.0 - 30.0 * draw(random));
    if (chance(random, 70.0))
        p.scaleCentreMode = truncated(13.0 * draw(random));
    if (chance(random, 70.0)) {
        p.scaleHorizontalScaleMode = truncated(13.0 * draw(random));
        p.scaleVerticalScaleMode = truncated(13.0 * draw(random));
    }
    if (chance(random, 70.0)) {
        p.scaleHorizontalTranslationMode = truncated(15.0 * draw(random));
        p.scaleVerticalTranslationMode = truncated(15.0 * draw(random));
    }
    p.scaleInterpolate = truncated(14.0 * draw(random));
    if (chance(random, 70.0))
        p.scaleCopiesPerLayer = 1 + truncated(6.0 * draw(random));
}

std::span<const std::string_view> scalePopupLabels(int32_t itemId)
{
    switch (itemId) {
    case 30: return kCentreLabels;
    case 33: return kHorizontalTranslationLabels;
    case 34: return kVerticalTranslationLabels;
    case 35: return kLayerOptionLabels;
    case 36: return kPresetLabels;
    case 37: return kHorizontalScaleLabels;
    case 38: return kVerticalScaleLabels;
    case 39: return kInterpolateTargetLabels;
    default: return {};
    }
}

} // namespace tovrins
