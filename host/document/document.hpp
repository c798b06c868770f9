// The live document of the workbench: what the suites read and change.
// Art and layers keep stable ids for as long as they exist (including
// across undo), and every change goes through an undo journal.
#pragma once

#include <climits>
#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>
#include <vector>

#include "host/document_data.hpp"
#include "host/document/document_model.hpp"
#include "host/document/id_slots.hpp"
#include "host/document/paint_servers.hpp"
#include "sdk/tv_types.h"

namespace tovrins::host {

// Art and layers draw ids from ranges of their own, so each keeps its slots
// dense (a preview with a layer per copy touches half the memory it would
// with one shared range). Layer ids take the top half of what a handle
// holds and art ids the bottom half: a layer's handle never names art, nor
// the other way round.
inline constexpr uint64_t firstLayerId = uint64_t{1} << (sizeof(uintptr_t) * CHAR_BIT - 1);
inline constexpr uint64_t lastLayerId = std::numeric_limits<uintptr_t>::max();

// Handles are ids in disguise; the document validates them on every call.
inline TvArtHandle toHandle(ArtId id) { return reinterpret_cast<TvArtHandle>(static_cast<uintptr_t>(id)); }
inline ArtId artIdOf(TvArtHandle h) { return reinterpret_cast<uintptr_t>(h); }
inline TvLayerHandle toLayerHandle(LayerId id) { return reinterpret_cast<TvLayerHandle>(static_cast<uintptr_t>(id)); }
inline LayerId layerIdOf(TvLayerHandle h) { return reinterpret_cast<uintptr_t>(h); }

struct DocumentView {
    TvReal zoom = 1;
    TvRealPoint centre{};
    int32_t width = 800; // pixels
    int32_t height = 600;
};

class Document {
public:
    static constexpr uint64_t defaultObjectLimit = 5'000'000;

    explicit Document(const DocumentData& data = {}, uint64_t objectLimit = defaultObjectLimit);

    DocumentData data() const;
    // All of data() but the art: the page, the layers (empty), the paints
    // and what the source file held beside its art. A writer that reads the
    // nodes in place takes the rest from here.
    DocumentData dataWithoutArt() const;
    TvReal width() const { return width_; }
    TvReal height() const { return height_; }
    std::optional<uint64_t> seed() const { return seed_; }
    void setSeed(std::optional<uint64_t> seed) { seed_ = seed; }

    // Art and layers count as objects; growing past the limit fails with -108.
    uint64_t objectCount() const { return nodes_.size() + layers_.size(); }
    void setObjectLimit(uint64_t limit) { objectLimit_ = limit; }

    // Queries. Null for an unknown id.
    const Node* find(ArtId id) const { return nodes_.find(id); }
    const PaintServers& paintServers() const { return paints_; }
    const Layer* findLayer(LayerId id) const { return layers_.find(id); }
    // Bottom to top.
    std::vector<LayerId> layerOrder() const { return {layerOrder_.begin(), layerOrder_.end()}; }
    LayerId currentLayer() const { return currentLayer_; }
    LayerId layerOf(ArtId id) const;
    TvErr bounds(ArtId id, TvRealRect& out) const;
    TvErr firstChild(ArtId id, ArtId& child) const; // 0 when none
    TvErr sibling(ArtId id, ArtId& next) const;     // 0 after the last
    // Every node, layers bottom to top, depth first, parents before children.
    template <class F> void forEachInOrder(F&& visit) const;

    // Edits, all journaled. Art on a locked or hidden layer cannot be changed.
    // paintOrder: 5 top of the current layer, 6 its bottom, 1 above and 2
    // below reference, 3 on top and 4 at the bottom inside reference.
    TvErr duplicate(ArtId source, int16_t paintOrder, ArtId reference, ArtId& copy);
    TvErr dispose(ArtId id);
    TvErr transform(ArtId id, const TvRealMatrix& m, TvReal lineScale, int32_t flags);
    TvErr setStyle(ArtId id, const TvPathStyle& style);
    // Selecting a group or compound path selects everything inside it.
    TvErr setSelected(ArtId id, bool selected);
    // paintOrder: 5 topmost, 6 bottommost, 1 above and 2 below reference.
    TvErr insertLayer(int16_t paintOrder, LayerId reference, LayerId& layer);
    TvErr setCurrentLayer(LayerId layer);
    TvErr setLayerProperties(LayerId layer, std::string name, bool visible, bool locked);

