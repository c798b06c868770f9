// A 64-bit fingerprint (MurmurHash3's mixing) of what the SVG writer draws
// from art and from a document's shared parts (size, definitions, paint servers), so that the
// studio can tell an image it has written already without writing it again.
// Every field the writer draws from counts: a field left out would show a
// stale image. Selection is not drawn (the page outlines it over the
// images), so selecting art keeps its image. Art as plain values and the
// same art as live nodes have the same fingerprint.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
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
    uint64_t value() const;

private:
    template <class Art, class Children> void addArt(const Art& art, std::string_view name, Children&& children);
    // A word at a time: most fields are a word or less, and the art of a
    // large document is megabytes. A shorter value is zero-padded; fields
    // go in in a fixed order, so that leaves no two contents alike.
    void word(uint64_t w);
    void bytes(const void* data, size_t size)
    {
        const auto* from = static_cast<const unsigned char*>(data);
        while (size > 0) {
            const size_t n = std::min(size, sizeof(uint64_t));
            uint64_t w = 0;
            std::memcpy(&w, from, n);
            word(w);
            from += n;
            size -= n;
        }
    }
    void text(std::string_view s);
    void attributes(std::span<const host::Attribute> list);
    // Only values without padding: a struct's padding holds no value.
    template <class T> void plain(const T& value) { bytes(&value, sizeof value); }

    uint64_t hash_ = 0x9e3779b97f4a7c15;
};

} // namespace tovrins::studio
