#include "dialog/item_bindings.hpp"

#include "shell/filter_registry.hpp"
#include "shell/suites.hpp"

namespace tovrins {

std::span<const ItemBinding> itemBindings(int32_t filterKind)
{
    const FilterRecord* filter = filterRecordOf(filterKind);
    return filter != nullptr ? filter->items : std::span<const ItemBinding>{};
}

const FilterWords* filterWords(int32_t filterKind)
{
    const FilterRecord* filter = filterRecordOf(filterKind);
    return filter != nullptr ? &filter->words : nullptr;
}

TvErr dialogParams(TvDialogRef dialog, FilterParams*& params)
{
    params = nullptr;
    void* userData = nullptr;
    if (const TvErr code = suites().dialog->getUserData(dialog, &userData); code != TV_ERR_NONE)
        return code;
    params = static_cast<FilterParams*>(userData);
    return params != nullptr ? TV_ERR_NONE : TV_ERR_BAD_PARAMETER;
}

FilterParams* paramsOfDialog(TvDialogRef dialog)
{
    void* userData = nullptr;
    if (dialog == nullptr || suites().dialog->getUserData(dialog, &userData) != 0)
        return nullptr;
    return static_cast<FilterParams*>(userData);
}

FilterParams* paramsOfItem(TvItemRef item)
{
    TvDialogRef dialog = nullptr;
    if (suites().item->getDialog(item, &dialog) != 0)
        return nullptr;
    return paramsOfDialog(dialog);
}

} // namespace tovrins