    // The filter command protocol: beginCommand when the host sends Get
    // Parameters (or a lone Go), undoChanges reverts everything since,
    // endCommand closes it as one step of the user's undo history.
    void beginCommand();
    void undoChanges();
    void endCommand();
    bool inCommand() const { return inCommand_; }
    size_t pendingChanges() const { return journal_.size(); }
    // The user's whole-command undo and redo; false when there is nothing.
    bool undo();
    bool redo();
    bool canUndo() const { return !undoStack_.empty(); }
    bool canRedo() const { return !redoStack_.empty(); }

    DocumentView& view() { return view_; }
    const DocumentView& view() const { return view_; }
    TvRealPoint viewToArtwork(TvIntPoint px) const;
    // The pixel nearest to an artwork point; none when that pixel is beyond
    // what 32 bits hold.
    std::optional<TvIntPoint> artworkToView(TvRealPoint point) const;
    void noteRedraw() { ++redraws_; }
    uint64_t redrawCount() const { return redraws_; }

private:
    // Makes a lone edit outside any command one step of the user's undo.
    class EditScope;

    ArtId addNode(const ArtData& art, Container parent);
    void exportArt(ArtId id, ArtData& out) const;
    Node* findMutable(ArtId id) { return nodes_.find(id); }
    Layer* findLayerMutable(LayerId id) { return layers_.find(id); }
    bool editable(ArtId id) const;
    TvErr placement(int16_t paintOrder, ArtId reference, Container& where, size_t& index) const;
    // Calls f with the list of ids where points into (a group's children or
    // a layer's art); the two are different containers.
    template <class F> decltype(auto) withList(Container where, F&& f)
    {
        if (where.group != 0)
            return f(nodes_.at(where.group).children);
        return f(layers_.at(where.layer).art);
    }
    template <class F> decltype(auto) withList(Container where, F&& f) const
    {
        if (where.group != 0)
            return f(nodes_.at(where.group).children);
        return f(layers_.at(where.layer).art);
    }
    // The slot id sits in within list; owners (nodes_ or layers_) keep a
    // hint of it, renewed whenever the list moves its ids.
    template <class Owners> static size_t slotIn(const IdList& list, uint64_t id, const Owners& owners)
    {
        return slotIn(list, owners.at(id));
    }
    template <class Owner> static size_t slotIn(const IdList& list, const Owner& owner);
    template <class Owners> static void placeInto(IdList& list, size_t index, uint64_t id, Owners& owners);
    template <class Owners> static void eraseSlot(IdList& list, size_t slot, Owners& owners);
    template <class Owners> static void renewSlots(const IdList& list, Owners& owners);
    std::vector<ArtId>::size_type subtreeSize(ArtId id) const;
    // Visits id and everything inside it. A node's children are taken before
    // it is visited, so visit may change the node but not its children.
    template <class F> void forEachInSubtree(ArtId id, F&& visit) { walkSubtree(*this, id, visit); }
    template <class F> void forEachInSubtree(ArtId id, F&& visit) const { walkSubtree(*this, id, visit); }
    template <class Self, class F> static void walkSubtree(Self& self, ArtId id, F& visit);
    // Gives a node just copied a fresh id and parent, no children, no
    // selection and no name.
    void becomeCopy(Node& copy, Container parent);
    void copySubtree(ArtId source, Container parent, std::vector<Node>& out);
    // The user space a node's coordinates are written in: its own, or the
    // nearest ancestor's, or the page's.
    TvRealMatrix userSpace(const Node& node) const;
    // Moves node's space by m, and its gradients and patterns with it
    // unless flags keep them where they are.
    void moveSpace(Node& node, const TvRealMatrix& m, int32_t flags);
    // The bounding box a paint in bounding-box units is laid out on, in the
    // art's own user space.
    TvRealRect localBox(const Node& node, const TvRealMatrix& toLocal) const;

