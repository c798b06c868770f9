// The document's edits. Each one is expressed as reversible changes so
// that undo costs as much as the edit did, whatever the document's size.
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "document.hpp"
#include "geometry.hpp"
#include "tv_errors.h"

namespace tovrins::host {

class Document::EditScope {
public:
    explicit EditScope(Document& d) : d_(d), opened_(!d.inCommand_)
    {
        if (opened_)
            d_.beginCommand();
    }
    ~EditScope()
    {
        if (opened_)
            d_.endCommand();
    }
    EditScope(const EditScope&) = delete;
    EditScope& operator=(const EditScope&) = delete;

private:
    Document& d_;
    bool opened_;
};

namespace {

// Paint orders of the host interface.
constexpr int16_t placeAbove = 1;
constexpr int16_t placeBelow = 2;
constexpr int16_t placeInsideOnTop = 3;
constexpr int16_t placeInsideOnBottom = 4;

bool isContainer(ArtType t) { return t == ArtType::Group || t == ArtType::CompoundPath; }

template <class List> size_t indexIn(const List& list, ArtId id)
{
    return static_cast<size_t>(std::find(list.begin(), list.end(), id) - list.begin());
}

} // namespace

TvErr Document::placement(int16_t paintOrder, ArtId reference, Container& where, size_t& index) const
{
    if (paintOrder == TV_PLACE_ABOVE_ALL || paintOrder == TV_PLACE_BELOW_ALL) {
        where = Container{currentLayer_, 0};
        index = paintOrder == TV_PLACE_ABOVE_ALL ? findLayer(currentLayer_)->art.size() : 0;
        return 0;
    }
    const Node* ref = find(reference);
    if (!ref)
        return TV_ERR_BAD_PARAMETER;
    if (paintOrder == placeAbove || paintOrder == placeBelow) {
        where = ref->parent;
        index = withList(where, [reference](const auto& list) { return indexIn(list, reference); }) +
                (paintOrder == placeAbove ? 1 : 0);
        return 0;
    }
    if ((paintOrder == placeInsideOnTop || paintOrder == placeInsideOnBottom) && isContainer(ref->type)) {
        where = Container{ref->parent.layer, reference};
        index = paintOrder == placeInsideOnTop ? ref->children.size() : 0;
        return 0;
    }
    return TV_ERR_BAD_PARAMETER;
}

std::vector<ArtId>::size_type Document::subtreeSize(ArtId id) const
{
    size_t n = 0;
    forEachInSubtree(id, [&n](const Node&) { ++n; });
    return n;
}

void Document::becomeCopy(Node& copy, Container parent)
{
    copy.id = nextId_++;
    copy.parent = parent;
    copy.selected = false; // the selection stays on what the user chose
    copy.name.clear();     // a file's ids stay unique: copies have none of their own
    copy.children.clear();
}

void Document::copySubtree(ArtId source, Container parent, std::vector<Node>& out)
{
    const Node& from = nodes_.at(source);
    const size_t at = out.size();
    becomeCopy(out.emplace_back(from), parent); // made in place: a node is large
    for (ArtId child : from.children) {
        const ArtId childId = nextId_;
        copySubtree(child, Container{parent.layer, out[at].id}, out);
        out[at].children.push_back(childId);
    }
}

TvErr Document::duplicate(ArtId source, int16_t paintOrder, ArtId reference, ArtId& copy)
{
    if (!find(source))
        return TV_ERR_BAD_PARAMETER;
    Container where;
    size_t index = 0;
    if (TvErr err = placement(paintOrder, reference, where, index))
        return err;
    // A copy cannot go inside itself.
    for (ArtId up = where.group; up != 0; up = find(up)->parent.group)
        if (up == source)
            return TV_ERR_BAD_PARAMETER;
    const Layer* target = findLayer(where.layer);
    if (!target->visible || target->locked)
        return TV_ERR_LAYER_LOCKED;
    const size_t size = subtreeSize(source);
    if (objectCount() + size > objectLimit_)
        return TV_ERR_MEMORY_FULL;
    EditScope scope(*this);
    if (const Node& from = nodes_.at(source); from.children.empty()) {
        // A lone path, the common case: copied straight into the id map
        // (whose nodes stay put as it grows), not through a list of one.
        copy = nextId_;
        becomeCopy(nodes_.try_emplace(copy, from).first->second, where);
        try {
            withList(where, [&](auto& list) { list.insert(list.begin() + static_cast<std::ptrdiff_t>(index), copy); });
        } catch (...) {
            nodes_.erase(copy);
            throw;
        }
        record(change::Detach{where, copy});
        return 0;
    }
    std::vector<Node> nodes;
    nodes.reserve(size); // one allocation for the whole subtree
    copySubtree(source, where, nodes);
    copy = nodes.front().id;
    commit(change::Attach{where, index, std::move(nodes)});
    return 0;
}

TvErr Document::dispose(ArtId id)
{
    const Node* node = find(id);
    if (!node)
        return TV_ERR_BAD_PARAMETER;
    if (!editable(id))
        return TV_ERR_LAYER_LOCKED;
    EditScope scope(*this);
    commit(change::Detach{node->parent, id});
    return 0;
}

TvErr Document::transform(ArtId id, const TvRealMatrix& m, TvReal lineScale, int32_t flags)
{
    if (!find(id))
        return TV_ERR_BAD_PARAMETER;
    const bool objects = (flags & 1) != 0;
    const bool lines = (flags & 16) != 0;
    if (!isFinite(m) || (lines && !std::isfinite(lineScale)))
        return TV_ERR_BAD_PARAMETER;
    if (!editable(id))
        return TV_ERR_LAYER_LOCKED;
    // Gradients and patterns are not modelled, so their flags change nothing.
    if (!objects && !lines)
        return 0;
    EditScope scope(*this);
    auto transformNode = [&](Node& node) {
        std::optional<change::Geometry> before; // none for a node made in this command
        if (journaled(node.id))
            before = change::Geometry{node.id, node.segments, node.matrix, node.style.strokeWidth};
        if (objects) {
            for (Segment& s : node.segments) {
                s.p = transformPoint(m, s.p);
                s.in = transformPoint(m, s.in);
                s.out = transformPoint(m, s.out);
            }
            if (node.type == ArtType::Text || node.type == ArtType::PlacedImage)
                node.matrix = concatMatrix(node.matrix, m);
        }
        if (lines)
            node.style.strokeWidth *= lineScale;
        if (before)
            record(std::move(*before));
    };
    Node& top = nodes_.at(id);
    if (top.children.empty()) { // a lone path, the common case: no walk to set up
        transformNode(top);
        return 0;
    }
    forEachInSubtree(id, transformNode);
    return 0;
}

TvErr Document::setStyle(ArtId id, const TvPathStyle& style)
{
    if (!find(id))
        return TV_ERR_BAD_PARAMETER;
    if (!editable(id))
        return TV_ERR_LAYER_LOCKED;
    EditScope scope(*this);
    // A group or compound path passes its style on to everything inside.
    forEachInSubtree(id, [&](const Node& node) { commit(change::Style{node.id, style}); });
    return 0;
}

TvErr Document::setSelected(ArtId id, bool selected)
{
    if (!find(id))
        return TV_ERR_BAD_PARAMETER;
    EditScope scope(*this);
    forEachInSubtree(id, [&](const Node& node) {
        if (node.selected != selected)
            commit(change::Select{node.id, selected});
    });
    return 0;
}

TvErr Document::insertLayer(int16_t paintOrder, LayerId reference, LayerId& layer)
{
    size_t index = 0;
    if (paintOrder == TV_PLACE_ABOVE_ALL) {
        index = layerOrder_.size();
    } else if (paintOrder == TV_PLACE_BELOW_ALL) {
        index = 0;
    } else if ((paintOrder == placeAbove || paintOrder == placeBelow) && findLayer(reference)) {
        index = static_cast<size_t>(std::find(layerOrder_.begin(), layerOrder_.end(), reference) - layerOrder_.begin()) +
                (paintOrder == placeAbove ? 1 : 0);
    } else {
        return TV_ERR_BAD_PARAMETER;
    }
    if (objectCount() + 1 > objectLimit_)
        return TV_ERR_MEMORY_FULL;
    EditScope scope(*this);
    Layer fresh;
    fresh.id = nextId_++;
    fresh.name = "Layer " + std::to_string(nextLayerNumber_++);
    layer = fresh.id;
    commit(change::LayerAttach{index, std::move(fresh)});
    return 0;
}

TvErr Document::setCurrentLayer(LayerId layer)
{
    if (!findLayer(layer))
        return TV_ERR_BAD_PARAMETER;
    if (layer == currentLayer_)
        return 0;
    EditScope scope(*this);
    commit(change::CurrentLayer{layer});
    return 0;
}

TvErr Document::setLayerProperties(LayerId layer, std::string name, bool visible, bool locked)
{
    if (!findLayer(layer))
        return TV_ERR_BAD_PARAMETER;
    EditScope scope(*this);
    commit(change::LayerProps{layer, std::move(name), visible, locked});
    return 0;
}

} // namespace tovrins::host
