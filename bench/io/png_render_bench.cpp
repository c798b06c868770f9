// How long writePng takes for the README's example (the star, as it opens)
// and for a large document: 20,000 filled and stroked curved paths, the
// size of a busy run of copies; and that document drawn in memory by the
// direct route and through librsvg, which it must beat.
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "host/io/png_render.hpp"
#include "host/io/svg_import.hpp"

namespace {

using namespace tovrins::host;

DocumentData starExample()
{
    const std::string path = TOVRINS_EXAMPLES_DIR "/star.svg";
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    std::vector<std::string> warnings;
    return readSvg(text.str(), path, warnings);
}

DocumentData manyPaths(int count)
{
    DocumentData doc;
    doc.width = 800;
    doc.height = 600;
    LayerData layer{"Copies", true, false, {}};
    for (int i = 0; i < count; ++i) {
        ArtData a;
        a.type = ArtType::Path;
        a.closed = true;
        const float cx = static_cast<float>(40 + (i * 37) % 720), cy = static_cast<float>(40 + (i * 53) % 520);
        for (int k = 0; k < 5; ++k) {
            const double angle = k * 2 * 3.14159265358979 / 5 + i * 0.01;
            const TvRealPoint p{cx + static_cast<float>(30 * std::cos(angle)),
                                cy + static_cast<float>(30 * std::sin(angle))};
            const TvRealPoint handle{p.h + 8, p.v - 8};
            a.segments.push_back({p, p, handle, false});
        }
        a.style.fill = {TV_COLOR_RGB, {static_cast<float>(i % 7) / 7, 0.4f, 0.6f, 0}};
        a.style.stroke = {TV_COLOR_GRAY, {0.2f, 0, 0, 0}};
        a.style.strokeWidth = 1;
        a.style.opacity = 1;
        layer.art.push_back(std::move(a));
    }
    doc.layers.push_back(std::move(layer));
    return doc;
}

void renderTo(benchmark::State& state, const DocumentData& doc)
{
    const std::string out = (std::filesystem::temp_directory_path() / "tovrins_png_bench.png").string();
    for (auto _ : state)
        writePng(doc, out);
    std::filesystem::remove(out);
}

// The live document in memory by either route: the direct drawing against
// its own limit, librsvg drawing the document's SVG export.
void renderBy(benchmark::State& state, const DocumentData& data, PngRoute route)
{
    const Document doc(data);
    for (auto _ : state)
        benchmark::DoNotOptimize(renderPng(doc, 1, route));
}

void BM_StarExample(benchmark::State& state) { renderTo(state, starExample()); }
void BM_TwentyThousandPaths(benchmark::State& state) { renderTo(state, manyPaths(20000)); }
void BM_TwentyThousandPathsDirect(benchmark::State& state) { renderBy(state, manyPaths(20000), PngRoute::Direct); }
void BM_TwentyThousandPathsThroughLibrsvg(benchmark::State& state)
{
    renderBy(state, manyPaths(20000), PngRoute::Librsvg);
}

BENCHMARK(BM_StarExample)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TwentyThousandPaths)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TwentyThousandPathsDirect)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TwentyThousandPathsThroughLibrsvg)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
