// Creates the items of a filter dialog one by one through the ADM suites,
// in the order and with the settings the builders give them.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "shell/filter_params.hpp"
#include "sdk/tv_sdk.h"

namespace tovrins {

// An item rectangle: left, top, right, bottom in dialog coordinates.
constexpr TvIntRect itemRect(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    return {left, top, right, bottom};
}

// Rows of the left and middle columns: 20 high, every 23 units from y 10.
constexpr int32_t dialogRow(int32_t index) { return 10 + 23 * index; }

// A spin edit of the middle column and a popup of the left column, by row.
constexpr TvIntRect spinRect(int32_t row) { return itemRect(180, dialogRow(row), 240, dialogRow(row) + 20); }
constexpr TvIntRect popupRect(int32_t row) { return itemRect(10, dialogRow(row), 175, dialogRow(row) + 20); }

class DialogBuilder {
public:
    explicit DialogBuilder(TvDialogRef dialog) : dialog_(dialog) { }

    // Puts the dialog back where it was accepted, then gives it its size.
    void placeAndSize(const DialogBounds& saved, bool boundsSaved, int32_t width, int32_t height);

    void integerSpin(int32_t id, TvIntRect rect, int32_t value, int32_t minimum, int32_t maximum, TvADMNotifyProc proc);
    void realSpin(int32_t id, TvIntRect rect, float value, float minimum, float maximum, TvADMNotifyProc proc);
    // The zoom field takes its units, limits and precision before its value.
    void zoomSpin(int32_t id, TvIntRect rect, float value, TvADMNotifyProc proc);
    void checkBox(int32_t id, TvIntRect rect, int32_t value, TvADMNotifyProc proc, const char* label);
    void pictureButton(int32_t id, TvIntRect rect, TvADMTrackProc proc);
    void textButton(int32_t id, TvIntRect rect, TvADMNotifyProc proc, const char* label);
    void staticText(int32_t id, TvIntRect rect, const char* label);
    void popup(int32_t id, TvIntRect rect, TvADMNotifyProc proc);
    // Inserts every label at its index with its index as id, then selects
    // the entry whose index is selected.
    void fillPopup(int32_t id, std::span<const std::string_view> labels, int32_t selected);
    // The items every filter dialog has, at the same places in each.
    void zoomField(float value);
    void previewBox(int32_t value);
    void presetPopup();
    // "Cancel", "Shuffle", "Tumble" and, in the free slot above "Cancel",
    // "OK" with okProc.
    void commandButtons(TvADMNotifyProc okProc);
    // "Base on original", "Delete original [on OK]" and "Place above", one
    // below the other from top.
    void optionBoxes(int32_t top, int32_t baseOnOriginal, int32_t deleteOriginal, int32_t placeAbove);
    // The mode popups, one per row from firstRow, with the change notifier.
    void modePopups(std::span<const int32_t> ids, int32_t firstRow);
    // The picture buttons from the first pick id on, beside the given rows.
    void pictureButtons(std::span<const int32_t> rows);

    // Attaches proc to an item that already exists.
    void attach(int32_t id, TvADMNotifyProc proc);

    // Gathers the selection afresh and announces a change to the copies
    // field, which fills the block from the items and makes the first preview.
    void finish();

private:
    TvItemRef create(int32_t id, const char* type, TvIntRect rect);

    TvDialogRef dialog_;
};

// What every filter dialog's init procedure does around its own layout:
// finds the block in the dialog's user data (when it cannot, the dialog
// closes at once and the command reports the host's code), lets layOut
// create the filter's items from it, then finishes.
TvErr buildFilterDialog(TvDialogRef dialog, void (*layOut)(DialogBuilder&, const FilterParams&));

} // namespace tovrins
