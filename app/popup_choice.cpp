#include "app/popup_choice.hpp"

#include "app/text_parsing.hpp"

namespace tovrins::app {

using host::AdmItemKind;
using host::DialogAction;

std::optional<std::string> checkPopupChoice(const host::AdmItem& popup, const DialogAction& action)
{
    if (action.kind != DialogAction::Kind::SetText || popup.kind != AdmItemKind::Popup)
        return std::nullopt;
    const auto entryCount = static_cast<int64_t>(popup.entries.size());
    if (const auto index = parseInteger(action.text)) {
        if (*index >= 0 && *index < entryCount)
            return std::nullopt;
    } else if (popup.entryIndexOfLabel(action.text)) {
        return std::nullopt;
    }
    std::string labels;
    for (const auto& entry : popup.entries) {
        if (!labels.empty())
            labels += ", ";
        labels += "'" + std::string(trimSpaces(entry->text)) + "'";
    }
    return "'" + action.description + "' chooses no entry of popup " + std::to_string(popup.id) +
        "; give an index from 0 to " + std::to_string(entryCount - 1) + " or one of the labels " + labels;
}

} // namespace tovrins::app
