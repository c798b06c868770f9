// The ADM Basic and ADM Dialog suites.
#include <climits>
#include <cstring>

#include "host/adm/adm_suite_support.hpp"

namespace tovrins::host {
namespace {

constexpr const char* kBasic = kTvADMBasicSuite;
constexpr const char* kDialog = kTvADMDialogSuite;

// String list listId holds its strings at resource ids listId + index.
TvErr getIndexString(TvPluginRef plugin, int32_t listId, int32_t index, char* buffer, int32_t bufferSize)
{
    return admCall(kBasic, "getIndexString", [&](AdmSession& session) -> TvErr {
        const PluginResources* resources = session.resourcesOf(plugin);
        if (!resources || !buffer || bufferSize <= 0 || index < 0)
            return TV_ERR_BAD_PARAMETER;
        const int64_t id = int64_t{listId} + index;
        if (id > INT32_MAX)
            return TV_ERR_BAD_PARAMETER;
        const auto found = resources->strings.find(static_cast<int32_t>(id));
        const std::string_view text = found == resources->strings.end() ? std::string_view() : found->second;
        const size_t length = std::min(text.size(), static_cast<size_t>(bufferSize - 1));
        if (length > 0)
            std::memcpy(buffer, text.data(), length);
        buffer[length] = '\0';
        return TV_ERR_NONE;
    });
}

TvErr errorAlert(const char* text)
{
    return admCall(kBasic, "errorAlert", [&](AdmSession& session) -> TvErr {
        if (!text)
            return TV_ERR_BAD_PARAMETER;
        session.frontEnd().alert(text);
        return TV_ERR_NONE;
    });
}

TvErr modal(TvPluginRef plugin, const char* name, int32_t dialogId, int32_t style, TvADMDialogInitProc init,
            void* userData, int32_t* result)
{
    return admCall(kDialog, "modal", [&](AdmSession& session) -> TvErr {
        if (!result || style != TV_DIALOG_STYLE_MODAL)
            return TV_ERR_BAD_PARAMETER;
        return session.runModal(plugin, name, dialogId, init, userData, *result);
    });
}

// Runs body with the live dialog behind ref, or refuses the call.
template <class F> TvErr withDialog(const char* operation, TvDialogRef ref, F&& body)
{
    return admCall(kDialog, operation, [&](AdmSession& session) -> TvErr {
        AdmDialog* dialog = session.liveDialog(ref);
        return dialog ? body(session, *dialog) : TV_ERR_BAD_PARAMETER;
    });
}

TvErr getUserData(TvDialogRef ref, void** userData)
{
    return withDialog("getUserData", ref, [&](AdmSession&, AdmDialog& dialog) -> TvErr {
        if (!userData)
            return TV_ERR_BAD_PARAMETER;
        *userData = dialog.userData;
        return TV_ERR_NONE;
    });
}

TvErr getBoundsRect(TvDialogRef ref, TvIntRect* bounds)
{
    return withDialog("getBoundsRect", ref, [&](AdmSession&, AdmDialog& dialog) -> TvErr {
        if (!bounds)
            return TV_ERR_BAD_PARAMETER;
        *bounds = dialog.bounds;
        return TV_ERR_NONE;
    });
}

TvErr setBoundsRect(TvDialogRef ref, const TvIntRect* bounds)
{
    return withDialog("setBoundsRect", ref, [&](AdmSession&, AdmDialog& dialog) -> TvErr {
        if (!bounds || bounds->right < bounds->left || bounds->bottom < bounds->top)
            return TV_ERR_BAD_PARAMETER;
        dialog.bounds = *bounds;
        return TV_ERR_NONE;
    });
}

TvErr setSize(TvDialogRef ref, int32_t width, int32_t height)
{
    return withDialog("setSize", ref, [&](AdmSession&, AdmDialog& dialog) -> TvErr {
        if (width < 0 || height < 0)
            return TV_ERR_BAD_PARAMETER;
        dialog.bounds.right = dialog.bounds.left + width;
        dialog.bounds.bottom = dialog.bounds.top + height;
        return TV_ERR_NONE;
    });
}

TvErr createItem(TvDialogRef ref, int32_t itemId, const char* itemType, const TvIntRect* bounds, TvItemRef* out)
{
    return withDialog("createItem", ref, [&](AdmSession& session, AdmDialog& dialog) -> TvErr {
        if (out)
            *out = nullptr;
        if (!itemType || !bounds || !out || dialog.find(itemId))
            return TV_ERR_BAD_PARAMETER;
        const auto kind = admItemKindOf(itemType);
        if (!kind)
            return TV_ERR_BAD_PARAMETER;
        auto item = std::make_unique<AdmItem>();
        item->dialog = &dialog;
        item->id = itemId;
        item->kind = *kind;
        item->bounds = *bounds;
        if (*kind == AdmItemKind::CheckBox)
            item->minimum = 0, item->maximum = 1;
        AdmItem& added = *dialog.items.emplace_back(std::move(item));
        session.noteItem(added);
        *out = reinterpret_cast<TvItemRef>(&added);
        return TV_ERR_NONE;
    });
}

TvErr getItem(TvDialogRef ref, int32_t itemId, TvItemRef* out)
{
    return withDialog("getItem", ref, [&](AdmSession&, AdmDialog& dialog) -> TvErr {
        if (!out)
            return TV_ERR_BAD_PARAMETER;
        AdmItem* item = dialog.find(itemId);
        *out = reinterpret_cast<TvItemRef>(item);
        return item ? TV_ERR_NONE : TV_ERR_BAD_PARAMETER;
    });
}

} // namespace

const TvADMBasicSuiteV2& admBasicSuite()
{
    static constexpr TvADMBasicSuiteV2 table{getIndexString, errorAlert};
    return table;
}

const TvADMDialogSuiteV3& admDialogSuite()
{
    static constexpr TvADMDialogSuiteV3 table{modal,   getUserData, getBoundsRect, setBoundsRect,
                                              setSize, createItem,  getItem};
    return table;
}

} // namespace tovrins::host
