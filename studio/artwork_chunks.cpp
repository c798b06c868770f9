#include "studio/artwork_chunks.hpp"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iterator>

#include "host/io/svg_export.hpp"
#include "studio/art_fingerprint.hpp"

namespace tovrins::studio {

namespace {

bool drawsAcrossImages(const host::ArtData& art)
{
    if (art.type == host::ArtType::Instance)
        return true;
    const auto blends = [](const host::Attribute& a) {
        return a.name.find("blend") != std::string::npos || a.value.find("blend") != std::string::npos;
    };
    return std::ranges::any_of(art.attributes, blends) || std::ranges::any_of(art.children, drawsAcrossImages);
}

bool splittable(const host::DocumentData& data)
{
    return std::ranges::none_of(
        data.layers, [](const host::LayerData& layer) { return std::ranges::any_of(layer.art, drawsAcrossImages); });
}

std::string hexKey(uint64_t hash, size_t size)
{
    char key[40];
    std::snprintf(key, sizeof key, "%016llx-%zx", static_cast<unsigned long long>(hash), size);
    return key;
}

} // namespace

std::vector<ArtworkChunk> splitArtwork(host::DocumentData data, size_t mostArtPerChunk, const KnownImage& known)
{
    std::vector<ArtworkChunk> chunks;
    if (!splittable(data)) {
        std::string svg = host::writeSvg(data);
        std::string key = hexKey(std::hash<std::string_view>{}(svg), svg.size());
        chunks.push_back({std::move(key), std::move(svg)});
        return chunks;
    }
    ArtFingerprint shared;
    shared.addShared(data);
    std::vector<host::LayerData> layers = std::move(data.layers);
    data.layers.resize(1);
    data.currentLayer = 0;
    const size_t most = std::max<size_t>(1, mostArtPerChunk);
    for (host::LayerData& layer : layers) {
        if (!layer.visible)
            continue;
        for (size_t first = 0; first < layer.art.size(); first += most) {
            const auto begin = layer.art.begin() + static_cast<std::ptrdiff_t>(first);
            const auto end = layer.art.begin() + static_cast<std::ptrdiff_t>(std::min(layer.art.size(), first + most));
            ArtFingerprint fingerprint = shared;
            fingerprint.add(std::span<const host::ArtData>(begin, end));
            ArtworkChunk chunk{hexKey(fingerprint.value(), static_cast<size_t>(end - begin)), {}};
            if (!known || !known(chunk.key)) {
                // Only what is drawn names an image: a preview's new layers
                // are numbered afresh each time, their art often as it was.
                host::LayerData& run = data.layers.front();
                run.name = "Artwork";
                run.visible = true;
                run.locked = false;
                run.art.assign(std::make_move_iterator(begin), std::make_move_iterator(end));
                chunk.svg = host::writeSvg(data);
            }
            chunks.push_back(std::move(chunk));
        }
    }
    return chunks;
}

const std::vector<std::string>& ArtworkCache::keys(uint64_t revision,
                                                   const std::function<host::DocumentData()>& document)
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
