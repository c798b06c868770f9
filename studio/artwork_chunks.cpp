#include "studio/artwork_chunks.hpp"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <span>

#include "host/io/svg_export.hpp"
#include "studio/art_fingerprint.hpp"

namespace tovrins::studio {

namespace {

bool drawsAcrossImages(const host::Document& document, const host::Node& art)
{
    if (art.type == host::ArtType::Instance)
        return true;
    const auto blends = [](const host::Attribute& a) {
        return a.name.find("blend") != std::string::npos || a.value.find("blend") != std::string::npos;
    };
    return std::ranges::any_of(art.attributes, blends) || std::ranges::any_of(art.children, [&](host::ArtId child) {
               return drawsAcrossImages(document, *document.find(child));
           });
}

bool splittable(const host::Document& document, std::span<const host::LayerId> order)
{
    return std::ranges::none_of(order, [&](host::LayerId layer) {
        return std::ranges::any_of(document.findLayer(layer)->art,
                                   [&](host::ArtId id) { return drawsAcrossImages(document, *document.find(id)); });
    });
}

std::string hexKey(uint64_t hash, size_t size)
{
    char key[40];
    std::snprintf(key, sizeof key, "%016llx-%zx", static_cast<unsigned long long>(hash), size);
    return key;
}

// A page like the document's, holding one layer: what every image of a
// split document is written on. Only what is drawn names an image: a
// preview's new layers are numbered afresh each time, their art often as it
// was, so the layer's name and flags are the same for every image.
host::DocumentData imagePage(const host::Document& document)
{
    host::DocumentData page = document.dataWithoutArt();
    page.layers = {host::LayerData{"Artwork", true, false, {}}};
    page.currentLayer = 0;
    return page;
}

} // namespace

std::vector<ArtworkChunk> splitArtwork(const host::Document& document, size_t mostArtPerChunk, const KnownImage& known)
{
    std::vector<ArtworkChunk> chunks;
    const std::vector<host::LayerId> order = document.layerOrder();
    if (!splittable(document, order)) {
        std::string svg = host::writeSvg(document);
        std::string key = hexKey(std::hash<std::string_view>{}(svg), svg.size());
        chunks.push_back({std::move(key), std::move(svg)});
        return chunks;
    }
    const host::DocumentData page = imagePage(document);
    ArtFingerprint shared;
    shared.addShared(page);
    const size_t most = std::max<size_t>(1, mostArtPerChunk);
    std::vector<host::ArtId> run;
    for (const host::LayerId id : order) {
        const host::Layer& layer = *document.findLayer(id);
        if (!layer.visible)
            continue;
        for (auto next = layer.art.begin(); next != layer.art.end();) {
            run.clear();
            for (; next != layer.art.end() && run.size() < most; ++next)
                run.push_back(*next);
            ArtFingerprint fingerprint = shared;
            fingerprint.add(document, run);
            ArtworkChunk chunk{hexKey(fingerprint.value(), run.size()), {}};
            if (!known || !known(chunk.key))
                chunk.svg = host::writeSvgRun(document, page, run);
            chunks.push_back(std::move(chunk));
        }
    }
    return chunks;
}

const std::vector<std::string>& ArtworkCache::keys(uint64_t revision,
                                                   const std::function<const host::Document&()>& document)
{
    if (revision == revision_)
        return keys_;
    // Images this cache holds already are not written again.
    std::vector<ArtworkChunk> chunks =
        splitArtwork(document(), kMostArtPerChunk, [this](const std::string& key) { return find(key) != nullptr; });
    std::map<std::string, Image> next;
    keys_.clear();
    for (ArtworkChunk& chunk : chunks) {
        keys_.push_back(chunk.key);
        Image image = chunk.svg.empty() ? held(chunk.key) : std::make_shared<const std::string>(std::move(chunk.svg));
        next.try_emplace(std::move(chunk.key), std::move(image));
    }
    previous_ = std::move(current_);
    current_ = std::move(next);
    revision_ = revision;
    return keys_;
}

ArtworkCache::Image ArtworkCache::held(const std::string& key) const
{
    for (const auto* images : {&current_, &previous_})
        if (const auto found = images->find(key); found != images->end())
            return found->second;
    return nullptr;
}

const std::string* ArtworkCache::find(const std::string& key) const { return held(key).get(); }

} // namespace tovrins::studio
