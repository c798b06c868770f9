// What the SVG and JSON writers read art from: a document as plain values,
// or the live document's nodes read in place, so that saving a large
// document makes no copy of it. Art of either kind has the same fields
// (type, style, segments, matrix...); a source says how to reach its name,
// its segments and its children.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "host/document/document.hpp"
#include "host/document_data.hpp"

namespace tovrins::host {

class PlainArtSource {
public:
    using Art = ArtData;

    explicit PlainArtSource(const DocumentData& doc) : doc_(doc) { }

    // The page, the layers' names and flags, the paints and definitions.
    const DocumentData& header() const { return doc_; }

    template <class F> void forEachLayerArt(size_t layer, F&& visit) const
    {
        for (const ArtData& a : doc_.layers[layer].art)
            visit(a);
    }
    template <class F> void forEachChild(const Art& a, F&& visit) const
    {
        for (const ArtData& c : a.children)
            visit(c);
    }
    const Art* firstChild(const Art& a) const { return a.children.empty() ? nullptr : &a.children.front(); }
    bool layerEmpty(size_t layer) const { return doc_.layers[layer].art.empty(); }
    static std::string_view name(const Art& a) { return a.id; }
    static std::span<const Segment> segments(const Art& a) { return a.segments; }

private:
    const DocumentData& doc_;
};

// The live document's nodes read in place: how to reach a node's name, its
// segments and its children.
class LiveNodes {
public:
    using Art = Node;

    explicit LiveNodes(const Document& doc) : doc_(doc) { }

    template <class F> void forEachChild(const Art& a, F&& visit) const
    {
        for (ArtId id : a.children)
            visit(*doc_.find(id));
    }
    const Art* firstChild(const Art& a) const { return a.children.empty() ? nullptr : doc_.find(a.children.front()); }
    static std::string_view name(const Art& a) { return a.name; }
    static std::span<const Segment> segments(const Art& a) { return a.segments; }

protected:
    const Document& doc_;
};

class LiveArtSource : public LiveNodes {
public:
    explicit LiveArtSource(const Document& doc)
        : LiveNodes(doc), header_(doc.dataWithoutArt()), order_(doc.layerOrder())
    {
    }

    const DocumentData& header() const { return header_; }

    template <class F> void forEachLayerArt(size_t layer, F&& visit) const
    {
        for (ArtId id : doc_.findLayer(order_[layer])->art)
            visit(*doc_.find(id));
    }
    bool layerEmpty(size_t layer) const { return doc_.findLayer(order_[layer])->art.empty(); }

private:
    DocumentData header_;
    std::vector<LayerId> order_;
};

// Some of the live document's top-level art as the art of `page`'s one
// layer: the page, paints and definitions are the caller's (made once for
// many runs), the art is read in place.
class LiveRunSource : public LiveNodes {
public:
    LiveRunSource(const Document& doc, const DocumentData& page, std::span<const ArtId> art)
        : LiveNodes(doc), page_(page), art_(art)
    {
    }

    const DocumentData& header() const { return page_; }

    template <class F> void forEachLayerArt(size_t, F&& visit) const
    {
        for (ArtId id : art_)
            visit(*doc_.find(id));
    }
    bool layerEmpty(size_t) const { return art_.empty(); }

private:
    const DocumentData& page_;
    std::span<const ArtId> art_;
};

} // namespace tovrins::host
