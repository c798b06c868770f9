// A document as plain values: what SVG and JSON files are read into and
// written from, and what the live document (host/document/) is built from
// and exported to. Coordinates are document coordinates, y growing upward.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sdk/tv_types.h"

namespace tovrins::host {

enum class ArtType : int16_t {
    Group = TV_ART_GROUP,
    Path = TV_ART_PATH,
    CompoundPath = TV_ART_COMPOUND_PATH,
    Text = TV_ART_TEXT,
    PlacedImage = TV_ART_PLACED,
    // An SVG element kept whole and drawn by reference: <use>, a nested
    // <svg> viewport or a <switch>. The host's own type number.
    Instance = 13,
};

// An SVG attribute kept as it stood: presentation properties the model does
// not edit (fill-opacity, dashes, clip-path, filter, markers...) and foreign
// namespaces' attributes (inkscape:label...).
struct Attribute {
    std::string name;
    std::string value;
    bool operator==(const Attribute&) const = default;
};

// A gradient or pattern the document made so that a moved copy's paint
// stays where it was: it takes everything from `base` (an element of the
// source file's definitions) but its own transform.
struct DerivedPaint {
    std::string id;
    std::string base;
    std::string element; // "linearGradient", "radialGradient" or "pattern"
    TvRealMatrix transform{1, 0, 0, 1, 0, 0};
};

// What the document needs to know of a gradient or pattern of the source
// file to move it: its kind, whether it is laid out on the object's
// bounding box, and its own transform (each as inherited through href).
struct PaintServer {
    std::string id;
    std::string element;
    bool boundingBoxUnits = false;
    TvRealMatrix transform{1, 0, 0, 1, 0, 0};
};

// One anchor of a path with its two control points (equal to the anchor
// for a straight segment).
struct Segment {
    TvRealPoint p;
    TvRealPoint in;
    TvRealPoint out;
    bool corner = true;
};

struct ArtData {
    ArtType type = ArtType::Path;
    std::string id; // the SVG id, kept through import and export
    bool selected = false;
    TvPathStyle style{}; // fill, stroke, stroke width, opacity
    // Paths.
    bool closed = false;
    std::vector<Segment> segments;
    // Groups and compound paths (whose children are paths), bottom to top.
    std::vector<ArtData> children;
    // Text and placed images are kept whole: their own transform, their
    // untransformed bounds and their content (the text, or the image href).
    TvRealMatrix matrix{1, 0, 0, 1, 0, 0};
    TvRealRect bounds{};
    std::string content;
    // The SVG element it came from, for text, images and instances: its
    // XML, so that export can write it back unchanged apart from the
    // transform.
    std::string sourceXml;
    // Art whose look is bound to its own coordinate system (a gradient, a
    // pattern, a clip path, a filter, a marker, dashes) keeps it: `space`
    // maps its SVG user space (y down) to the document, and export writes it
    // as the element's transform. Transforming the art carries it along.
    std::optional<TvRealMatrix> space;
    // The paint servers fill and stroke refer to (ids), when their kinds are
    // TV_COLOR_GRADIENT or TV_COLOR_PATTERN.
    std::string fillPaint;
    std::string strokePaint;
    std::vector<Attribute> attributes;
};

struct LayerData {
    std::string name;
    bool visible = true;
    bool locked = false;
    std::vector<ArtData> art; // bottom to top
};

struct DocumentData {
    float width = 612;
    float height = 792;
    int32_t currentLayer = 0;      // index into layers
    std::vector<LayerData> layers; // bottom to top
    std::optional<uint64_t> seed;  // the random seed of the run that made it
    // What the source SVG held that is not art: definitions (gradients,
    // patterns, filters, clip paths, masks, markers, symbols), style sheets,
    // metadata and hidden elements, as XML written back unchanged.
    std::string definitions;
    std::vector<PaintServer> paintServers;
    std::vector<DerivedPaint> derivedPaints;
    // Attributes of the root <svg> kept as they stood: namespace
    // declarations, and the page's width and height as the file wrote them.
    std::vector<Attribute> rootAttributes;
};

inline bool isPaintServerKind(int32_t kind) { return kind == TV_COLOR_GRADIENT || kind == TV_COLOR_PATTERN; }

// The colour the path style suite reports for a paint server: its kind,
// components zero (the plug-in treats it opaquely and writes it back).
inline TvColor paintServerColour(const PaintServer& s)
{
    return TvColor{s.element == "pattern" ? TV_COLOR_PATTERN : TV_COLOR_GRADIENT, {0, 0, 0, 0}};
}

// Nesting limit below a layer's own art, shared by every reader and writer
// so that whatever one writes the others read back.
constexpr int kMaxArtDepth = 200;

// Bounds of a piece of art: control points included for paths, the
// transformed bounds for text and images, the union of children otherwise.
TvRealRect artBounds(const ArtData& art);

} // namespace tovrins::host
