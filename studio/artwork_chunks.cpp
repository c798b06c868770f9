#include "studio/artwork_chunks.hpp"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iterator>

#include "host/io/svg_export.hpp"

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
    return std::ranges::none_of(data.layers, [](const host::LayerData& layer) {
        return std::ranges::any_of(layer.art, drawsAcrossImages);
    });
}

ArtworkChunk chunkOf(std::string svg)
{
    char key[40];
    std::snprintf(key, sizeof key, "%016zx-%zx", std::hash<std::string_view>{}(svg), svg.size());
    return ArtworkChunk{key, std::move(svg)};
}

} // namespace

std::vector<ArtworkChunk> splitArtwork(host::DocumentData data, size_t mostArtPerChunk)
{
    std::vector<ArtworkChunk> chunks;
    if (!splittable(data)) {
        chunks.push_back(chunkOf(host::writeSvg(data)));
        return chunks;
    }
    std::vector<host::LayerData> layers = std::move(data.layers);
    data.layers.resize(1);
    data.currentLayer = 0;
    const size_t most = std::max<size_t>(1, mostArtPerChunk);
    for (host::LayerData& layer : layers) {
        if (!layer.visible)
            continue;
        for (size_t first = 0; first < layer.art.size(); first += most) {
            // Only what is drawn names an image: a preview's new layers are
            // numbered afresh each time, their art often as it was.
            host::LayerData& run = data.layers.front();
            run.name = "Artwork";
            run.visible = true;
            run.locked = false;
            const auto begin = layer.art.begin() + static_cast<std::ptrdiff_t>(first);
            const auto end = layer.art.begin() + static_cast<std::ptrdiff_t>(std::min(layer.art.size(), first + most));
            run.art.assign(std::make_move_iterator(begin), std::make_move_iterator(end));
            chunks.push_back(chunkOf(host::writeSvg(data)));
        }
    }
    return chunks;
}

const std::vector<std::string>& ArtworkCache::keys(uint64_t revision,
                                                   const std::function<host::DocumentData()>& document)
{
    if (revision == revision_)
        return keys_;
    std::vector<ArtworkChunk> chunks = splitArtwork(document());
    previous_ = std::move(current_);
    current_.clear();
    keys_.clear();
    for (ArtworkChunk& chunk : chunks) {
        keys_.push_back(chunk.key);
        current_.try_emplace(std::move(chunk.key), std::move(chunk.svg));
    }
    revision_ = revision;
    return keys_;
}

const std::string* ArtworkCache::find(const std::string& key) const
{
    for (const auto* images : {&current_, &previous_})
        if (const auto found = images->find(key); found != images->end())
            return &found->second;
    return nullptr;
}

} // namespace tovrins::studio
