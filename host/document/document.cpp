#include "host/document/document.hpp"

#include <climits>
#include <cmath>

#include <algorithm>
#include <unordered_set>

#include "host/document/geometry.hpp"
#include "sdk/tv_errors.h"

namespace tovrins::host {

Document::Document(const DocumentData& data, uint64_t objectLimit)
    : width_(data.width),
      height_(data.height),
      seed_(data.seed),
      definitions_(data.definitions),
      rootAttributes_(data.rootAttributes),
      paints_(data),
      objectLimit_(objectLimit)
{
    for (const LayerData& ld : data.layers) {
        Layer layer{.id = nextLayerId_++, .art = {}, .name = ld.name, .visible = ld.visible, .locked = ld.locked};
        for (const ArtData& art : ld.art)
            placeInto(layer.art, layer.art.size(), addNode(art, Container{layer.id, 0}), nodes_);
        const LayerId id = layer.id;
        layers_.put(id, std::move(layer));
        placeInto(layerOrder_, layerOrder_.size(), id, layers_);
    }
    // A document always has a layer to put new art into.
    if (layerOrder_.empty()) {
        const LayerId id = nextLayerId_++;
        layers_.put(id, Layer{.id = id, .art = {}, .name = "Layer 1"});
        placeInto(layerOrder_, 0, id, layers_);
    }
    nextLayerNumber_ = layerOrder_.size() + 1;
    const auto current = std::clamp<int64_t>(data.currentLayer, 0, static_cast<int64_t>(layerOrder_.size()) - 1);
    currentLayer_ = layerOrder_[static_cast<size_t>(current)];
    view_.centre = {width_ / 2, height_ / 2};
}

ArtId Document::addNode(const ArtData& art, Container parent)
{
    Node node;
    node.id = nextId_++;
    node.type = art.type;
    node.name = art.id;
    node.selected = art.selected;
    node.style = art.style;
    node.closed = art.closed;
    node.segments = art.segments;
    node.matrix = art.matrix;
    node.bounds = art.bounds;
    node.content = art.content;
    node.sourceXml = art.sourceXml;
    node.space = art.space;
    node.fillPaint = art.fillPaint;
    node.strokePaint = art.strokePaint;
    node.attributes = art.attributes;
    if (!art.id.empty())
        paints_.reserveId(art.id);
    node.parent = parent;
    const ArtId id = node.id;
    for (const ArtData& child : art.children)
        placeInto(node.children, node.children.size(), addNode(child, Container{parent.layer, id}), nodes_);
    nodes_.put(id, std::move(node));
    return id;
}

DocumentData Document::data() const
{
    DocumentData out = dataWithoutArt();
    for (size_t i = 0; i < layerOrder_.size(); ++i)
        for (ArtId id : layers_.at(layerOrder_[i]).art)
            exportArt(id, out.layers[i].art.emplace_back());
    return out;
}

DocumentData Document::dataWithoutArt() const
{
    DocumentData out;
    out.width = width_;
    out.height = height_;
    out.seed = seed_;
    out.definitions = definitions_;
    out.rootAttributes = rootAttributes_;
    std::unordered_set<std::string> referenced;
    nodes_.forEach([&referenced](const Node& node) {
        if (!node.fillPaint.empty())
            referenced.insert(node.fillPaint);
        if (!node.strokePaint.empty())
            referenced.insert(node.strokePaint);
    });
    out.derivedPaints = paints_.derivedIn(referenced);
    out.paintServers = paints_.sources();
    for (size_t i = 0; i < layerOrder_.size(); ++i) {
        const Layer& layer = layers_.at(layerOrder_[i]);
        if (layer.id == currentLayer_)
            out.currentLayer = static_cast<int32_t>(i);
        LayerData& ld = out.layers.emplace_back();
        ld.name = layer.name;
        ld.visible = layer.visible;
        ld.locked = layer.locked;
    }
    return out;
}

void Document::exportArt(ArtId id, ArtData& out) const
{
    const Node& node = nodes_.at(id);
    out.type = node.type;
    out.id = node.name;
    out.selected = node.selected;
    out.style = node.style;
    out.closed = node.closed;
    out.segments = node.segments;
    out.matrix = node.matrix;
    out.bounds = node.bounds;
    out.content = node.content;
    out.sourceXml = node.sourceXml;
    out.space = node.space;
    out.fillPaint = node.fillPaint;
    out.strokePaint = node.strokePaint;
    out.attributes = node.attributes;
    for (ArtId child : node.children)
        exportArt(child, out.children.emplace_back());
}

LayerId Document::layerOf(ArtId id) const
{
    const Node* node = find(id);
    return node ? node->parent.layer : 0;
}

bool Document::editable(ArtId id) const
{
    const Layer* layer = findLayer(layerOf(id));
    return layer && layer->visible && !layer->locked;
}

TvErr Document::bounds(ArtId id, TvRealRect& out) const
{
    const Node* node = find(id);
    if (!node)
        return TV_ERR_BAD_PARAMETER;
    switch (node->type) {
    case ArtType::Path:
        if (!node->segmentBounds)
            node->segmentBounds = segmentsBounds(node->segments);
        out = *node->segmentBounds;
        return 0;
    case ArtType::Text:
    case ArtType::PlacedImage:
    case ArtType::Instance: out = transformedBounds(node->matrix, node->bounds); return 0;
    case ArtType::Group:
    case ArtType::CompoundPath: break;
    }
    out = {};
    for (ArtId child : node->children) {
        TvRealRect r{};
        bounds(child, r);
        out = unionRect(out, r);
    }
    return 0;
}

TvErr Document::firstChild(ArtId id, ArtId& child) const
{
    const Node* node = find(id);
    if (!node)
        return TV_ERR_BAD_PARAMETER;
    child = node->children.empty() ? 0 : node->children.front();
    return 0;
}

TvErr Document::sibling(ArtId id, ArtId& next) const
{
    const Node* node = find(id);
    if (!node)
        return TV_ERR_BAD_PARAMETER;
    next = withList(node->parent, [&](const IdList& list) { return list.nextAfter(slotIn(list, id, nodes_)); });
    return 0;
}

TvRealPoint Document::viewToArtwork(TvIntPoint px) const
{
    const TvReal halfW = static_cast<TvReal>(view_.width) / 2;
    const TvReal halfH = static_cast<TvReal>(view_.height) / 2;
    return {view_.centre.h + (static_cast<TvReal>(px.h) - halfW) / view_.zoom,
            view_.centre.v - (static_cast<TvReal>(px.v) - halfH) / view_.zoom};
}

std::optional<TvIntPoint> Document::artworkToView(TvRealPoint point) const
{
    const double h = std::round((double{point.h} - view_.centre.h) * view_.zoom + view_.width / 2.0);
    const double v = std::round(view_.height / 2.0 - (double{point.v} - view_.centre.v) * view_.zoom);
    constexpr double lowest = INT32_MIN, highest = INT32_MAX;
    if (!(h >= lowest && h <= highest && v >= lowest && v <= highest))
        return std::nullopt;
    return TvIntPoint{static_cast<int32_t>(h), static_cast<int32_t>(v)};
}

} // namespace tovrins::host
