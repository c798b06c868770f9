// A whole dialog command with every suite call failing in turn: the user
// changes a value, presses Shuffle and OK, so the command builds the dialog,
// previews three times and runs Go. Whichever call fails, nothing crashes or
// leaks, and the document is either as before the command or exactly what
// the settings the command ended with make.
#include <algorithm>
#include <chrono>

#include "tests/dialogs/dialog_session.hpp"

namespace tovrins::dialogs_test {
namespace {

constexpr TvErr kFault = 0x464C5421; // 'FLT!'
constexpr uint64_t kSeed = 5;
constexpr size_t kSuiteCount = 26; // the suites every message acquires and releases

bool sameArt(const host::ArtData& a, const host::ArtData& b)
{
    using host::testing::sameBytes;
    if (a.type != b.type || a.id != b.id || a.selected != b.selected || !sameBytes(a.style, b.style) ||
        a.closed != b.closed || a.segments.size() != b.segments.size() || a.children.size() != b.children.size())
        return false;
    for (size_t i = 0; i < a.segments.size(); ++i)
        if (!sameBytes(a.segments[i].p, b.segments[i].p) || !sameBytes(a.segments[i].in, b.segments[i].in) ||
            !sameBytes(a.segments[i].out, b.segments[i].out))
            return false;
    for (size_t i = 0; i < a.children.size(); ++i)
        if (!sameArt(a.children[i], b.children[i]))
            return false;
    return true;
}

// Layer names are left out: the host numbers new layers on, so the layers
// of previews that were undone still use up numbers.
bool sameDocument(const host::DocumentData& a, const host::DocumentData& b)
{
    if (a.currentLayer != b.currentLayer || a.layers.size() != b.layers.size())
        return false;
    for (size_t i = 0; i < a.layers.size(); ++i) {
        const host::LayerData& la = a.layers[i];
        const host::LayerData& lb = b.layers[i];
        if (la.visible != lb.visible || la.locked != lb.locked || la.art.size() != lb.art.size())
            return false;
        for (size_t j = 0; j < la.art.size(); ++j)
            if (!sameArt(la.art[j], lb.art[j]))
                return false;
    }
    return true;
}

// Plays the script in the filter's dialog; an item the failure left out
// ends the script with Cancel. Every other dialog (the error report) is
// read and closed.
class SweepFrontEnd : public host::DialogFrontEnd {
public:
    explicit SweepFrontEnd(std::string dialogName) : dialogName_(std::move(dialogName)) { }

