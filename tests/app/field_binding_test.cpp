// The program's field table against the plug-in itself: every name is a
// member of FilterParams (the list below does not compile otherwise), and
// every item is the one the plug-in's dialog binds that member to.
#include <gtest/gtest.h>

#include "app/field_table.hpp"
#include "shell/filter_params.hpp"
#include "dialog/item_bindings.hpp"

namespace tovrins::app {
namespace {

using P = FilterParams;

struct Member {
    std::string_view name;
    int32_t P::*integer = nullptr;
    float P::*real = nullptr;
};
#define INTEGER(field)                                                                                                 \
    Member { #field, &P::field, nullptr }
#define REAL(field)                                                                                                    \
    Member { #field, nullptr, &P::field }

const Member kMembers[] = {
    INTEGER(rotateInterpolateMode),
    INTEGER(rotateCopies),
    INTEGER(rotateCopiesPerLayer),
    INTEGER(rotateCentreMode),
    INTEGER(rotateAngleMode),
    INTEGER(rotateRadialMode),
    INTEGER(rotateHorizontalMode),
    INTEGER(rotateVerticalMode),
    INTEGER(rotateLayerOption),
    INTEGER(rotatePreset),
    REAL(rotateColourFactor),
    REAL(rotateViewZoom),
    REAL(rotateAngleStep),
    REAL(rotateRadialStep),
    REAL(rotateHorizontalStep),
    REAL(rotateVerticalStep),
    INTEGER(rotateBaseOnOriginal),
    INTEGER(rotateDeleteOriginal),
    INTEGER(rotatePlaceAbove),
    INTEGER(rotatePreview),

    INTEGER(scalePreview),
    INTEGER(scaleBaseOnOriginal),
    INTEGER(scaleDeleteOriginal),
    INTEGER(scalePlaceAbove),
    INTEGER(scaleInterpolate),
    INTEGER(scalePreset),
    INTEGER(scaleCopies),
    INTEGER(scaleCopiesPerLayer),
    INTEGER(scaleCentreMode),
    INTEGER(scaleHorizontalScaleMode),
    INTEGER(scaleVerticalScaleMode),
    INTEGER(scaleHorizontalTranslationMode),
    INTEGER(scaleVerticalTranslationMode),
    INTEGER(scaleLayerOption),
    REAL(scaleColourPercent),
    REAL(scaleZoom),
    REAL(scaleHorizontalScale),
    REAL(scaleVerticalScale),
    REAL(scaleHorizontalTranslation),
    REAL(scaleVerticalTranslation),

    INTEGER(translateInterpolate),
    INTEGER(translatePreset),
    INTEGER(translateCopies),
    INTEGER(translateCopiesPerLayer),
    INTEGER(translatePlacement),
    INTEGER(translateVariation),
    INTEGER(translateLayerOption),
    REAL(translateColourPercent),
    REAL(translateZoom),
    REAL(translateHorizontal),
    REAL(translateVertical),
    INTEGER(translateDeleteOriginal),
    INTEGER(translateBaseOnOriginal),
    INTEGER(translatePreview),
    INTEGER(translatePlaceAbove),
};
#undef INTEGER
#undef REAL

const Member* memberNamed(std::string_view name)
{
    for (const Member& member : kMembers)
        if (member.name == name)
            return &member;
    return nullptr;
}

const Member* memberOf(const ItemBinding& binding)
{
    for (const Member& member : kMembers)
        if ((binding.integerField && member.integer == binding.integerField) ||
            (binding.realField && member.real == binding.realField))
            return &member;
    return nullptr;
}

FieldKind kindOf(ItemKind kind)
{
    switch (kind) {
    case ItemKind::CheckBox: return FieldKind::CheckBox;
    case ItemKind::IntegerSpin: return FieldKind::Integer;
    case ItemKind::RealSpin: return FieldKind::Real;
    case ItemKind::Popup: return FieldKind::Popup;
    }
    return FieldKind::Popup;
}

TEST(FieldBinding, EveryTableNameIsAFilterParamsMemberOfTheRightType)
{
    for (const FilterInfo& filter : allFilters())
        for (const Field& field : filter.fields) {
            const Member* member = memberNamed(field.name);
            ASSERT_NE(member, nullptr) << field.name << " is not a member of FilterParams";
            EXPECT_EQ(member->real != nullptr, field.kind == FieldKind::Real) << field.name;
        }
}

TEST(FieldBinding, ItemsMatchThePluginsBindings)
{
    for (const FilterInfo& filter : allFilters()) {
        const auto bindings = itemBindings(filter.filterKind);
        ASSERT_FALSE(bindings.empty()) << filter.command;
        for (const ItemBinding& binding : bindings) {
            const Member* member = memberOf(binding);
            ASSERT_NE(member, nullptr) << filter.command << " item " << binding.item;
            const Field& field = findField(filter, member->name);
            EXPECT_EQ(field.item, binding.item) << field.name;
            EXPECT_EQ(field.kind, kindOf(binding.kind)) << field.name;
        }
        // Beyond the bound values: the zoom field and the presets popup.
        EXPECT_EQ(filter.fields.size(), bindings.size() + 2) << filter.command;
    }
}

TEST(FieldBinding, ZoomAndPresetFieldsAreTheFiltersOwn)
{
    const std::string_view presets[] = {"rotatePreset", "scalePreset", "translatePreset"};
    for (const FilterInfo& filter : allFilters()) {
        const FilterWords* words = filterWords(filter.filterKind);
        ASSERT_NE(words, nullptr);
        int zoomFields = 0;
        for (const Field& field : filter.fields) {
            if (field.item != kZoomItem)
                continue;
            ++zoomFields;
            EXPECT_EQ(memberNamed(field.name)->real, words->zoom) << field.name;
        }
        EXPECT_EQ(zoomFields, 1) << filter.command;
        const Field& preset = findField(filter, presets[filter.filterKind - 1]);
        EXPECT_EQ(preset.item, kPresetItem);
        EXPECT_EQ(preset.kind, FieldKind::Popup);
    }
}

} // namespace
} // namespace tovrins::app
