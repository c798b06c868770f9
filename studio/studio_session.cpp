#include "studio/studio_session.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "host/io/json_document.hpp"
#include "host/io/png_render.hpp"
#include "host/io/svg_export.hpp"
#include "host/io/svg_import.hpp"

namespace tovrins::studio {

namespace {

constexpr int kConflict = 409;
constexpr int kUnprocessable = 422;

// The dialog items every filter dialog keeps at the same id.
constexpr int32_t kZoomItem = 10;

std::string lowerExtension(const std::string& name)
{
    const auto dot = name.rfind('.');
    std::string ext = dot == std::string::npos ? std::string() : name.substr(dot);
    std::ranges::transform(ext, ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

int32_t itemOf(const nlohmann::json& action)
{
    if (!action.contains("item") || !action["item"].is_number_integer())
        throw StudioError(400, "the dialog action " + action.dump() + " names no item");
    return action["item"].get<int32_t>();
}

// Numbers and texts alike, as the user typed them.
std::string valueText(const nlohmann::json& action, const char* key)
{
    if (!action.contains(key))
        throw StudioError(400, "the dialog action " + action.dump() + " has no " + key);
    const nlohmann::json& value = action[key];
    return value.is_string() ? value.get<std::string>() : value.dump();
}

int32_t coordinate(const nlohmann::json& action, const char* key)
{
    if (!action.contains(key) || !action[key].is_number())
        throw StudioError(400, "the dialog action " + action.dump() + " has no number " + key);
    const double v = action[key].get<double>();
    if (!(std::abs(v) < 1e9))
        throw StudioError(400, std::string(key) + " " + action[key].dump() + " is not a view pixel");
    return static_cast<int32_t>(std::lround(v));
}

} // namespace

StudioSession::StudioSession(host::Workbench& workbench, HostQueue& queue, uint64_t seed, std::string documentName)
    : workbench_(workbench), queue_(queue), frontEnd_(queue), seed_(seed), documentName_(std::move(documentName))
{
    document().setSeed(seed_);
}

host::Document& StudioSession::document() const
{
    host::Document* doc = workbench_.document();
    if (!doc)
        throw StudioError(kConflict, "no document is open");
    return *doc;
}

void StudioSession::refuseWhileModal(std::string_view what) const
{
    if (dialogOpen())
        throw StudioError(kConflict, "cannot " + std::string(what) + " while a dialog is open; close it first");
}

std::string StudioSession::documentSvg() const { return host::writeSvg(document()); }

const std::vector<std::string>& StudioSession::artworkKeys()
{
    return artwork_.keys(revision_, [this]() -> const host::Document& { return document(); });
}

std::string StudioSession::documentJson() const { return host::writeJson(document()); }

std::string StudioSession::documentPng() const
{
    const host::Document& live = document();
    if (!host::pngSizeFits(host::pngSize(live.width(), live.height())))
        throw StudioError(kUnprocessable,
                          "the document is too large or too small to save as a PNG image; it must "
                          "render from 1 to " +
                              std::to_string(static_cast<long>(host::kMaxPngSide)) + " pixels a side");
    return host::renderPng(live);
}

void StudioSession::open(const std::string& fileName, std::string_view bytes)
{
    refuseWhileModal("open a document");
    if (bytes.size() > kMostUploadBytes)
        throw StudioError(413, "file " + fileName + " is larger than the studio opens (16 MiB)");
    const std::string ext = lowerExtension(fileName);
    if (ext != ".svg" && ext != ".json")
        throw StudioError(415, "file " + fileName + " is neither an .svg nor a .json document");
    std::vector<std::string> warnings;
    host::DocumentData data;
    try {
        data = ext == ".svg" ? host::readSvg(bytes, fileName, warnings) : host::readJson(bytes, fileName);
    } catch (const std::exception& e) {
        // The readers name the file and the fault themselves.
        throw StudioError(kUnprocessable, e.what());
    }
    workbench_.open(data);
    document().setSeed(seed_);
    documentName_ = fileName;
    noteChange();
}

void StudioSession::command(std::string_view title)
{
    refuseWhileModal("choose " + std::string(title));
    host::Document& doc = document();
    noteChange();
    if (title == "Undo") {
        doc.undo();
    } else if (title == "Redo") {
        doc.redo();
    } else if (title == "Select All") {
        changeSelection(false, selectableArt(), false);
    } else if (title == "Deselect") {
        changeSelection(false, {}, false);
    } else if (title == kAboutTitle) {
        workbench_.about(frontEnd_);
    } else if (lastFilter_ && title == "Repeat " + lastFilter_->title) {
        workbench_.repeatLastFilter(frontEnd_);
    } else if (host::RegisteredFilter* filter = findFilterTitle(title)) {
        runFilter(*filter);
    } else {
        throw StudioError(404, "there is no menu command \"" + std::string(title) + "\"");
    }
}

host::RegisteredFilter* StudioSession::findFilterTitle(std::string_view title)
{
    for (const host::RegisteredFilter& filter : workbench_.filters().all())
        if (filter.title == title)
            return const_cast<host::RegisteredFilter*>(&filter);
    return nullptr;
}

void StudioSession::runFilter(host::RegisteredFilter& filter)
{
    const host::CommandOutcome outcome = workbench_.runFilter(filter, frontEnd_);
    if (outcome.accepted)
        lastFilter_ = &filter;
}

void StudioSession::dialogAction(const nlohmann::json& action)
{
    OpenDialog* open = frontEnd_.top();
    if (!open)
        throw StudioError(kConflict, "no dialog is open");
    if (!action.is_object() || !action.contains("action") || !action["action"].is_string())
        throw StudioError(400, "a dialog action is an object with an \"action\" name");
    const std::string name = action["action"].get<std::string>();
    noteChange();
    if (!open->user) {
        if (name != "ok" && name != "cancel")
            throw StudioError(kConflict, "an alert only takes OK");
        open->dismissed = true;
        return;
    }
    host::DialogUser& user = *open->user;
    try {
        if (name == "set")
            user.setFromText(itemOf(action), valueText(action, "value"));
        else if (name == "choose" && action.contains("index") && action["index"].is_number_integer())
            user.choose(itemOf(action), action["index"].get<int32_t>());
        else if (name == "choose")
            user.choose(itemOf(action), valueText(action, "label"));
        else if (name == "click")
            user.click(itemOf(action));
        else if (name == "pick")
            user.pick(itemOf(action), TvIntPoint{coordinate(action, "x"), coordinate(action, "y")});
        else if (name == "zoom")
            user.setFromText(kZoomItem, valueText(action, "value"));
        else if (name == "ok")
            user.pressDefault();
        else if (name == "cancel")
            user.pressCancel();
        else if (name == "move")
            moveDialog(user.dialog(), coordinate(action, "left"), coordinate(action, "top"));
        else
            throw StudioError(400, "there is no dialog action \"" + name + "\"");
    } catch (const host::DialogActionError& e) {
        throw StudioError(kUnprocessable, e.what());
    }
}

// The host keeps a moved dialog's bounds; the plug-in reads them there.
void StudioSession::moveDialog(host::AdmDialog& dialog, int32_t left, int32_t top)
{
    TvIntRect& b = dialog.bounds;
    const int32_t width = b.right - b.left, height = b.bottom - b.top;
    b = TvIntRect{left, top, left + width, top + height};
}

void StudioSession::setLayer(size_t index, bool visible, bool locked)
{
    refuseWhileModal("change a layer");
    const std::vector<host::LayerId> layers = document().layerOrder();
    if (index >= layers.size())
        throw StudioError(404, "the document has no layer " + std::to_string(index));
    const host::Layer& layer = *document().findLayer(layers[index]);
    document().setLayerProperties(layer.id, layer.name, visible, locked);
    noteChange();
}

void StudioSession::setView(double zoom, TvRealPoint centre)
{
    if (!(zoom >= 0.01 && zoom <= 64) || !std::isfinite(centre.h) || !std::isfinite(centre.v))
        throw StudioError(400, "a view needs a zoom from 0.01 to 64 and a finite centre");
    host::DocumentView& view = document().view();
    view.zoom = static_cast<TvReal>(zoom);
    view.centre = centre;
    noteChange();
}

} // namespace tovrins::studio