    void run(DialogUser& user) override
    {
        if (user.dialog().name != dialogName_) {
            user.pressDefault();
            return;
        }
        try {
            user.enterNumber(4, 3);
            user.click(50);
            user.pressDefault();
        } catch (const host::DialogActionError&) {
        }
        if (!user.ended())
            user.pressCancel();
    }
    void alert(std::string_view) override { }

private:
    std::string dialogName_;
};

class FaultSweep : public ::testing::TestWithParam<Which> { };

TEST_P(FaultSweep, EverySuiteCallOfADialogCommandCanFail)
{
    tovrins::testing::PluginHarness harness(kSeed);
    host::HostEnvironment& env = harness.bench.environment();
    host::RegisteredFilter& filter = harness.filter(titleOf(GetParam()));
    SweepFrontEnd user(dialogNameOf(GetParam()));
    const host::DocumentData start = squaresDocument(2);

    // A first command leaves the block every run below starts from.
    harness.bench.open(start);
    ASSERT_EQ(harness.run(filter, user).code, 0);
    const FilterParams primed = *harness.params(filter);
    const size_t memoryBefore = env.memory.liveCount();
    const size_t blocksBefore = env.blocks.liveCount();

    // One command from the start, with suite call `failing` (counted from
    // the command's first) failing, or none.
    auto runFrom = [&](const FilterParams& block, uint64_t failing = 0) {
        harness.bench.open(start);
        *harness.params(filter) = block;
        env.random.reseed(kSeed);
        env.faults.resetCount();
        if (failing != 0)
            env.faults.failNthCall(failing, kFault);
        const host::CommandOutcome outcome = harness.run(filter, user);
        env.faults.clear();
        return outcome;
    };
    // What the settings a command ended with make, from the same start, as
    // the host's repeat of the filter (a lone Go).
    auto madeBy = [&](FilterParams settings) {
        settings.*fieldsOf(GetParam()).previewApplied = 0;
        harness.bench.open(start);
        *harness.params(filter) = settings;
        env.random.reseed(kSeed);
        EXPECT_EQ(harness.repeat().code, 0);
        return harness.document().data();
    };

    ASSERT_EQ(runFrom(primed).code, 0);
    const uint64_t calls = env.faults.callCount();
    ASSERT_GT(calls, 100u);
    const host::DocumentData complete = harness.document().data();
    ASSERT_TRUE(sameDocument(complete, madeBy(*harness.params(filter))));

    // Each faulted command, checked against the state just before it.
    struct Run {
        uint64_t n;
        TvErr code;
        bool reverted;                      // the document is as before
        bool complete;                      // the document is what the ended settings make
        int64_t references, memory, blocks; // what the command left held
    };
    std::vector<Run> runs;
    const auto began = std::chrono::steady_clock::now();
    for (uint64_t n = 1; n <= calls; ++n) {
        const int64_t references = env.suites.totalReferences();
        const auto memory = static_cast<int64_t>(env.memory.liveCount());
        const auto blocks = static_cast<int64_t>(env.blocks.liveCount());
        const host::CommandOutcome outcome = runFrom(primed, n);
        Run run{n,
                outcome.code,
                false,
                false,
                env.suites.totalReferences() - references,
                static_cast<int64_t>(env.memory.liveCount()) - memory,
                static_cast<int64_t>(env.blocks.liveCount()) - blocks};
        const host::DocumentData after = harness.document().data();
        run.reverted = sameDocument(after, start);
        run.complete = !run.reverted && sameDocument(after, madeBy(*harness.params(filter)));
        runs.push_back(run);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();

    // The host's own refusals: a refused suite release keeps its reference
    // with the host; those are the last 26 calls of each message.
    std::vector<uint64_t> refusedReleases;
    for (const Run& r : runs)
        if (r.references == 1 && r.code == 0 && r.complete && r.memory == 0)
            refusedReleases.push_back(r.n);
    ASSERT_EQ(refusedReleases.size(), 2 * kSuiteCount);
    const uint64_t getParametersEnd = refusedReleases[kSuiteCount - 1];
    for (size_t i = 0; i < kSuiteCount; ++i) {
        EXPECT_EQ(refusedReleases[i], getParametersEnd - (kSuiteCount - 1) + i);
        EXPECT_EQ(refusedReleases[kSuiteCount + i], calls - (kSuiteCount - 1) + i);
    }

    int revertedRuns = 0, completeRuns = 0;
    size_t refusedDisposes = 0; // handles the host kept
    for (const Run& r : runs) {
        const bool release = std::find(refusedReleases.begin(), refusedReleases.end(), r.n) != refusedReleases.end();
        // The host refuses to dispose of the list at the end of Go.
        const bool refusedDispose = r.n == calls - kSuiteCount;
        const bool heldOk =
            r.references == (release ? 1 : 0) && r.blocks == 0 && (r.memory == 0 || (r.memory == 1 && refusedDispose));
        refusedDisposes += r.memory == 1 && refusedDispose ? 1 : 0;
        revertedRuns += r.reverted ? 1 : 0;
        completeRuns += r.complete ? 1 : 0;
        EXPECT_TRUE(heldOk) << "suite call " << r.n << " of " << calls << " failing left references " << r.references
                            << ", memory handles " << r.memory << ", blocks " << r.blocks;
        EXPECT_TRUE(r.reverted || r.complete)
            << "suite call " << r.n << " of " << calls << " failing (answer " << r.code
            << "): the document is neither as before nor what the command's settings make";
        // A failure is answered with the host's own code, or as a cancel.
        EXPECT_TRUE(r.code == 0 || r.code == kFault || r.code == TV_ERR_CANCELLED)
            << "suite call " << r.n << " failing was answered with " << r.code;
        if (r.code != 0) {
            EXPECT_TRUE(r.reverted) << "suite call " << r.n << ": a failed command is undone";
        }
    }
    // A handle the host refused to dispose of stays the host's.
    ASSERT_EQ(runFrom(primed).code, 0);
    EXPECT_EQ(env.memory.liveCount(), memoryBefore + refusedDisposes);
    EXPECT_EQ(env.blocks.liveCount(), blocksBefore);

    std::printf("%s: %llu suite calls failed in turn in %.1f s: %d reverted, %d complete\n", titleOf(GetParam()),
                static_cast<unsigned long long>(calls), seconds, revertedRuns, completeRuns);
    EXPECT_GT(revertedRuns, 0);
    EXPECT_GT(completeRuns, 0);
}

INSTANTIATE_TEST_SUITE_P(AllFilters, FaultSweep, ::testing::Values(Which::Rotate, Which::Scale, Which::Translate),
                         nameOf);

} // namespace
} // namespace tovrins::dialogs_test
