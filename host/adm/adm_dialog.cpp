#include "host/adm/adm_dialog.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <utility>

namespace tovrins::host {
namespace {

constexpr std::array<std::pair<std::string_view, AdmItemKind>, 8> kItemTypes{{
    {kTvADMSpinEditType, AdmItemKind::SpinEdit},
    {kTvADMTextCheckBoxType, AdmItemKind::CheckBox},
    {kTvADMPopupListType, AdmItemKind::Popup},
    {kTvADMPicturePushButtonType, AdmItemKind::PicturePushButton},
    {kTvADMTextPushButtonType, AdmItemKind::TextPushButton},
    {kTvADMTextStaticType, AdmItemKind::TextStatic},
    {kTvADMFrameType, AdmItemKind::Frame},
    {kTvADMPictureStaticType, AdmItemKind::PictureStatic},
}};

std::string trimmedLower(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

} // namespace

std::optional<AdmItemKind> admItemKindOf(std::string_view typeName)
{
    for (const auto& [name, kind] : kItemTypes)
        if (name == typeName)
            return kind;
    return std::nullopt;
}

std::string_view admItemKindName(AdmItemKind kind)
{
    switch (kind) {
    case AdmItemKind::SpinEdit: return "spin edit";
    case AdmItemKind::CheckBox: return "check box";
    case AdmItemKind::Popup: return "popup";
    case AdmItemKind::PicturePushButton: return "picture button";
    case AdmItemKind::TextPushButton: return "push button";
    case AdmItemKind::TextStatic: return "text";
    case AdmItemKind::Frame: return "frame";
    case AdmItemKind::PictureStatic: return "picture";
    }
    return "item";
}

void AdmItem::setValue(double v)
{
    if (std::isnan(v))
        return; // a spin edit cannot show NaN; the value stays as it was
    if (kind == AdmItemKind::CheckBox)
        v = v != 0 ? 1 : 0;
    value = std::clamp(v, minimum, maximum);
}

int32_t AdmItem::activeIndex() const
{
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].get() == active)
            return static_cast<int32_t>(i);
    return -1;
}

std::optional<int32_t> AdmItem::entryIndexOfLabel(std::string_view label) const
{
    const std::string wanted = trimmedLower(label);
    for (size_t i = 0; i < entries.size(); ++i)
        if (trimmedLower(entries[i]->text) == wanted)
            return static_cast<int32_t>(i);
    return std::nullopt;
}

std::string AdmItem::displayText() const
{
    switch (kind) {
    case AdmItemKind::SpinEdit: {
        // Rounded half away from zero, as integer reads round, so that the
        // text shown and the value read agree.
        const int decimals = std::clamp(precision, 0, 12);
        const double scale = std::pow(10.0, decimals);
        const double shown = std::abs(value) * scale < 1e15 ? std::round(value * scale) / scale : value;
        char buffer[400];
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, shown);
        return buffer;
    }
    case AdmItemKind::CheckBox: return value != 0 ? "1" : "0";
    case AdmItemKind::Popup: return active ? active->text : std::string();
    default: return text;
    }
}

void defaultHandling(AdmItem& item)
{
    if (item.kind == AdmItemKind::TextPushButton && (item.id == 1 || item.id == 2) && !item.dialog->result)
        item.dialog->result = item.id;
}

AdmItem* AdmDialog::find(int32_t itemId)
{
    for (auto& item : items)
        if (item->id == itemId)
            return item.get();
    return nullptr;
}

const AdmItem* AdmDialog::find(int32_t itemId) const { return const_cast<AdmDialog*>(this)->find(itemId); }

} // namespace tovrins::host
