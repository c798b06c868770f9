#include "host/adm/adm_session.hpp"

#include <algorithm>
#include <cmath>

#include "host/host_context.hpp"
#include "sdk/tv_errors.h"

namespace tovrins::host {
namespace {

// Dialog units to pixels for the templates' font (8 point MS Sans Serif
// has base units of 6 x 13 pixels): x by 6/4, y by 13/8.
int32_t unitsToPixelsX(int32_t units) { return static_cast<int32_t>(std::lround(units * 6.0 / 4.0)); }
int32_t unitsToPixelsY(int32_t units) { return static_cast<int32_t>(std::lround(units * 13.0 / 8.0)); }

TvIntRect pixelRect(const DialogRect& r)
{
    const int32_t left = unitsToPixelsX(r.x);
    const int32_t top = unitsToPixelsY(r.y);
    return {left, top, left + unitsToPixelsX(r.width), top + unitsToPixelsY(r.height)};
}

// Button styles: the low four bits say which kind of button it is.
constexpr uint32_t kButtonKindMask = 0xF;
constexpr uint32_t kCheckBox = 2, kAutoCheckBox = 3, kGroupBox = 7;
constexpr uint32_t kStaticKindMask = 0x1F;
constexpr uint32_t kStaticIcon = 3;
// Black, gray and white rectangles and frames, and the etched frame.
bool isStaticFrame(uint32_t kind) { return (kind >= 4 && kind <= 9) || kind == 0x12; }

AdmItemKind kindOfTemplateItem(const DialogItem& item)
{
    if (item.className == "Button") {
        const uint32_t kind = item.style & kButtonKindMask;
        if (kind == kCheckBox || kind == kAutoCheckBox)
            return AdmItemKind::CheckBox;
        return kind == kGroupBox ? AdmItemKind::Frame : AdmItemKind::TextPushButton;
    }
    if (item.className == "Static" && (item.style & kStaticKindMask) == kStaticIcon)
        return AdmItemKind::PictureStatic;
    if (item.className == "Static" && isStaticFrame(item.style & kStaticKindMask))
        return AdmItemKind::Frame;
    return AdmItemKind::TextStatic;
}

// Dialogs open centred on the screen.
TvIntRect centredOnScreen(int32_t width, int32_t height)
{
    const int32_t left = (AdmSession::screenWidth - width) / 2;
    const int32_t top = (AdmSession::screenHeight - height) / 2;
    return {left, top, left + width, top + height};
}

std::unique_ptr<AdmDialog> buildFromTemplate(const DialogTemplate& source, const char* name, int32_t id)
{
    auto dialog = std::make_unique<AdmDialog>();
    dialog->name = name ? name : "";
    dialog->resourceId = id;
    dialog->title = source.title;
    dialog->bounds = centredOnScreen(unitsToPixelsX(source.rect.width), unitsToPixelsY(source.rect.height));
    for (const DialogItem& templateItem : source.items) {
        auto item = std::make_unique<AdmItem>();
        item->dialog = dialog.get();
        item->id = templateItem.id;
        item->kind = kindOfTemplateItem(templateItem);
        item->bounds = pixelRect(templateItem.rect);
        item->text = templateItem.text;
        if (item->kind == AdmItemKind::CheckBox)
            item->minimum = 0, item->maximum = 1;
        dialog->items.push_back(std::move(item));
    }
    return dialog;
}

ShownDialog describe(const AdmDialog& dialog)
{
    ShownDialog shown{dialog.name, dialog.resourceId, dialog.result.value_or(2), dialog.bounds, {}, {}};
    for (const auto& item : dialog.items) {
        if (item->id == -1)
            shown.unnamedTexts.push_back(item->displayText());
        else
            shown.texts.emplace(item->id, item->displayText());
    }
    return shown;
}

} // namespace

void AdmSession::addPlugin(TvPluginRef plugin, const PluginResources& resources) { plugins_[plugin] = &resources; }

void AdmSession::removePlugin(TvPluginRef plugin) { plugins_.erase(plugin); }

const PluginResources* AdmSession::resourcesOf(TvPluginRef plugin) const
{
    const auto found = plugins_.find(plugin);
    return found == plugins_.end() ? nullptr : found->second;
}

TvErr AdmSession::runModal(TvPluginRef plugin, const char* name, int32_t dialogId, TvADMDialogInitProc init,
                           void* userData, int32_t& result)
{
    const PluginResources* resources = resourcesOf(plugin);
    if (!resources)
        return TV_ERR_BAD_PARAMETER;
    const auto found = resources->dialogs.find(dialogId);
    if (found == resources->dialogs.end())
        return TV_ERR_BAD_PARAMETER;

    std::unique_ptr<AdmDialog> dialog = buildFromTemplate(found->second, name, dialogId);
    dialog->userData = userData;
    // Whatever happens below, the dialog's references die with it.
    struct Closer {
        AdmSession& session;
        AdmDialog& dialog;
        ~Closer() { session.forget(dialog); }
    } closer{*this, *dialog};
    open_.push_back(dialog.get());
    for (const auto& item : dialog->items)
        noteItem(*item);

    if (init) {
        if (const TvErr code = init(reinterpret_cast<TvDialogRef>(dialog.get()))) {
            dialog->result = 2;
            shown_.push_back(describe(*dialog));
            return code;
        }
    }
    if (!dialog->result) {
        DialogUser user(*dialog);
        frontEnd().run(user);
    }
    if (!dialog->result)
        dialog->result = 2; // the front end walked away: closed as cancelled
    result = *dialog->result;
    shown_.push_back(describe(*dialog));
    return TV_ERR_NONE;
}

void AdmSession::forget(const AdmDialog& dialog)
{
    for (const auto& item : dialog.items) {
        liveItems_.erase(item.get());
        for (const auto& entry : item->entries)
            liveEntries_.erase(entry.get());
    }
    open_.erase(std::remove(open_.begin(), open_.end(), &dialog), open_.end());
}

AdmDialog* AdmSession::liveDialog(TvDialogRef ref) const
{
    const auto* wanted = reinterpret_cast<const AdmDialog*>(ref);
    for (AdmDialog* dialog : open_)
        if (dialog == wanted)
            return dialog;
    return nullptr;
}

AdmItem* AdmSession::liveItem(TvItemRef ref) const
{
    const void* wanted = ref;
    return liveItems_.count(wanted) ? static_cast<AdmItem*>(const_cast<void*>(wanted)) : nullptr;
}

AdmEntry* AdmSession::liveEntry(TvEntryRef ref) const
{
    const void* wanted = ref;
    return liveEntries_.count(wanted) ? static_cast<AdmEntry*>(const_cast<void*>(wanted)) : nullptr;
}

const AdmTracker* AdmSession::liveTracker(TvTrackerRef ref) const
{
    return ref && reinterpret_cast<const AdmTracker*>(ref) == tracker_ ? tracker_ : nullptr;
}

} // namespace tovrins::host
