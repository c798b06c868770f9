// The cost of one live-preview rerun in an open dialog: the user changes a
// value with Preview on, and the change notifier undoes the previous
// preview and makes every copy again. 1,000 selected paths of 16 segments,
// 100 copies each, for each layer option of each filter, beside a memcpy of
// the copies' bytes measured right after it, and the processor time of the
// first preview, whose copies take memory the process has not touched yet.
//
// Usage: tovrins_preview_bench [reruns] [--option N]
//   reruns: timed reruns per row (default 5); --option measures one layer
//   option (0 a layer per copy, 1 a layer per pass, 2 no layers) only.
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
constexpr int32_t kLayerOptionItem = 35;
const char* const kLayerOptions[] = {"layer per copy", "layer per pass", "no layers"};

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
    BenchFrontEnd(Workbench& bench, const Filter& filter, int reruns, int layerOption)
        : bench_(bench), filter_(filter), reruns_(reruns), layerOption_(layerOption)
    {
    }

    void run(DialogUser& user) override
    {
        Document& doc = *bench_.document();
        user.choose(kLayerOptionItem, layerOption_);
        const double firstCpuStart = cpuMilliseconds();
        user.enterNumber(4, kCopies); // the first preview: its copies take new memory
        firstCpu = cpuMilliseconds() - firstCpuStart;
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
    double firstCpu = 0;
    std::vector<double> rerun, rerunCpu, undo, make;

private:
    Workbench& bench_;
    const Filter& filter_;
    int reruns_;
    int layerOption_;
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// The time to copy the bytes the copies hold, as the machine's floor: the
// best of five, in wall and processor time (the machine may be shared).
struct Floor {
    double wall = 1e300;
    double cpu = 1e300;
};

Floor memcpyMilliseconds(size_t bytes)
{
    std::vector<char> from(bytes, 1), to(bytes);
    Floor best;
    for (int i = 0; i < 5; ++i) {
        const auto start = Clock::now();
        const double cpuStart = cpuMilliseconds();
        std::memcpy(to.data(), from.data(), bytes);
        best.cpu = std::min(best.cpu, cpuMilliseconds() - cpuStart);
        best.wall = std::min(best.wall, millisecondsSince(start));
        from[i] = to[bytes - 1 - i]; // keep the copies observable
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    int reruns = 5;
    int onlyOption = -1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--option") == 0 && i + 1 < argc)
            onlyOption = std::clamp(std::atoi(argv[++i]), 0, 2);
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
    std::printf(
        "%d paths of %d segments, %d copies each; memcpy of %zu bytes (%zu per copy), measured after each row\n",
        kPaths, kSegments, kCopies, bytes, pathBytes);
    std::printf("%-19s %-15s %10s %8s %9s %8s %8s %8s %8s %8s %8s %9s\n", "filter", "layer option", "ms/preview", "cpu ms",
                "copies/s", "undo ms", "make ms", "memcpy", "cpu", "x memcpy", "cpu x", "first cpu");
    for (const Filter& f : filters) {
        for (int option = 0; option < 3; ++option) {
            if (onlyOption >= 0 && option != onlyOption)
                continue;
            Workbench bench(TOVRINS_PLUGIN_PATH, 1);
            bench.open(benchDocument());
            RegisteredFilter* filter = bench.filters().find(f.title);
            if (!filter) {
                std::fprintf(stderr, "the plug-in registered no filter %s\n", f.title);
                return 1;
            }
            BenchFrontEnd user(bench, f, reruns, option);
            user.objectsBefore = artCount(*bench.document());
            bench.runFilter(*filter, user);
            const Floor floor = memcpyMilliseconds(bytes);
            const double perPreview = median(user.rerun);
            const double cpu = median(user.rerunCpu);
            std::printf("%-19s %-15s %10.1f %8.1f %9.0f %8.1f %8.1f %8.2f %8.2f %8.1f %8.1f %9.1f\n", f.title,
                        kLayerOptions[option], perPreview, cpu,
                        static_cast<double>(user.copiesMade) / (perPreview / 1000), median(user.undo),
                        median(user.make), floor.wall, floor.cpu, perPreview / floor.wall, cpu / floor.cpu,
                        user.firstCpu);
            if (user.copiesMade != static_cast<long>(kPaths) * kCopies)
                std::printf("  (%ld copies made, not %d)\n", user.copiesMade, kPaths * kCopies);
        }
    }
    return 0;
}
