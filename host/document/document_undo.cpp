// The undo journal: every change is kept as the change that reverses it.
#include <algorithm>

#include "host/document/document.hpp"

namespace tovrins::host {

namespace {

template <class... F> struct Overload : F... {
    using F::operator()...;
};
template <class... F> Overload(F...) -> Overload<F...>;

} // namespace

void Document::commit(Change c) { record(apply(std::move(c))); }

void Document::record(Change inverse)
{
    const ArtId id = std::visit(Overload{
                                    [](const change::Geometry& g) { return g.id; },
                                    [](const change::Select& s) { return s.id; },
                                    [](const change::Style& s) { return s.id; },
                                    [](const auto&) { return ArtId{0}; },
                                },
                                inverse);
    if (!journaled(id))
        return;
    // The journal is only ever reverted whole, so the current layer comes
    // back to what it was before the first change of it; a filter that
    // makes a layer per copy makes each current in turn.
    if (std::holds_alternative<change::CurrentLayer>(inverse)) {
        if (currentLayerJournaled_)
            return;
        currentLayerJournaled_ = true;
    }
    journal_.push_back(std::move(inverse));
}

Change Document::apply(Change c)
{
    return std::visit(Overload{
                          [&](change::Detach& d) { return applyDetach(d); },
                          [&](change::Attach& a) { return applyAttach(a); },
                          [&](change::Geometry& g) -> Change {
                              Node& node = nodes_.at(g.id);
                              change::GeometryState& was = *g.state;
                              std::swap(node.segments, was.segments);
                              node.segmentBounds.reset();
                              std::swap(node.matrix, was.matrix);
                              std::swap(node.style.strokeWidth, was.strokeWidth);
                              std::swap(node.space, was.space);
                              std::swap(node.fillPaint, was.fillPaint);
                              std::swap(node.strokePaint, was.strokePaint);
                              return std::move(g);
                          },
                          [&](change::Select& s) -> Change {
                              std::swap(nodes_.at(s.id).selected, s.selected);
                              return s;
                          },
                          [&](change::Style& s) -> Change {
                              std::swap(nodes_.at(s.id).style, s.style);
                              return s;
                          },
                          [&](change::LayerDetach& d) { return applyLayerDetach(d); },
                          [&](change::LayerAttach& a) { return applyLayerAttach(a); },
                          [&](change::LayerProps& p) -> Change {
                              Layer& layer = layers_.at(p.id);
                              std::swap(layer.name, p.name);
                              std::swap(layer.visible, p.visible);
                              std::swap(layer.locked, p.locked);
                              return std::move(p);
                          },
                          [&](change::CurrentLayer& c) -> Change {
                              std::swap(currentLayer_, c.id);
                              return c;
                          },
                      },
                      c);
}

Change Document::applyDetach(change::Detach& d)
{
    const size_t index = withList(d.where, [&](IdList& list) {
        const size_t slot = slotIn(list, d.id, nodes_);
        const size_t at = list.indexOfSlot(slot);
        eraseSlot(list, slot, nodes_);
        return at;
    });
    // The subtree leaves the id map, so its handles stop resolving, and is
    // kept whole (root first) to come back with the same ids.
    std::vector<Node> nodes;
    std::vector<ArtId> stack{d.id};
    while (!stack.empty()) {
        nodes.push_back(nodes_.take(stack.back()));
        stack.pop_back();
        const Node& node = nodes.back();
        stack.insert(stack.end(), node.children.rbegin(), node.children.rend());
    }
    return change::Attach{d.where, index, std::move(nodes)};
}

Change Document::applyAttach(change::Attach& a)
{
    const ArtId root = a.nodes.front().id;
    for (Node& node : a.nodes) {
        const ArtId id = node.id;
        nodes_.put(id, std::move(node));
    }
    withList(a.where, [&](IdList& list) { placeInto(list, std::min(a.index, list.size()), root, nodes_); });
    return change::Detach{a.where, root};
}

// Only layers emptied by the journal are detached: the art put into them
// was taken out first, since changes are reverted newest first.
Change Document::applyLayerDetach(change::LayerDetach& d)
{
    const size_t slot = slotIn(layerOrder_, d.id, layers_);
    const size_t index = layerOrder_.indexOfSlot(slot);
    eraseSlot(layerOrder_, slot, layers_);
    return change::LayerAttach{index, std::make_unique<Layer>(layers_.take(d.id))};
}

Change Document::applyLayerAttach(change::LayerAttach& a)
{
    const LayerId id = a.layer->id;
    layers_.put(id, std::move(*a.layer));
    placeInto(layerOrder_, std::min(a.index, layerOrder_.size()), id, layers_);
    return change::LayerDetach{id};
}

std::vector<Change> Document::revert(std::vector<Change> changes)
{
    std::vector<Change> inverses;
    inverses.reserve(changes.size());
    for (auto it = changes.rbegin(); it != changes.rend(); ++it)
        inverses.push_back(apply(std::move(*it)));
    return inverses;
}

void Document::beginCommand()
{
    endCommand();
    inCommand_ = true;
    commandFirstId_ = nextId_;
    currentLayerJournaled_ = false;
}

// A detached subtree that will never come back: out of its list and the id
// map, without the record that would bring it back.
void Document::dropSubtree(const change::Detach& d)
{
    const Node& root = nodes_.at(d.id);
    withList(d.where, [&](IdList& list) { eraseSlot(list, slotIn(list, root), nodes_); });
    if (root.children.empty()) { // a lone path, the common case
        nodes_.erase(d.id);
        return;
    }
    std::vector<ArtId> stack{d.id};
    while (!stack.empty()) {
        const Node& node = nodes_.at(stack.back());
        stack.pop_back();
        stack.insert(stack.end(), node.children.begin(), node.children.end());
        nodes_.erase(node.id); // its room stays in the slot, children and all
    }
}

// An empty layer that will never come back.
void Document::dropLayer(const change::LayerDetach& d)
{
    eraseSlot(layerOrder_, slotIn(layerOrder_, layers_.at(d.id)), layers_);
    layers_.erase(d.id);
}

// The inverses of an undo are not kept, so none are built up. The journal
// keeps its room: the next preview fills it again.
void Document::undoChanges()
{
    for (auto it = journal_.rbegin(); it != journal_.rend(); ++it) {
        if (const auto* detach = std::get_if<change::Detach>(&*it))
            dropSubtree(*detach);
        else if (const auto* layer = std::get_if<change::LayerDetach>(&*it))
            dropLayer(*layer);
        else
            apply(std::move(*it));
    }
    journal_.clear();
    currentLayerJournaled_ = false;
}

void Document::endCommand()
{
    if (!inCommand_)
        return;
    inCommand_ = false;
    if (!journal_.empty()) {
        undoStack_.push_back(std::move(journal_));
        redoStack_.clear();
    }
    journal_.clear();
    currentLayerJournaled_ = false;
    releaseSpares();
}

// Previews within a command reuse the slots their predecessors left; once
// it ends, the memory goes back.
void Document::releaseSpares()
{
    nodes_.releaseSpares();
    layers_.releaseSpares();
}

bool Document::undo()
{
    endCommand();
    if (undoStack_.empty())
        return false;
    std::vector<Change> step = std::move(undoStack_.back());
    undoStack_.pop_back();
    redoStack_.push_back(revert(std::move(step)));
    releaseSpares();
    return true;
}

bool Document::redo()
{
    endCommand();
    if (redoStack_.empty())
        return false;
    std::vector<Change> step = std::move(redoStack_.back());
    redoStack_.pop_back();
    undoStack_.push_back(revert(std::move(step)));
    releaseSpares();
    return true;
}

} // namespace tovrins::host
