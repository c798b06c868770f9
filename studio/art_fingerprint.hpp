// A 64-bit fingerprint of what the SVG writer draws from art and from a
// document's shared parts (size, definitions, paint servers), so that the
// studio can tell an image it has written already without writing it again.
// Every field the writer draws from counts: a field left out would show a
// stale image. Selection is not drawn (the page outlines it over the
// images), so selecting art keeps its image. Art as plain values and the
// same art as live nodes have the same fingerprint.
#pragma once

#include <cstdint>
#include <span>

#include <string>
#include <string_view>

#include "host/document/document.hpp"
#include "host/document_data.hpp"

namespace tovrins::studio {

class ArtFingerprint {
public:
    void add(const host::ArtData& art);
    void add(std::span<const host::ArtData> art);
    // A live node, its children read in place; a run of top-level art as
    // add(span) takes the same art as plain values.
    void add(const host::Document& document, const host::Node& art);
    void add(const host::Document& document, std::span<const host::ArtId> art);
    // The document's parts every image of it carries; not its layers.
    void addShared(const host::DocumentData& document);
    uint64_t value() const { return hash_; }

private:
    template <class Art, class Children> void addArt(const Art& art, std::string_view name, Children&& children);
    void bytes(const void* data, size_t size);
    void text(std::string_view s);
    template <class T> void plain(const T& value) { bytes(&value, sizeof value); }

    uint64_t hash_ = 0xcbf29ce484222325; // FNV-1a's offset basis
};

} // namespace tovrins::studio
