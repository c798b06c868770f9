#include "host/adm/dialog_front_end.hpp"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include "host/adm/adm_session.hpp"
#include "host/host_context.hpp"

namespace tovrins::host {
namespace {

TvItemRef refOf(AdmItem& item) { return reinterpret_cast<TvItemRef>(&item); }

std::string itemName(const AdmItem& item)
{
    return std::string(admItemKindName(item.kind)) + " " + std::to_string(item.id) + " of dialog \"" +
        item.dialog->name + "\"";
}

// The whole text must be one finite number.
bool parseNumber(std::string_view text, double& out)
{
    const std::string s(text);
    if (s.empty() || std::isspace(static_cast<unsigned char>(s.front())))
        return false;
    char* end = nullptr;
    out = std::strtod(s.c_str(), &end);
    return end == s.c_str() + s.size() && std::isfinite(out);
}

std::string labelList(const AdmItem& popup)
{
    std::string list;
    for (size_t i = 0; i < popup.entries.size(); ++i)
        list += (i ? ", " : "") + std::to_string(i) + " \"" + popup.entries[i]->text + "\"";
    return list;
}

} // namespace

AdmItem& DialogUser::enabledItem(int32_t itemId, std::string_view action)
{
    AdmItem* item = dialog_.find(itemId);
    if (!item)
        throw DialogActionError("cannot " + std::string(action) + ": dialog \"" + dialog_.name + "\" has no item " +
                                std::to_string(itemId));
    if (!item->enabled)
        throw DialogActionError("cannot " + std::string(action) + ": " + itemName(*item) + " is disabled");
    if (ended())
        throw DialogActionError("cannot " + std::string(action) + ": dialog \"" + dialog_.name + "\" has closed");
    return *item;
}

AdmItem& DialogUser::ofKind(AdmItem& item, AdmItemKind kind, std::string_view action)
{
    if (item.kind != kind)
        throw DialogActionError("cannot " + std::string(action) + ": " + itemName(item) + " is not a " +
                                std::string(admItemKindName(kind)));
    return item;
}

// A user's change reaches the item's procedure as the user-changed
// notification, or the host's own handling when it has none.
void DialogUser::announce(AdmItem& item)
{
    AdmNotifier notifier{kTvADMUserChangedNotifier};
    if (item.notify)
        item.notify(refOf(item), reinterpret_cast<TvNotifierRef>(&notifier));
    else
        defaultHandling(item);
}

void DialogUser::enterNumber(int32_t itemId, double value)
{
    AdmItem& item = ofKind(enabledItem(itemId, "enter a number"), AdmItemKind::SpinEdit, "enter a number");
    if (!std::isfinite(value))
        throw DialogActionError(itemName(item) + " cannot hold " + std::to_string(value));
    item.setValue(value);
    announce(item);
}

void DialogUser::setChecked(int32_t itemId, bool checked)
{
    AdmItem& item = ofKind(enabledItem(itemId, "check"), AdmItemKind::CheckBox, "check");
    item.setValue(checked ? 1 : 0);
    announce(item);
}

void DialogUser::choose(int32_t itemId, int32_t index)
{
    AdmItem& item = ofKind(enabledItem(itemId, "choose"), AdmItemKind::Popup, "choose");
    if (index < 0 || static_cast<size_t>(index) >= item.entries.size())
        throw DialogActionError(itemName(item) + " has no entry " + std::to_string(index) + "; its entries are " +
                                labelList(item));
    item.active = item.entries[static_cast<size_t>(index)].get();
    announce(item);
}

void DialogUser::choose(int32_t itemId, std::string_view label)
{
    AdmItem& item = ofKind(enabledItem(itemId, "choose"), AdmItemKind::Popup, "choose");
    if (const auto index = item.entryIndexOfLabel(label))
        return choose(itemId, *index);
    throw DialogActionError(itemName(item) + " has no entry \"" + std::string(label) + "\"; its entries are " +
                            labelList(item));
}

void DialogUser::setFromText(int32_t itemId, std::string_view text)
{
    AdmItem& item = enabledItem(itemId, "set a value");
    double number = 0;
    switch (item.kind) {
    case AdmItemKind::SpinEdit:
        if (!parseNumber(text, number))
            throw DialogActionError(itemName(item) + " takes a number, not \"" + std::string(text) + "\"");
        return enterNumber(itemId, number);
    case AdmItemKind::CheckBox:
        if (text != "0" && text != "1")
            throw DialogActionError(itemName(item) + " takes 0 or 1, not \"" + std::string(text) + "\"");
        return setChecked(itemId, text == "1");
    case AdmItemKind::Popup: {
        int32_t index = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), index);
        if (error == std::errc() && end == text.data() + text.size())
            return choose(itemId, index);
        return choose(itemId, text);
    }
    default: throw DialogActionError(itemName(item) + " holds no value");
    }
}

void DialogUser::click(int32_t itemId)
{
    AdmItem& item = enabledItem(itemId, "click");
    if (item.kind != AdmItemKind::TextPushButton && item.kind != AdmItemKind::PicturePushButton)
        throw DialogActionError("cannot click: " + itemName(item) + " is not a button");
    announce(item);
}

void DialogUser::pick(int32_t itemId, TvIntPoint viewPoint)
{
    AdmItem& item = ofKind(enabledItem(itemId, "pick"), AdmItemKind::PicturePushButton, "pick");
    AdmSession* session = hostContext().adm;
    for (const uint32_t modifiers : {0u, static_cast<uint32_t>(TV_TRACK_MOUSE_RELEASED)}) {
        if (ended())
            return;
        const AdmTracker tracker{viewPoint, modifiers};
        if (session)
            session->setActiveTracker(&tracker);
        auto* trackerRef = reinterpret_cast<TvTrackerRef>(const_cast<AdmTracker*>(&tracker));
        if (item.track)
            item.track(refOf(item), trackerRef);
        if (session)
            session->setActiveTracker(nullptr);
    }
}

// A key that stands for a button: the button's click when the dialog has
// it enabled; a dialog that is still open afterwards closes with 2.
void DialogUser::pressKeyFor(int32_t itemId)
{
    AdmItem* button = dialog_.find(itemId);
    if (button && button->enabled && !ended())
        announce(*button);
    if (!ended())
        dialog_.result = 2;
}

void DialogUser::pressDefault() { pressKeyFor(1); }

void DialogUser::pressCancel() { pressKeyFor(2); }

} // namespace tovrins::host
