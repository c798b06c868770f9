// The settings each filter's dialog edits, by the field names the plug-in's
// parameter block uses, with the dialog item that holds each one. The
// program sets a field by acting on its item, as a user would.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "resources/tovrins_ids.h"

namespace tovrins::app {

enum class FieldKind { CheckBox, Integer, Real, Popup };

struct Field {
    std::string_view name;
    int32_t item;
    FieldKind kind;
};

struct FilterInfo {
    std::string_view command;        // "rotate", as typed on the command line
    std::string_view registeredName; // the name the plug-in registers
    int32_t filterKind;              // 1 rotate, 2 scale, 3 translate
    std::span<const Field> fields;
    int32_t firstPictureButton;
    int32_t lastPictureButton;
};

// Dialog items with the same role in all three dialogs.
inline constexpr int32_t kZoomItem = item::kZoom;
inline constexpr int32_t kPresetItem = item::kPreset;
inline constexpr int32_t kShuffleItem = item::kShuffle;
inline constexpr int32_t kTumbleItem = item::kTumble;

std::span<const FilterInfo> allFilters();
// Throws UsageError listing the filters for an unknown command name.
const FilterInfo& filterByCommand(std::string_view command);
// Throws UsageError listing the filter's field names for an unknown one.
const Field& findField(const FilterInfo& filter, std::string_view name);
// "rotateCopies, rotateAngleStep, ..." in table order.
std::string fieldNames(const FilterInfo& filter);

std::string_view kindName(FieldKind kind);
// Throws UsageError when the text is not a value of the field's kind: a
// whole number for integer spin edits, a finite number for real ones, 0 or
// 1 for check boxes. Popups take an index or a label; which labels exist
// only the open dialog knows, so any non-empty text passes here. Returns
// the text as the dialog reads it: check boxes as 0 or 1, numbers without
// surrounding spaces or a '+', popup choices as plainChoice gives them.
std::string checkFieldValue(const Field& field, std::string_view text);

} // namespace tovrins::app
