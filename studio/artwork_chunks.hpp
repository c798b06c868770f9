// The artwork as a stack of SVG images, each a run of one layer's top-level
// art, named by its content. The page keeps the images whose names it has
// already and fetches only the new ones, so a preview that adds a layer of
// copies costs the browser that layer, not the whole document again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/document/document.hpp"

namespace tovrins::studio {

struct ArtworkChunk {
    std::string key; // names the content: equal keys, equal images
    std::string svg;
};

// A run longer than this is split, so that copies added at the end of a long
// layer leave the images below them as they were. Not much shorter: when a
// whole layer changes, a few large images paint faster than many small ones.
inline constexpr size_t kMostArtPerChunk = 2000;

// The document's visible art, bottom to top, as SVG documents of its size
// that drawn one over another look as the whole document does. Art drawn by
// reference (<use> and the like) may refer to art elsewhere in the document,
// and blending mixes with what lies below: a document holding either is one
// image, the whole document.
// An image's key is a fingerprint of the art it draws (art_fingerprint.hpp);
// an image whose key `known` accepts is not written: its svg stays empty.
// The nodes are read in place: neither the fingerprints nor the images copy
// the document.
using KnownImage = std::function<bool(const std::string& key)>;
std::vector<ArtworkChunk> splitArtwork(const host::Document& document, size_t mostArtPerChunk = kMostArtPerChunk,
                                       const KnownImage& known = {});

// The images of the latest revision asked for, and of the one before it,
// which a page a revision behind may still be fetching. A new revision
// writes only the images neither holds.
class ArtworkCache {
public:
    // The images' keys, bottom to top; the document is split once a revision.
    const std::vector<std::string>& keys(uint64_t revision, const std::function<const host::Document&()>& document);
    // Null for a key of neither revision.
    const std::string* find(const std::string& key) const;

private:
    using Image = std::shared_ptr<const std::string>;
    Image held(const std::string& key) const;

    uint64_t revision_ = 0; // revisions count from 1
    std::vector<std::string> keys_;
    std::map<std::string, Image> current_;
    std::map<std::string, Image> previous_;
};

} // namespace tovrins::studio
