#include "studio/art_fingerprint.hpp"

namespace tovrins::studio {

namespace {

uint64_t rotateLeft(uint64_t x, int by) { return (x << by) | (x >> (64 - by)); }

// MurmurHash3's finaliser: every bit of the input moves every bit of the key.
uint64_t finalMix(uint64_t h)
{
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccd;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53;
    return h ^ (h >> 33);
}

} // namespace

// One MurmurHash3 round.
void ArtFingerprint::word(uint64_t w)
{
    w = rotateLeft(w * 0x87c37b91114253d5, 31) * 0x4cf5ad432745937f;
    hash_ = rotateLeft(hash_ ^ w, 27) * 5 + 0x52dce729;
}

uint64_t ArtFingerprint::value() const { return finalMix(hash_); }

// Length first, so that ("ab", "c") and ("a", "bc") differ.
void ArtFingerprint::text(std::string_view s)
{
    plain(s.size());
    bytes(s.data(), s.size());
}

void ArtFingerprint::attributes(std::span<const host::Attribute> list)
{
    plain(list.size());
    for (const host::Attribute& a : list) {
        text(a.name);
        text(a.value);
    }
}

void ArtFingerprint::add(std::span<const host::ArtData> art)
{
    plain(art.size());
    for (const host::ArtData& a : art)
        add(a);
}

void ArtFingerprint::add(const host::ArtData& art)
{
    addArt(art, art.id, [&] { add(std::span<const host::ArtData>(art.children)); });
}

void ArtFingerprint::add(const host::Document& document, const host::Node& art)
{
    addArt(art, art.name, [&] {
        plain(art.children.size());
        for (const host::ArtId child : art.children)
            add(document, *document.find(child));
    });
}

void ArtFingerprint::add(const host::Document& document, std::span<const host::ArtId> art)
{
    plain(art.size());
    for (const host::ArtId id : art)
        add(document, *document.find(id));
}

// `Art` is host::ArtData or host::Node: the same fields but for the name and
// how the children are reached, taken in the same order.
template <class Art, class Children>
void ArtFingerprint::addArt(const Art& art, std::string_view name, Children&& children)
{
    plain(art.type);
    text(name);
    // Field by field: the structs' padding holds no value.
    for (const TvColor& c : {art.style.fill, art.style.stroke}) {
        plain(c.kind);
        plain(c.components);
    }
    plain(art.style.strokeWidth);
    plain(art.style.opacity);
    plain(art.closed);
    plain(art.segments.size());
    for (const host::Segment& s : art.segments) {
        plain(s.p);
        plain(s.in);
        plain(s.out);
        plain(s.corner);
    }
    children();
    plain(art.matrix);
    plain(art.bounds);
    text(art.content);
    text(art.sourceXml);
    plain(art.space.has_value());
    if (art.space)
        plain(*art.space);
    text(art.fillPaint);
    text(art.strokePaint);
    attributes(art.attributes);
}

void ArtFingerprint::addShared(const host::DocumentData& document)
{
    plain(document.width);
    plain(document.height);
    text(document.definitions);
    plain(document.paintServers.size());
    for (const host::PaintServer& s : document.paintServers) {
        text(s.id);
        text(s.element);
        plain(s.boundingBoxUnits);
        plain(s.transform);
    }
    plain(document.derivedPaints.size());
    for (const host::DerivedPaint& p : document.derivedPaints) {
        text(p.id);
        text(p.base);
        text(p.element);
        plain(p.transform);
    }
    attributes(document.rootAttributes);
}

} // namespace tovrins::studio
