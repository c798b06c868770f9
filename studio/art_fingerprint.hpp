// A 64-bit fingerprint of what the SVG writer draws from art and from a
// document's shared parts (size, definitions, paint servers), so that the
// studio can tell an image it has written already without writing it again.
// Every field counts: a field left out would show a stale image.
#pragma once

#include <cstdint>
#include <span>

#include "host/document_data.hpp"

namespace tovrins::studio {

class ArtFingerprint {
public:
    void add(const host::ArtData& art);
    void add(std::span<const host::ArtData> art);
    // The document's parts every image of it carries; not its layers.
    void addShared(const host::DocumentData& document);
    uint64_t value() const { return hash_; }

private:
    void bytes(const void* data, size_t size);
    void text(const std::string& s);
    template <class T> void plain(const T& value) { bytes(&value, sizeof value); }

    uint64_t hash_ = 0xcbf29ce484222325; // FNV-1a's offset basis
};

} // namespace tovrins::studio