    void commit(Change c);
    void record(Change inverse);
    // Journals what takes out an object made in this command, which is
    // always journaled, without record's questions: a preview makes a
    // hundred thousand.
    template <class C, class... Args> void journalNew(Args&&... args)
    {
        journal_.emplace_back(std::in_place_type<C>, C{std::forward<Args>(args)...});
    }
    // Whether a change to this node must be journaled: not for a node made
    // in the open command, since reverting the command takes it out whole
    // and redoing it brings it back as it was last.
    bool journaled(ArtId id) const { return id < commandFirstId_; }
    Change apply(Change c);
    Change applyDetach(change::Detach& c);
    Change applyAttach(change::Attach& c);
    Change applyLayerDetach(change::LayerDetach& c);
    Change applyLayerAttach(change::LayerAttach& c);
    void dropSubtree(const change::Detach& c);
    void dropLayer(const change::LayerDetach& c);
    std::vector<Change> revert(std::vector<Change> changes);
    void releaseSpares();

    TvReal width_ = 612;
    TvReal height_ = 792;
    std::optional<uint64_t> seed_;
    std::string definitions_;
    std::vector<Attribute> rootAttributes_;
    PaintServers paints_;
    uint64_t objectLimit_;
    ArtId nextId_ = 1;
    LayerId nextLayerId_ = firstLayerId;
    IdSlots<Node> nodes_{1};
    IdSlots<Layer> layers_{firstLayerId};
    IdList layerOrder_; // bottom to top
    LayerId currentLayer_ = 0;
    uint64_t nextLayerNumber_ = 1;

    bool inCommand_ = false;
    ArtId commandFirstId_ = 0; // the first id made in the open command
    std::vector<Change> journal_;
    bool currentLayerJournaled_ = false; // the journal holds the layer current before the command
    std::vector<std::vector<Change>> undoStack_;
    std::vector<std::vector<Change>> redoStack_;

    DocumentView view_;
    uint64_t redraws_ = 0;
};

template <class F> void Document::forEachInOrder(F&& visit) const
{
    std::vector<ArtId> stack;
    for (LayerId layerId : layerOrder_) {
        const Layer& layer = layers_.at(layerId);
        for (ArtId top : layer.art) {
            stack.push_back(top);
            while (!stack.empty()) {
                const Node& node = nodes_.at(stack.back());
                stack.pop_back();
                visit(node);
                for (auto it = node.children.rbegin(); it != node.children.rend(); ++it)
                    stack.push_back(*it);
            }
        }
    }
}

template <class Owner> size_t Document::slotIn(const IdList& list, const Owner& owner)
{
    const size_t slot = list.slotOf(owner.id, owner.slot);
    if (slot == IdList::npos)
        throw std::logic_error("Document: an object is missing from the list it belongs to");
    return slot;
}

template <class Owners> void Document::placeInto(IdList& list, size_t index, uint64_t id, Owners& owners)
{
    const IdList::Placed placed = list.insert(index, id);
    if (placed.moved)
        renewSlots(list, owners);
    else
        owners.at(id).slot = placed.slot;
}

template <class Owners> void Document::eraseSlot(IdList& list, size_t slot, Owners& owners)
{
    if (list.eraseSlot(slot))
        renewSlots(list, owners);
}

template <class Owners> void Document::renewSlots(const IdList& list, Owners& owners)
{
    list.forEachSlot([&owners](size_t slot, uint64_t id) { owners.at(id).slot = slot; });
}

template <class Self, class F> void Document::walkSubtree(Self& self, ArtId id, F& visit)
{
    std::vector<ArtId> stack{id};
    while (!stack.empty()) {
        auto& node = self.nodes_.at(stack.back());
        stack.pop_back();
        stack.insert(stack.end(), node.children.begin(), node.children.end());
        visit(node);
    }
}

} // namespace tovrins::host
