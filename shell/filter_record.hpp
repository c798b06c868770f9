// What the shared shell and dialog procedures know of one filter. Each filter
// folder fills one record; shell/filter_registry lists the records, so the
// shared code reaches a filter only through its record and names none.
#pragma once

#include <cstdint>
#include <span>

#include "shell/filter_params.hpp"
#include "shell/host_services.hpp"
#include "shell/plugin_globals.hpp"
#include "sdk/tv_sdk.h"

namespace tovrins {

enum class ItemKind { CheckBox, IntegerSpin, RealSpin, Popup };

// Which dialog item holds which field of FilterParams.
struct ItemBinding {
    int32_t item;
    ItemKind kind;
    int32_t FilterParams::*integerField = nullptr; // check boxes, integer spins, popups
    float FilterParams::*realField = nullptr;      // real spins
};

namespace binding {
constexpr ItemBinding check(int32_t item, int32_t FilterParams::*field)
{
    return {item, ItemKind::CheckBox, field, nullptr};
}
constexpr ItemBinding integer(int32_t item, int32_t FilterParams::*field)
{
    return {item, ItemKind::IntegerSpin, field, nullptr};
}
constexpr ItemBinding real(int32_t item, float FilterParams::*field)
{
    return {item, ItemKind::RealSpin, nullptr, field};
}
constexpr ItemBinding popup(int32_t item, int32_t FilterParams::*field)
{
    return {item, ItemKind::Popup, field, nullptr};
}
} // namespace binding

// The header words and dialog-only fields of one filter.
struct FilterWords {
    int32_t FilterParams::*previewApplied;
    int32_t FilterParams::*goRun;
    int32_t FilterParams::*preview;
    float FilterParams::*zoom;
    DialogBounds FilterParams::*bounds;
    int32_t FilterParams::*boundsSaved;
    int32_t FilterParams::*preset;
};

// What a picture button takes from the artwork point it picks.
enum class PickSource {
    CopiesFromX,       // 1 - trunc(x / -7), an integer field
    AngleToViewCentre, // the angle from the view's centre to the point, in degrees
    X,                 // x times scale
    Y,                 // y times scale
};

inline constexpr float kOneThird = 0.33333334f; // nearest single to 1/3

// A picture button, the field and spin edit it sets, and how.
struct PickBinding {
    int32_t button;
    int32_t item;
    PickSource source;
    float scale = 1.0f;
    int32_t FilterParams::*integerField = nullptr;
    float FilterParams::*realField = nullptr;
};

// An item enabled only while a mode field is not 0.
struct ModeEnable {
    int32_t item;
    int32_t FilterParams::*mode;
};

struct FilterRecord {
    FilterKind kind;
    const char* registeredName;            // the name the filter registers with the host
    TvFilterHandle PluginGlobals::*handle; // where its registered handle is kept
    int32_t menuCategoryString;            // indices in the menu text list
    int32_t menuTitleString;
    const char* dialogName;
    TvADMDialogInitProc dialogBuilder;
    TvErr (*engine)(FilterParams&);
    // Writes the section's values that its defaults and every preset start
    // from: all but the zoom, which a preset keeps, and the preset itself.
    void (*resetSection)(FilterParams&);
    void (*applyPreset)(FilterParams&, int32_t preset);
    void (*drawRandomSettings)(FilterParams&, RandomSource&);
    FilterWords words;
    std::span<const ItemBinding> items;
    std::span<const PickBinding> picks;
    std::span<const ModeEnable> modeEnables;
};

// A fresh block's words for the filter: filterKind, the preview-applied and
// bounds-saved flags cleared, the section reset, the first preset (the reset,
// 0 in every filter) and a zoom of 100; no other word.
void writeDefaults(FilterParams& params, const FilterRecord& filter);

} // namespace tovrins
