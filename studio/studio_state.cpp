// The state the page draws from: the menus, the document's view, layers and
// selection, and the open dialog's model, item by item.
#include <cmath>

#include "studio/studio_session.hpp"
#include "host/workbench/filter_registry.hpp"

namespace tovrins::studio {

namespace {

nlohmann::json rectJson(const TvIntRect& r) { return {r.left, r.top, r.right, r.bottom}; }

// Limits beyond any real value mean "none".
nlohmann::json limit(double value) { return std::abs(value) < 1e300 ? nlohmann::json(value) : nlohmann::json(nullptr); }

nlohmann::json itemJson(const host::AdmItem& item)
{
    nlohmann::json json{{"id", item.id},
                        {"kind", host::admItemKindName(item.kind)},
                        {"rect", rectJson(item.bounds)},
                        {"text", item.text},
                        {"enabled", item.enabled}};
    switch (item.kind) {
    case host::AdmItemKind::SpinEdit:
        json["value"] = item.value;
        json["display"] = item.displayText();
        json["minimum"] = limit(item.minimum);
        json["maximum"] = limit(item.maximum);
        json["precision"] = item.precision;
        break;
    case host::AdmItemKind::CheckBox: json["value"] = item.value != 0; break;
    case host::AdmItemKind::Popup: {
        json["value"] = item.activeIndex();
        nlohmann::json entries = nlohmann::json::array();
        for (const auto& entry : item.entries)
            entries.push_back(entry->text);
        json["entries"] = std::move(entries);
        break;
    }
    default: break;
    }
    return json;
}

} // namespace

nlohmann::json StudioSession::dialogState() const
{
    const OpenDialog* open = frontEnd_.top();
    if (!open)
        return nullptr;
    if (!open->user)
        return {{"kind", "alert"}, {"title", "Alert"}, {"text", open->alertText}};
    const host::AdmDialog& dialog = const_cast<host::DialogUser*>(open->user)->dialog();
    nlohmann::json items = nlohmann::json::array();
    for (const auto& item : dialog.items)
        items.push_back(itemJson(*item));
    return {{"kind", "dialog"},
            {"name", dialog.name},
            {"resourceId", dialog.resourceId},
            {"title", dialog.title},
            {"bounds", rectJson(dialog.bounds)},
            {"screen", {host::AdmSession::screenWidth, host::AdmSession::screenHeight}},
            {"items", std::move(items)}};
}

nlohmann::json StudioSession::menuState() const
{
    const bool free = !dialogOpen();
    const host::Document& doc = document();
    const auto command = [](std::string_view title, bool enabled) {
        return nlohmann::json{{"title", title}, {"enabled", enabled}};
    };
    nlohmann::json categories = nlohmann::json::array();
    for (const host::RegisteredFilter& filter : workbench_.filters().all()) {
        auto found = std::find_if(categories.begin(), categories.end(),
                                  [&](const nlohmann::json& c) { return c["name"] == filter.category; });
        if (found == categories.end())
            found = categories.insert(
                categories.end(),
                nlohmann::json::object({{"name", filter.category}, {"commands", nlohmann::json::array()}}));
        (*found)["commands"].push_back(
            command(filter.title, free && host::FilterRegistry::enabled(filter.menuItem, true)));
    }
    const std::string repeat = lastFilter_ ? "Repeat " + lastFilter_->title : "Repeat";
    return {{"edit",
             nlohmann::json::array({command("Undo", free && doc.canUndo()), command("Redo", free && doc.canRedo()),
                                    command("Select All", free), command("Deselect", free)})},
            {"filter", {{"repeat", command(repeat, free && lastFilter_ != nullptr)}, {"categories", categories}}},
            {"help", nlohmann::json::array({command(kAboutTitle, free)})}};
}

nlohmann::json StudioSession::state()
{
    const host::Document& doc = document();
    const host::DocumentView& view = doc.view();
    nlohmann::json layers = nlohmann::json::array();
    for (const host::LayerId id : doc.layerOrder()) {
        const host::Layer& layer = *doc.findLayer(id);
        layers.push_back({{"name", layer.name}, {"visible", layer.visible}, {"locked", layer.locked}});
    }
    return {{"revision", revision_},
            {"seed", std::to_string(seed_)},
            {"document", {{"name", documentName_}, {"width", doc.width()}, {"height", doc.height()}}},
            {"view",
             {{"zoom", view.zoom},
              {"centre", {view.centre.h, view.centre.v}},
              {"width", view.width},
              {"height", view.height}}},
            {"layers", std::move(layers)},
            {"artwork", artworkKeys()},
            {"selection", selectionState()},
            {"canUndo", doc.canUndo()},
            {"canRedo", doc.canRedo()},
            {"menus", menuState()},
            {"dialog", dialogState()}};
}

} // namespace tovrins::studio
