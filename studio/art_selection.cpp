// Selecting art with the pointer: hit tests in view pixels against the
// bounds of the top-level art of visible, unlocked layers.
#include <algorithm>

#include "studio/studio_session.hpp"

namespace tovrins::studio {

namespace {

struct PixelBox {
    double left, top, right, bottom;
};

// The art's bounds in view pixels, y down.
std::optional<PixelBox> pixelBounds(const host::Document& doc, host::ArtId id)
{
    TvRealRect r{};
    if (doc.bounds(id, r) != 0)
        return std::nullopt;
    const host::DocumentView& view = doc.view();
    const auto toH = [&](double h) { return (h - view.centre.h) * view.zoom + view.width / 2.0; };
    const auto toV = [&](double v) { return view.height / 2.0 - (v - view.centre.v) * view.zoom; };
    const double h1 = toH(r.left), h2 = toH(r.right), v1 = toV(r.top), v2 = toV(r.bottom);
    return PixelBox{std::min(h1, h2), std::min(v1, v2), std::max(h1, h2), std::max(v1, v2)};
}

bool anySelected(const host::Document& doc, host::ArtId id)
{
    std::vector<host::ArtId> stack{id};
    while (!stack.empty()) {
        const host::Node* node = doc.find(stack.back());
        stack.pop_back();
        if (node && node->selected)
            return true;
        if (node)
            stack.insert(stack.end(), node->children.begin(), node->children.end());
    }
    return false;
}

} // namespace

std::vector<host::ArtId> StudioSession::selectableArt() const
{
    const host::Document& doc = document();
    std::vector<host::ArtId> art;
    for (const host::LayerId id : doc.layerOrder()) {
        const host::Layer& layer = *doc.findLayer(id);
        if (layer.visible && !layer.locked)
            art.insert(art.end(), layer.art.begin(), layer.art.end());
    }
    return art;
}

void StudioSession::selectAt(TvIntPoint point, bool extend)
{
    refuseWhileModal("select");
    const std::vector<host::ArtId> art = selectableArt();
    std::vector<host::ArtId> hit;
    // The topmost art under the pointer, as the eye sees it.
    for (auto it = art.rbegin(); it != art.rend() && hit.empty(); ++it) {
        const auto box = pixelBounds(document(), *it);
        if (box && point.h >= box->left && point.h <= box->right && point.v >= box->top && point.v <= box->bottom)
            hit.push_back(*it);
    }
    changeSelection(extend, hit, extend);
}

void StudioSession::selectInside(TvIntRect band, bool extend)
{
    refuseWhileModal("select");
    const double left = std::min(band.left, band.right), right = std::max(band.left, band.right);
    const double top = std::min(band.top, band.bottom), bottom = std::max(band.top, band.bottom);
    std::vector<host::ArtId> hit;
    for (const host::ArtId id : selectableArt()) {
        const auto box = pixelBounds(document(), id);
        if (box && box->left <= right && box->right >= left && box->top <= bottom && box->bottom >= top)
            hit.push_back(id);
    }
    changeSelection(extend, hit, false);
}

void StudioSession::changeSelection(bool extend, const std::vector<host::ArtId>& picked, bool toggle)
{
    host::Document& doc = document();
    doc.beginCommand();
    if (!extend)
        for (const host::LayerId layer : doc.layerOrder())
            for (const host::ArtId id : doc.findLayer(layer)->art)
                doc.setSelected(id, false);
    for (const host::ArtId id : picked)
        doc.setSelected(id, toggle ? !doc.find(id)->selected : true);
    doc.endCommand();
    noteChange();
}

nlohmann::json StudioSession::selectionState() const
{
    // Past this many boxes the page draws one around them all.
    constexpr size_t kMostBoxes = 500;
    const host::Document& doc = document();
    std::vector<PixelBox> boxes;
    for (const host::LayerId layer : doc.layerOrder())
        for (const host::ArtId id : doc.findLayer(layer)->art) {
            if (const auto box = anySelected(doc, id) ? pixelBounds(doc, id) : std::nullopt)
                boxes.push_back(*box);
        }
    nlohmann::json json{{"count", boxes.size()}, {"boxes", nlohmann::json::array()}};
    if (boxes.size() > kMostBoxes) {
        PixelBox all = boxes.front();
        for (const PixelBox& b : boxes)
            all = {std::min(all.left, b.left), std::min(all.top, b.top), std::max(all.right, b.right),
                   std::max(all.bottom, b.bottom)};
        boxes.assign(1, all);
    }
    for (const PixelBox& b : boxes)
        json["boxes"].push_back({b.left, b.top, b.right, b.bottom});
    return json;
}

} // namespace tovrins::studio
