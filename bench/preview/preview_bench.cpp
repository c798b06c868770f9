// The cost of one live-preview rerun in an open dialog: the user changes a
// value with Preview on, and the change notifier undoes the previous
// preview and makes every copy again. 1,000 selected paths of 16 segments,
// 100 copies each, for each filter, beside a memcpy of the copies' bytes.
//
// Usage: tovrins_preview_bench [reruns] [--layers]
//   reruns: timed reruns per filter (default 5); --layers keeps each filter's
//   default layer option instead of "No layers", so new layers are made too.
#include <algorithm>
#include <cmath>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "host/document/document_model.hpp"
#include "host/workbench/workbench.hpp"

namespace {

using namespace tovrins::host;
using Clock = std::chrono::steady_clock;

constexpr int kPaths = 1000;
constexpr int kSegments = 16;
constexpr int kCopies = 100;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Processor time of this process: what a preview costs when other work
// shares the machine.
double cpuMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

DocumentData benchDocument()
{
    DocumentData data;
    LayerData layer{"Layer 1", true, false, {}};
    for (int k = 0; k < kPaths; ++k) {
        ArtData path;
        path.type = ArtType::Path;
        path.id = "p" + std::to_string(k);
        path.selected = true;
        path.closed = true;
        path.style.fill = {TV_COLOR_GRAY, {0.5f, 0, 0, 0}};
        path.style.strokeWidth = 1;
        path.style.opacity = 1;
        const float x = static_cast<float>(k % 40) * 30;
        const float y = static_cast<float>(k / 40) * 30;
        for (int s = 0; s < kSegments; ++s) {
            const float angle = 6.2831853f * static_cast<float>(s) / kSegments;
            const TvRealPoint p{x + 10 * std::cos(angle), y + 10 * std::sin(angle)};
            path.segments.push_back({p, p, p, true});
        }
        layer.art.push_back(std::move(path));
    }
    data.layers.push_back(std::move(layer));
    return data;
}

// Art in the document: its objects less its layers.
long artCount(const Document& doc)
{
    return static_cast<long>(doc.objectCount()) - static_cast<long>(doc.layerOrder().size());
}

struct Filter {
    const char* title;
    int32_t stepItem; // a value whose change reruns the preview
    double stepA, stepB;
};

// Times the reruns inside the open dialog; the dialog is cancelled at the end.
class BenchFrontEnd : public DialogFrontEnd {
public:
    BenchFrontEnd(Workbench& bench, const Filter& filter, int reruns, bool defaultLayers)
        : bench_(bench), filter_(filter), reruns_(reruns), defaultLayers_(defaultLayers)
    {
    }

    void run(DialogUser& user) override
    {
        Document& doc = *bench_.document();
        if (!defaultLayers_)
            user.choose(35, 2); // no layers: the copies alone
        user.enterNumber(4, kCopies);
        copiesMade = artCount(doc) - objectsBefore;
        user.enterNumber(filter_.stepItem, filter_.stepA); // warm-up: the heap reaches its size
        for (int i = 0; i < reruns_; ++i) {
            const auto start = Clock::now();
            const double cpuStart = cpuMilliseconds();
            user.enterNumber(filter_.stepItem, i % 2 ? filter_.stepA : filter_.stepB);
            rerun.push_back(millisecondsSince(start));
            rerunCpu.push_back(cpuMilliseconds() - cpuStart);
        }
        // The parts: the host's undo of one preview, then a preview with
        // nothing left to undo.
        for (int i = 0; i < reruns_; ++i) {
            auto start = Clock::now();
            doc.undoChanges();
            undo.push_back(millisecondsSince(start));
            start = Clock::now();
            user.enterNumber(filter_.stepItem, i % 2 ? filter_.stepA : filter_.stepB);
            make.push_back(millisecondsSince(start));
        }
        user.pressCancel();
    }
    void alert(std::string_view) override { }

    long objectsBefore = 0;
    long copiesMade = 0;
    std::vector<double> rerun, rerunCpu, undo, make;

private:
    Workbench& bench_;
    const Filter& filter_;
    int reruns_;
    bool defaultLayers_;
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// The time to copy the bytes the copies hold, as the machine's floor.
double memcpyMilliseconds(size_t bytes)
{
    std::vector<char> from(bytes, 1), to(bytes);
    double best = 1e300;
    for (int i = 0; i < 5; ++i) {
        const auto start = Clock::now();
        std::memcpy(to.data(), from.data(), bytes);
        best = std::min(best, millisecondsSince(start));
        from[i] = to[bytes - 1 - i]; // keep the copies observable
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    int reruns = 5;
    bool defaultLayers = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--layers") == 0)
            defaultLayers = true;
        else
            reruns = std::max(1, std::atoi(argv[i]));
    }
    const Filter filters[] = {
        {"TovrinRotate...", 5, 10, 11},
        {"TovrinScale...", 11, 96, 95},
        {"TovrinTranslate...", 7, 10, 11},
    };
    const size_t pathBytes = sizeof(Node) + kSegments * sizeof(Segment);
    const size_t bytes = static_cast<size_t>(kPaths) * kCopies * pathBytes;
    const double floor = memcpyMilliseconds(bytes);
    std::printf("%d paths of %d segments, %d copies each, %s; memcpy of %zu bytes (%zu per path): %.2f ms\n", kPaths,
                kSegments, kCopies, defaultLayers ? "default layer options" : "no layers", bytes, pathBytes, floor);
    std::printf("%-20s %11s %11s %12s %9s %9s %9s\n", "filter", "ms/preview", "cpu ms", "copies/s", "undo ms",
                "make ms", "x memcpy");
    for (const Filter& f : filters) {
        Workbench bench(TOVRINS_PLUGIN_PATH, 1);
        bench.open(benchDocument());
        RegisteredFilter* filter = bench.filters().find(f.title);
        if (!filter) {
            std::fprintf(stderr, "the plug-in registered no filter %s\n", f.title);
            return 1;
        }
        BenchFrontEnd user(bench, f, reruns, defaultLayers);
        user.objectsBefore = artCount(*bench.document());
        bench.runFilter(*filter, user);
        const double perPreview = median(user.rerun);
        std::printf("%-20s %11.1f %11.1f %12.0f %9.1f %9.1f %9.1f   (%ld copies)\n", f.title, perPreview,
                    median(user.rerunCpu), static_cast<double>(user.copiesMade) / (perPreview / 1000),
                    median(user.undo), median(user.make), perPreview / floor, user.copiesMade);
    }
    return 0;
}
