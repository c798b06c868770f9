#include "dialog/dialog_builder.hpp"

#include <string>

#include "dialog/item_bindings.hpp"
#include "dialog/notifiers.hpp"
#include "resources/tovrins_ids.h"
#include "shell/selection.hpp"
#include "shell/suites.hpp"

namespace tovrins {

// The ADM calls of a builder are not checked one by one: a dialog that lacks
// an item still opens, and the notifiers skip items they cannot reach.

void DialogBuilder::placeAndSize(const DialogBounds& saved, bool boundsSaved, int32_t width, int32_t height)
{
    if (boundsSaved) {
        const TvIntRect bounds{saved.left, saved.top, saved.right, saved.bottom};
        suites().dialog->setBoundsRect(dialog_, &bounds);
    }
    suites().dialog->setSize(dialog_, width, height);
}

TvItemRef DialogBuilder::create(int32_t id, const char* type, TvIntRect rect)
{
    TvItemRef item = nullptr;
    if (suites().dialog->createItem(dialog_, id, type, &rect, &item) != 0)
        return nullptr;
    return item;
}

void DialogBuilder::integerSpin(int32_t id, TvIntRect rect, int32_t value, int32_t minimum, int32_t maximum,
                                TvADMNotifyProc proc)
{
    TvItemRef item = create(id, kTvADMSpinEditType, rect);
    if (item == nullptr)
        return;
    const TvADMItemSuiteV4& s = *suites().item;
    s.setIntValue(item, value);
    s.setMinIntValue(item, minimum);
    s.setMaxIntValue(item, maximum);
    s.setUnits(item, TV_UNITS_NONE);
    s.setNotifyProc(item, proc);
}

void DialogBuilder::realSpin(int32_t id, TvIntRect rect, float value, float minimum, float maximum,
                             TvADMNotifyProc proc)
{
    TvItemRef item = create(id, kTvADMSpinEditType, rect);
    if (item == nullptr)
        return;
    const TvADMItemSuiteV4& s = *suites().item;
    s.setFloatValue(item, value);
    s.setMinFloatValue(item, minimum);
    s.setMaxFloatValue(item, maximum);
    s.setUnits(item, TV_UNITS_NONE);
    s.setPrecision(item, 2);
    s.setNotifyProc(item, proc);
}

void DialogBuilder::zoomSpin(int32_t id, TvIntRect rect, float value, TvADMNotifyProc proc)
{
    TvItemRef item = create(id, kTvADMSpinEditType, rect);
    if (item == nullptr)
        return;
    const TvADMItemSuiteV4& s = *suites().item;
    s.setUnits(item, TV_UNITS_NONE);
    s.setMinFloatValue(item, 1.0f);
    s.setMaxFloatValue(item, 500.0f);
    s.setPrecision(item, 2);
    s.setFloatValue(item, value);
    s.setNotifyProc(item, proc);
}

void DialogBuilder::checkBox(int32_t id, TvIntRect rect, int32_t value, TvADMNotifyProc proc, const char* label)
{
    TvItemRef item = create(id, kTvADMTextCheckBoxType, rect);
    if (item == nullptr)
        return;
    suites().item->setBooleanValue(item, value);
    suites().item->setNotifyProc(item, proc);
    suites().item->setText(item, label);
}

void DialogBuilder::pictureButton(int32_t id, TvIntRect rect, TvADMTrackProc proc)
{
    if (TvItemRef item = create(id, kTvADMPicturePushButtonType, rect))
        suites().item->setTrackProc(item, proc);
}

void DialogBuilder::textButton(int32_t id, TvIntRect rect, TvADMNotifyProc proc, const char* label)
{
    TvItemRef item = create(id, kTvADMTextPushButtonType, rect);
    if (item == nullptr)
        return;
    if (proc != nullptr)
        suites().item->setNotifyProc(item, proc);
    suites().item->setText(item, label);
}

void DialogBuilder::staticText(int32_t id, TvIntRect rect, const char* label)
{
    if (TvItemRef item = create(id, kTvADMTextStaticType, rect))
        suites().item->setText(item, label);
}

void DialogBuilder::popup(int32_t id, TvIntRect rect, TvADMNotifyProc proc)
{
    if (TvItemRef item = create(id, kTvADMPopupListType, rect))
        suites().item->setNotifyProc(item, proc);
}

void DialogBuilder::fillPopup(int32_t id, std::span<const std::string_view> labels, int32_t selected)
{
    TvItemRef item = nullptr;
    TvListRef list = nullptr;
    if (suites().dialog->getItem(dialog_, id, &item) != 0 || suites().item->getList(item, &list) != 0)
        return;
    for (std::size_t index = 0; index < labels.size(); ++index) {
        TvEntryRef entry = nullptr;
        const auto position = static_cast<int32_t>(index);
        if (suites().list->insertEntry(list, position, &entry) != 0)
            continue;
        suites().entry->setText(entry, std::string(labels[index]).c_str());
        suites().entry->setID(entry, position);
    }
    TvEntryRef chosen = nullptr;
    if (suites().list->indexEntry(list, selected, &chosen) == 0 && chosen != nullptr)
        suites().entry->select(chosen, 1);
}

void DialogBuilder::zoomField(float value) { zoomSpin(item::kZoom, itemRect(315, 275, 375, 295), value, zoomNotifier); }

void DialogBuilder::previewBox(int32_t value)
{
    checkBox(item::kPreview, itemRect(295, 130, 375, 144), value, changeNotifier, "Preview");
}

void DialogBuilder::presetPopup() { popup(item::kPreset, itemRect(295, 154, 375, 174), presetNotifier); }

void DialogBuilder::commandButtons(TvADMNotifyProc okProc)
{
    textButton(item::kCancel, itemRect(295, 40, 375, 60), nullptr, "Cancel");
    textButton(item::kShuffle, itemRect(295, 70, 375, 90), changeNotifier, "Shuffle");
    textButton(item::kTumble, itemRect(295, 100, 375, 120), tumbleNotifier, "Tumble");
    // The host's default handling of OK ends the dialog with its id.
    textButton(item::kOk, itemRect(295, 10, 375, 30), okProc, "OK");
}

void DialogBuilder::optionBoxes(int32_t top, int32_t baseOnOriginal, int32_t deleteOriginal, int32_t placeAbove)
{
    checkBox(item::kBaseOnOriginal, itemRect(10, top, 240, top + 14), baseOnOriginal, changeNotifier,
             "Base on original");
    checkBox(item::kDeleteOriginal, itemRect(10, top + 17, 240, top + 31), deleteOriginal, changeNotifier,
             "Delete original [on OK]");
    checkBox(item::kPlaceAbove, itemRect(10, top + 34, 240, top + 48), placeAbove, changeNotifier, "Place above");
}

void DialogBuilder::modePopups(std::span<const int32_t> ids, int32_t firstRow)
{
    for (std::size_t index = 0; index < ids.size(); ++index)
        popup(ids[index], popupRect(firstRow + static_cast<int32_t>(index)), changeNotifier);
}

void DialogBuilder::pictureButtons(std::span<const int32_t> rows)
{
    for (std::size_t index = 0; index < rows.size(); ++index)
        pictureButton(item::kFirstPick + static_cast<int32_t>(index),
                      itemRect(250, dialogRow(rows[index]), 270, dialogRow(rows[index]) + 20), pickTracker);
}

void DialogBuilder::attach(int32_t id, TvADMNotifyProc proc)
{
    TvItemRef item = nullptr;
    if (suites().dialog->getItem(dialog_, id, &item) == 0)
        suites().item->setNotifyProc(item, proc);
}

void DialogBuilder::finish()
{
    gatherSelection(); // the previews and the Go that follows work on this list
    announceChange(dialog_);
}

TvErr buildFilterDialog(TvDialogRef dialog, void (*layOut)(DialogBuilder&, const FilterParams&))
{
    FilterParams* found = nullptr;
    if (const TvErr code = dialogParams(dialog, found); code != TV_ERR_NONE)
        return code;
    DialogBuilder builder(dialog);
    layOut(builder, *found);
    builder.finish();
    return TV_ERR_NONE;
}

} // namespace tovrins
