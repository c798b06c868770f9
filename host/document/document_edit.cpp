// The document's edits. Each one is expressed as reversible changes so
// that undo costs as much as the edit did, whatever the document's size.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "host/document/document.hpp"
#include "host/document/geometry.hpp"
#include "sdk/tv_ai_transform_art.h"
#include "sdk/tv_errors.h"

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

// A new layer is named this, then its number.
constexpr std::string_view defaultLayerName = "Layer ";

bool isContainer(ArtType t) { return t == ArtType::Group || t == ArtType::CompoundPath; }

// Text, images and instances are kept whole, placed by a matrix.
bool hasMatrix(ArtType t) { return t == ArtType::Text || t == ArtType::PlacedImage || t == ArtType::Instance; }

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
        index = withList(where, [&](const IdList& list) { return list.indexOfSlot(slotIn(list, reference, nodes_)); }) +
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
        const size_t childAt = out.size();
        copySubtree(child, Container{parent.layer, out[at].id}, out);
        // Filled from the bottom up, the list keeps every id in its slot.
        out[childAt].slot = out[at].children.insert(out[at].children.size(), out[childAt].id).slot;
    }
}

TvErr Document::duplicate(ArtId source, int16_t paintOrder, ArtId reference, ArtId& copy)
{
    const Node* from = find(source); // nodes never move while they live
    if (!from)
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
    const size_t size = from->children.empty() ? 1 : subtreeSize(source);
    if (objectCount() + size > objectLimit_ || size > firstLayerId - nextId_)
        return TV_ERR_MEMORY_FULL;
    EditScope scope(*this);
    if (from->children.empty()) {
        // A lone path, the common case: copied straight into the id map
        // (whose nodes stay put as it grows), not through a list of one.
        copy = nextId_;
        becomeCopy(nodes_.put(copy, *from), where);
        try {
            withList(where, [&](IdList& list) { placeInto(list, index, copy, nodes_); });
        } catch (...) {
            nodes_.erase(copy);
            throw;
        }
        journalNew<change::Detach>(where, copy);
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
    const bool paints =
        (flags & (TV_TRANSFORM_FILL_GRADIENTS | TV_TRANSFORM_FILL_PATTERNS | TV_TRANSFORM_STROKE_PATTERNS)) != 0;
    if (!objects && !lines && !paints)
        return 0;
    EditScope scope(*this);
    auto transformNode = [&](Node& node) {
        std::optional<change::Geometry> before; // none for a node made in this command
        if (journaled(node.id))
            before = change::Geometry{node.id, std::make_unique<change::GeometryState>(change::GeometryState{
                                                   node.segments, node.matrix, node.style.strokeWidth, node.space,
                                                   node.fillPaint, node.strokePaint})};
        if (objects) {
            node.segmentBounds.reset();
            for (Segment& s : node.segments)
                transformSegment(m, s);
            if (hasMatrix(node.type))
                node.matrix = concatMatrix(node.matrix, m);
        }
        moveSpace(node, m, flags);
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

TvRealMatrix Document::userSpace(const Node& node) const
{
    for (const Node* n = &node;;) {
        if (n->space)
            return *n->space;
        if (n->parent.group == 0)
            return TvRealMatrix{1, 0, 0, -1, 0, height_}; // the page: y down from its top
        n = &nodes_.at(n->parent.group);
    }
}

namespace {

// The flag that makes a paint of this kind follow the art: stroke
// gradients follow the fill gradients' flag, as the interface has none of
// their own.
int32_t followFlag(const TvColor& paint, bool fill)
{
    if (paint.kind == TV_COLOR_GRADIENT)
        return TV_TRANSFORM_FILL_GRADIENTS;
    if (paint.kind == TV_COLOR_PATTERN)
        return fill ? TV_TRANSFORM_FILL_PATTERNS : TV_TRANSFORM_STROKE_PATTERNS;
    return 0;
}

} // namespace

TvRealRect Document::localBox(const Node& node, const TvRealMatrix& toLocal) const
{
    if (hasMatrix(node.type)) { // bounds in its own space, y negated
        return {node.bounds.left, -node.bounds.bottom, node.bounds.right, -node.bounds.top};
    }
    // The parts of a compound path are painted as one shape.
    const Node* whole = &node;
    if (node.parent.group != 0 && nodes_.at(node.parent.group).type == ArtType::CompoundPath)
        whole = &nodes_.at(node.parent.group);
    TvRealRect box{};
    forEachInSubtree(whole->id, [&](const Node& n) {
        if (!n.segments.empty())
            box = unionRect(box, curveBounds(n.segments, n.closed, toLocal));
    });
    return box;
}

void Document::moveSpace(Node& node, const TvRealMatrix& m, int32_t flags)
{
    const bool objects = (flags & TV_TRANSFORM_OBJECTS) != 0;
    const bool fillServed = isPaintServerKind(node.style.fill.kind) && !node.fillPaint.empty();
    const bool strokeServed = isPaintServerKind(node.style.stroke.kind) && !node.strokePaint.empty();
    if (!fillServed && !strokeServed) {
        if (objects && node.space)
            node.space = concatMatrix(*node.space, m);
        return;
    }
    const TvRealMatrix before = userSpace(node);
    const TvRealMatrix moved = concatMatrix(before, m);
    // The points have moved already when the art itself moves.
    const auto toLocal = invertMatrix(objects ? moved : before);
    const TvRealRect box = toLocal ? localBox(node, *toLocal) : TvRealRect{};
    auto follow = [&](std::string& paint, const TvColor& colour, bool fill) {
        const bool follows = (flags & followFlag(colour, fill)) != 0;
        if (objects && !follows)
            paint = paints_.keepInPlace(paint, before, moved, box); // stays where it was
        else if (!objects && follows)
            paint = paints_.keepInPlace(paint, moved, before, box); // moves on its own
    };
    if (fillServed)
        follow(node.fillPaint, node.style.fill, true);
    if (strokeServed)
        follow(node.strokePaint, node.style.stroke, false);
    // The paints are tied to the art's space, so it becomes its own.
    node.space = objects ? moved : before;
}

TvErr Document::setStyle(ArtId id, const TvPathStyle& style)
{
    if (!find(id))
        return TV_ERR_BAD_PARAMETER;
    if (!editable(id))
        return TV_ERR_LAYER_LOCKED;
    EditScope scope(*this);
    // A group or compound path passes its style on to everything inside.
    // A gradient or pattern kind names no paint of its own: art keeps the
    // paint server it has, and art without one keeps its paint.
    auto keepServed = [&](TvColor& into, const TvColor& current, const std::string& paint) {
        if (!isPaintServerKind(into.kind))
            return;
        const PaintServer* server = paint.empty() ? nullptr : paints_.find(paint);
        into = server ? paintServerColour(*server) : current;
    };
    forEachInSubtree(id, [&](const Node& node) {
        TvPathStyle s = style;
        keepServed(s.fill, node.style.fill, node.fillPaint);
        keepServed(s.stroke, node.style.stroke, node.strokePaint);
        commit(change::Style{node.id, s});
    });
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
        index = layerOrder_.indexOfSlot(slotIn(layerOrder_, reference, layers_)) + (paintOrder == placeAbove ? 1 : 0);
    } else {
        return TV_ERR_BAD_PARAMETER;
    }
    if (objectCount() + 1 > objectLimit_ || nextLayerId_ == lastLayerId)
        return TV_ERR_MEMORY_FULL;
    EditScope scope(*this);
    // A preview may make a layer per copy: the slot's room from the last
    // layer there is kept, so a layer costs no allocation.
    layer = nextLayerId_++;
    Layer& fresh = layers_.claim(layer);
    // Spelt into the room the slot's last name left, without a temporary.
    char number[24];
    const auto spelt = std::to_chars(number, std::end(number), nextLayerNumber_++);
    fresh.name.assign(defaultLayerName);
    fresh.name.append(number, spelt.ptr);
    fresh.visible = true;
    fresh.locked = false;
    fresh.art.clear();
    try {
        placeInto(layerOrder_, index, layer, layers_);
    } catch (...) {
        layers_.erase(layer);
        throw;
    }
    journalNew<change::LayerDetach>(layer);
    return 0;
}

TvErr Document::setCurrentLayer(LayerId layer)
{
    if (!findLayer(layer))
        return TV_ERR_BAD_PARAMETER;
    if (layer == currentLayer_)
        return 0;
    // A filter that makes a layer per copy makes each current in turn: the
    // journal already holds the layer to come back to.
    if (inCommand_ && currentLayerJournaled_) {
        currentLayer_ = layer;
        return 0;
    }
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
