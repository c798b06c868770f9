#include "app/field_table.hpp"

#include <array>
#include <cmath>
#include <limits>

#include "app/app_error.hpp"
#include "app/text_parsing.hpp"

namespace tovrins::app {

namespace {

using enum FieldKind;

constexpr std::array<Field, 20> kRotateFields{{
    {"rotateCopies", item::kCopies, Integer},
    {"rotateAngleStep", item::kAngleStep, Real},
    {"rotateRadialStep", item::kRadialStep, Real},
    {"rotateHorizontalStep", item::kHorizontalStep, Real},
    {"rotateVerticalStep", item::kVerticalStep, Real},
    {"rotateCopiesPerLayer", item::kCopiesPerLayer, Integer},
    {"rotateViewZoom", kZoomItem, Real},
    {"rotateColourFactor", item::kColourPercent, Real},
    {"rotatePreview", item::kPreview, CheckBox},
    {"rotateBaseOnOriginal", item::kBaseOnOriginal, CheckBox},
    {"rotateDeleteOriginal", item::kDeleteOriginal, CheckBox},
    {"rotatePlaceAbove", item::kPlaceAbove, CheckBox},
    {"rotateCentreMode", item::kCentreMode, Popup},
    {"rotateAngleMode", item::kAngleMode, Popup},
    {"rotateRadialMode", item::kRadialMode, Popup},
    {"rotateHorizontalMode", item::kHorizontalMode, Popup},
    {"rotateVerticalMode", item::kVerticalMode, Popup},
    {"rotateLayerOption", item::kLayerOption, Popup},
    {"rotatePreset", kPresetItem, Popup},
    {"rotateInterpolateMode", item::kColourTarget, Popup},
}};

constexpr std::array<Field, 20> kScaleFields{{
    {"scaleCopies", item::kCopies, Integer},
    {"scaleHorizontalTranslation", item::kHorizontalStep, Real},
    {"scaleVerticalTranslation", item::kVerticalStep, Real},
    {"scaleCopiesPerLayer", item::kCopiesPerLayer, Integer},
    {"scaleZoom", kZoomItem, Real},
    {"scaleHorizontalScale", item::kHorizontalScale, Real},
    {"scaleVerticalScale", item::kVerticalScale, Real},
    {"scaleColourPercent", item::kColourPercent, Real},
    {"scalePreview", item::kPreview, CheckBox},
    {"scaleBaseOnOriginal", item::kBaseOnOriginal, CheckBox},
    {"scaleDeleteOriginal", item::kDeleteOriginal, CheckBox},
    {"scalePlaceAbove", item::kPlaceAbove, CheckBox},
    {"scaleCentreMode", item::kCentreMode, Popup},
    {"scaleHorizontalTranslationMode", item::kHorizontalMode, Popup},
    {"scaleVerticalTranslationMode", item::kVerticalMode, Popup},
    {"scaleLayerOption", item::kLayerOption, Popup},
    {"scalePreset", kPresetItem, Popup},
    {"scaleHorizontalScaleMode", item::kHorizontalScaleMode, Popup},
    {"scaleVerticalScaleMode", item::kVerticalScaleMode, Popup},
    {"scaleInterpolate", item::kColourTarget, Popup},
}};

constexpr std::array<Field, 15> kTranslateFields{{
    {"translateCopies", item::kCopies, Integer},
    {"translateHorizontal", item::kHorizontalStep, Real},
    {"translateVertical", item::kVerticalStep, Real},
    {"translateCopiesPerLayer", item::kCopiesPerLayer, Integer},
    {"translateZoom", kZoomItem, Real},
    {"translateColourPercent", item::kColourPercent, Real},
    {"translatePreview", item::kPreview, CheckBox},
    {"translateBaseOnOriginal", item::kBaseOnOriginal, CheckBox},
    {"translateDeleteOriginal", item::kDeleteOriginal, CheckBox},
    {"translatePlaceAbove", item::kPlaceAbove, CheckBox},
    {"translatePlacement", item::kPlacement, Popup},
    {"translateVariation", item::kVariation, Popup},
    {"translateLayerOption", item::kLayerOption, Popup},
    {"translatePreset", kPresetItem, Popup},
    {"translateInterpolate", item::kColourTarget, Popup},
}};

const std::array<FilterInfo, 3> kFilters{{
    {"rotate", "KM47_TovrinRotate", 1, kRotateFields, item::kFirstPick, item::kFirstPick + 5},
    {"scale", "KM47_TovrinScale", 2, kScaleFields, item::kFirstPick, item::kFirstPick + 5},
    {"translate", "KM47_TovrinTranslate", 3, kTranslateFields, item::kFirstPick, item::kFirstPick + 3},
}};

} // namespace

std::span<const FilterInfo> allFilters() { return kFilters; }

const FilterInfo& filterByCommand(std::string_view command)
{
    for (const FilterInfo& filter : kFilters)
        if (filter.command == command)
            return filter;
    throw UsageError("unknown filter '" + std::string(command) + "'; the filters are rotate, scale and translate");
}

const Field& findField(const FilterInfo& filter, std::string_view name)
{
    for (const Field& field : filter.fields)
        if (field.name == name)
            return field;
    throw UsageError("the " + std::string(filter.command) + " filter has no setting '" + std::string(name) +
                     "'; its settings are " + fieldNames(filter));
}

std::string fieldNames(const FilterInfo& filter)
{
    std::string names;
    for (const Field& field : filter.fields) {
        if (!names.empty())
            names += ", ";
        names += field.name;
    }
    return names;
}

std::string_view kindName(FieldKind kind)
{
    switch (kind) {
    case CheckBox: return "check box";
    case Integer: return "whole-number field";
    case Real: return "number field";
    case Popup: return "popup list";
    }
    return "item";
}

std::string checkFieldValue(const Field& field, std::string_view text)
{
    const auto refuse = [&](std::string_view wants) {
        throw UsageError("the value '" + std::string(text) + "' cannot be set into " + std::string(field.name) +
                         ", a " + std::string(kindName(field.kind)) + ", which takes " + std::string(wants));
    };
    switch (field.kind) {
    case CheckBox: {
        const auto v = parseInteger(text);
        if (!v || (*v != 0 && *v != 1))
            refuse("0 or 1");
        return std::to_string(*v);
    }
    case Integer: {
        const auto v = parseInteger(text);
        if (!v || *v < std::numeric_limits<int32_t>::min() || *v > std::numeric_limits<int32_t>::max())
            refuse("a whole number");
        return plainNumber(text);
    }
    case Real: {
        // The block stores single-precision numbers.
        const auto v = parseReal(text);
        if (!v || std::abs(*v) > std::numeric_limits<float>::max())
            refuse("a number");
        return plainNumber(text);
    }
    case Popup:
        if (trimSpaces(text).empty())
            refuse("an entry's index or label");
        return plainChoice(text);
    }
    return std::string(text);
}

} // namespace tovrins::app
