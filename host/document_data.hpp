// A document as plain values: what SVG and JSON files are read into and
// written from, and what the live document (host/document/) is built from
// and exported to. Coordinates are document coordinates, y growing upward.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tv_types.h"

namespace tovrins::host {

enum class ArtType : int16_t {
    Group = TV_ART_GROUP,
    Path = TV_ART_PATH,
    CompoundPath = TV_ART_COMPOUND_PATH,
    Text = TV_ART_TEXT,
    PlacedImage = TV_ART_PLACED,
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
    std::string id;            // the SVG id, kept through import and export
    bool selected = false;
    TvPathStyle style{};       // fill, stroke, stroke width, opacity
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
    // The SVG element it came from, for text and images: its XML, so that
    // export can write it back unchanged apart from the transform.
    std::string sourceXml;
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
    int32_t currentLayer = 0;       // index into layers
    std::vector<LayerData> layers;  // bottom to top
    std::optional<uint64_t> seed;   // the random seed of the run that made it
};

// Bounds of a piece of art: control points included for paths, the
// transformed bounds for text and images, the union of children otherwise.
TvRealRect artBounds(const ArtData& art);

} // namespace tovrins::host
