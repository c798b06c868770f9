// The live document's pieces: art nodes addressed by stable ids, layers, and
// the reversible changes the undo journal is made of.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "host/document_data.hpp"
#include "host/document/id_list.hpp"

namespace tovrins::host {

using ArtId = uint64_t;
using LayerId = uint64_t;

// Where a node sits: inside group (when non-zero) or directly in layer.
struct Container {
    LayerId layer = 0;
    ArtId group = 0;
};

// What undoing and list keeping read (id, slot, parent and the ends of the
// list of children) comes first, in the node's first cache line: undoing a
// preview visits a hundred thousand nodes, each far from the last.
struct Node {
    ArtId id = 0;
    size_t slot = 0; // where it sits in its parent's list: a hint, checked on use
    Container parent;
    IdList children; // bottom to top
    ArtType type = ArtType::Path;
    std::string name; // the file's id
    bool selected = false;
    TvPathStyle style{};
    bool closed = false;
    std::vector<Segment> segments;
    // A path's bounds, kept once asked for until its segments change: the
    // filters ask for a copy's bounds before they move it, and the copy
    // brings the original's along.
    mutable std::optional<TvRealRect> segmentBounds;
    TvRealMatrix matrix{1, 0, 0, 1, 0, 0};
    TvRealRect bounds{};
    std::string content;
    std::string sourceXml;
    std::optional<TvRealMatrix> space;
    std::string fillPaint;
    std::string strokePaint;
    std::vector<Attribute> attributes;
};

struct Layer {
    LayerId id = 0;
    size_t slot = 0; // where it sits in the order of layers: a hint, checked on use
    IdList art;      // bottom to top
    std::string name;
    bool visible = true;
    bool locked = false;
};

// Each change, applied, yields the change that reverses it.
namespace change {
struct Detach {
    Container where;
    ArtId id;
}; // take a subtree out
struct Attach {
    Container where;
    size_t index;
    std::vector<Node> nodes;
}; // root first
// Swapped. The paints too: a copy moved without its gradient gets one of its own.
struct GeometryState {
    std::vector<Segment> segments;
    TvRealMatrix matrix;
    TvReal strokeWidth;
    std::optional<TvRealMatrix> space;
    std::string fillPaint;
    std::string strokePaint;
};
// The large changes hold their state apart, so that an entry of the journal
// (one or more a copy) stays small.
struct Geometry {
    ArtId id;
    std::unique_ptr<GeometryState> state;
};
struct Select {
    ArtId id;
    bool selected;
};
struct Style {
    ArtId id;
    TvPathStyle style;
};
struct LayerDetach {
    LayerId id;
}; // the layer is empty
struct LayerAttach {
    size_t index;
    std::unique_ptr<Layer> layer;
};
struct LayerProps {
    LayerId id;
    std::string name;
    bool visible;
    bool locked;
};
struct CurrentLayer {
    LayerId id;
};
} // namespace change

using Change = std::variant<change::Detach, change::Attach, change::Geometry, change::Select, change::Style,
                            change::LayerDetach, change::LayerAttach, change::LayerProps, change::CurrentLayer>;
static_assert(std::is_nothrow_move_constructible_v<Change>, "the journal must move its changes, not copy them");

} // namespace tovrins::host
