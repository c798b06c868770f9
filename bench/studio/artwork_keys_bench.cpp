// The studio's work for each new revision of the artwork: the keys of its
// images, on a document of 11,000 art (1,000 paths of 16 segments and ten
// layers of 1,000 copies, as a preview with a layer per copy leaves it).
// "Held" is a revision whose images the cache holds already (what a preview
// costs the server beside the copies it adds); "fresh" writes every image.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "host/document/document.hpp"
#include "studio/artwork_chunks.hpp"

namespace {

using namespace tovrins;

host::ArtData star(int i)
{
    host::ArtData art;
    art.id = "p" + std::to_string(i);
    art.closed = true;
    art.style.fill = TvColor{TV_COLOR_RGB, {1, 0.8f, 0.2f, 0}};
    const float x = static_cast<float>(i % 32) * 30, y = static_cast<float>(i / 32) * 30;
    for (int k = 0; k < 16; ++k) {
        const float r = k % 2 ? 5 : 12, a = static_cast<float>(k) * 0.3927f;
        const TvRealPoint p{x + r * std::cos(a), y + r * std::sin(a)};
        art.segments.push_back({p, p, p, true});
    }
    return art;
}

host::Document elevenThousandArt()
{
    host::DocumentData data;
    data.width = data.height = 1000;
    for (int layer = 0; layer < 11; ++layer) {
        host::LayerData& l = data.layers.emplace_back();
        l.name = "Layer " + std::to_string(layer + 1);
        for (int i = 0; i < 1000; ++i)
            l.art.push_back(star(layer * 1000 + i));
    }
    return host::Document(data);
}

void keysOfHeldRevision(benchmark::State& state)
{
    const host::Document doc = elevenThousandArt();
    studio::ArtworkCache cache;
    uint64_t revision = 1;
    cache.keys(revision, [&]() -> const host::Document& { return doc; });
    for (auto _ : state)
        benchmark::DoNotOptimize(cache.keys(++revision, [&]() -> const host::Document& { return doc; }).size());
}
BENCHMARK(keysOfHeldRevision)->Unit(benchmark::kMillisecond);

void keysOfFreshRevision(benchmark::State& state)
{
    const host::Document doc = elevenThousandArt();
    for (auto _ : state) {
        studio::ArtworkCache cache;
        benchmark::DoNotOptimize(cache.keys(1, [&]() -> const host::Document& { return doc; }).size());
    }
}
BENCHMARK(keysOfFreshRevision)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
