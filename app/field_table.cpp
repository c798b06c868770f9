#include "field_table.hpp"

#include <array>
#include <cmath>
#include <limits>

#include "app_error.hpp"
#include "text_parsing.hpp"

namespace tovrins::app {

namespace {

using enum FieldKind;

constexpr std::array<Field, 20> kRotateFields{{
    {"rotateCopies", 4, Integer},
    {"rotateAngleStep", 5, Real},
    {"rotateRadialStep", 6, Real},
    {"rotateHorizontalStep", 7, Real},
    {"rotateVerticalStep", 8, Real},
    {"rotateCopiesPerLayer", 9, Integer},
    {"rotateViewZoom", kZoomItem, Real},
    {"rotateColourFactor", 13, Real},
    {"rotatePreview", 3, CheckBox},
    {"rotateBaseOnOriginal", 20, CheckBox},
    {"rotateDeleteOriginal", 21, CheckBox},
    {"rotatePlaceAbove", 22, CheckBox},
    {"rotateCentreMode", 30, Popup},
    {"rotateAngleMode", 31, Popup},
    {"rotateRadialMode", 32, Popup},
    {"rotateHorizontalMode", 33, Popup},
    {"rotateVerticalMode", 34, Popup},
    {"rotateLayerOption", 35, Popup},
    {"rotatePreset", kPresetItem, Popup},
    {"rotateInterpolateMode", 39, Popup},
}};

constexpr std::array<Field, 20> kScaleFields{{
    {"scaleCopies", 4, Integer},
    {"scaleHorizontalTranslation", 7, Real},
    {"scaleVerticalTranslation", 8, Real},
    {"scaleCopiesPerLayer", 9, Integer},
    {"scaleZoom", kZoomItem, Real},
    {"scaleHorizontalScale", 11, Real},
    {"scaleVerticalScale", 12, Real},
    {"scaleColourPercent", 13, Real},
    {"scalePreview", 3, CheckBox},
    {"scaleBaseOnOriginal", 20, CheckBox},
    {"scaleDeleteOriginal", 21, CheckBox},
    {"scalePlaceAbove", 22, CheckBox},
    {"scaleCentreMode", 30, Popup},
    {"scaleHorizontalTranslationMode", 33, Popup},
    {"scaleVerticalTranslationMode", 34, Popup},
    {"scaleLayerOption", 35, Popup},
    {"scalePreset", kPresetItem, Popup},
    {"scaleHorizontalScaleMode", 37, Popup},
    {"scaleVerticalScaleMode", 38, Popup},
    {"scaleInterpolate", 39, Popup},
}};

constexpr std::array<Field, 15> kTranslateFields{{
    {"translateCopies", 4, Integer},
    {"translateHorizontal", 7, Real},
    {"translateVertical", 8, Real},
    {"translateCopiesPerLayer", 9, Integer},
    {"translateZoom", kZoomItem, Real},
    {"translateColourPercent", 13, Real},
    {"translatePreview", 3, CheckBox},
    {"translateBaseOnOriginal", 20, CheckBox},
    {"translateDeleteOriginal", 21, CheckBox},
    {"translatePlaceAbove", 22, CheckBox},
    {"translatePlacement", 33, Popup},
    {"translateVariation", 34, Popup},
    {"translateLayerOption", 35, Popup},
    {"translatePreset", kPresetItem, Popup},
    {"translateInterpolate", 39, Popup},
}};

const std::array<FilterInfo, 3> kFilters{{
    {"rotate", "KM47_TovrinRotate", 1, kRotateFields, 60, 65},
    {"scale", "KM47_TovrinScale", 2, kScaleFields, 60, 65},
    {"translate", "KM47_TovrinTranslate", 3, kTranslateFields, 60, 63},
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
