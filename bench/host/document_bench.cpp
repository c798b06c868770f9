// Duplicate-and-transform throughput and the cost of undoing it, for
// 100,000 copies, beside a memcpy of the same bytes as the machine's limit.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "host/document/document.hpp"

namespace {

using namespace tovrins::host;

constexpr int pointsPerPath = 8;

Document makeDocument()
{
    ArtData path;
    path.type = ArtType::Path;
    path.selected = true;
    path.closed = true;
    for (int i = 0; i < pointsPerPath; ++i) {
        const TvRealPoint p{static_cast<float>(i), static_cast<float>(i * i)};
        path.segments.push_back({p, p, p, true});
    }
    DocumentData data;
    data.layers.push_back(LayerData{"Layer 1", true, false, {path}});
    return Document(data);
}

void makeCopies(Document& doc, ArtId original, int64_t copies)
{
    const TvRealMatrix step{0.99f, 0.01f, -0.01f, 0.99f, 1, 2};
    ArtId from = original;
    for (int64_t i = 0; i < copies; ++i) {
        ArtId copy = 0;
        doc.duplicate(from, TV_PLACE_ABOVE_ALL, 0, copy);
        doc.transform(copy, step, 1, 1 | 16);
        from = copy;
    }
}

// Bytes the copies hold: node records and their points.
int64_t copyBytes(int64_t copies)
{
    return copies * static_cast<int64_t>(sizeof(Node) + pointsPerPath * sizeof(Segment));
}

void BM_DuplicateAndTransform(benchmark::State& state)
{
    Document doc = makeDocument();
    const ArtId original = doc.findLayer(doc.layerOrder()[0])->art.front();
    for (auto _ : state) {
        doc.beginCommand();
        makeCopies(doc, original, state.range(0));
        state.PauseTiming();
        doc.undoChanges();
        doc.endCommand();
        state.ResumeTiming();
    }
    const auto objects = static_cast<double>(state.iterations() * state.range(0));
    state.counters["objects/s"] = benchmark::Counter(objects, benchmark::Counter::kIsRate);
    state.counters["points/s"] = benchmark::Counter(objects * pointsPerPath, benchmark::Counter::kIsRate);
}

void BM_UndoChanges(benchmark::State& state)
{
    Document doc = makeDocument();
    const ArtId original = doc.findLayer(doc.layerOrder()[0])->art.front();
    for (auto _ : state) {
        state.PauseTiming();
        doc.beginCommand();
        makeCopies(doc, original, state.range(0));
        state.ResumeTiming();
        doc.undoChanges();
        state.PauseTiming();
        doc.endCommand();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * copyBytes(state.range(0)));
    state.counters["objects/s"] =
        benchmark::Counter(static_cast<double>(state.iterations() * state.range(0)), benchmark::Counter::kIsRate);
}

void BM_MemcpySameBytes(benchmark::State& state)
{
    const auto bytes = static_cast<size_t>(copyBytes(state.range(0)));
    std::vector<char> from(bytes, 1);
    std::vector<char> to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes));
}

BENCHMARK(BM_DuplicateAndTransform)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoChanges)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemcpySameBytes)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
