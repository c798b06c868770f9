// Every suite call of a command fails in turn. Whatever fails, the plug-in
// must not crash, must give back every suite reference, memory handle and
// block it took, must not keep a selection list, and must leave the
// document as before the command or as after a complete one (the host
// undoes a command that answers an error). A command that answers an error
// shows it, unless the failure left the plug-in without its dialog suites.
//
// Three commands are swept for each filter: the host's repeat (a lone Go),
// Get Parameters whose dialog is cancelled, and a dialog accepted at once. Each starts from the same
// document and random seed, so the calls before the failing one are the
// calls of the unfaulted command.
#include "tests/filters/filter_test_support.hpp"

namespace tovrins::filters_test {
namespace {

constexpr uint64_t kSeed = 7;
// A message acquires the plug-in's 26 suites first and releases them last.
constexpr uint64_t kSuiteCount = 26;
// The acquisitions up to the ADM Dialog Suite's: failing one of them leaves
// the plug-in unable to show the error dialog.
constexpr uint64_t kLastAcquisitionWithoutDialog = 20;
constexpr TvErr kCodes[] = {TV_ERR_MEMORY_FULL, TV_ERR_BAD_PARAMETER};
// The dialog commands make hundreds of calls; to keep the sweep quick each
// of their calls fails with one of the codes, in turn.
constexpr TvErr alternateCode(uint64_t n) { return kCodes[(n + 1) % 2]; }

// A selected rectangle, a selected compound path and an unselected square,
// so the run walks compound members and skips emptied entries.
DocumentData sweepDocument()
{
    using host::testing::rect;
    ArtData compound = host::testing::container(ArtType::CompoundPath, "c",
                                                {rect("c1", 300, 300, 340, 330), rect("c2", 310, 310, 320, 320)}, true);
    compound.style = host::testing::grayStyle(0.25f);
    return oneLayer({rect("a", 100, 100, 200, 150, true), compound, rect("u", 500, 500, 510, 510)});
}

// Settings that reach every kind of call: layers every second copy, the
// colour work, and for translate the anchor of placement 24.
void configure(FilterParams& p, const FilterWords& f)
{
    p.*f.copies = 3;
    p.*f.copiesPerLayer = 2;
    p.*f.layerOption = 0;
    p.*f.colourPercent = 50;
    p.*f.interpolate = 1;
    if (&f == &kTranslate)
        p.translatePlacement = 24;
}

class FaultSweep : public ::testing::TestWithParam<const FilterWords*> {
protected:
    void SetUp() override
    {
        h.bench.open(sweepDocument());
        ASSERT_EQ(h.run(filter()).code, 0);
        configure(*h.params(filter()), *GetParam());
        // The unfaulted repeat: its result and its calls.
        prepare();
        before = h.document().data();
        env().faults.resetCount();
        ASSERT_EQ(h.repeat().code, 0);
        repeatCalls = env().faults.callCount();
        afterRepeat = h.document().data();
        ASSERT_NE(topLevelArtCount(afterRepeat), topLevelArtCount(before));
    }

    host::HostEnvironment& env() { return h.bench.environment(); }
    host::RegisteredFilter& filter() { return h.filter(GetParam()->title); }
    void prepare()
    {
        h.bench.open(sweepDocument());
        env().random.reseed(kSeed);
    }

    // The counts a command must give back, taken before it.
    struct Held {
        size_t memory;
        size_t blocks;
        int64_t references;
    };
    Held held() { return {env().memory.liveCount(), env().blocks.liveCount(), env().suites.totalReferences()}; }

    // Where the messages of the unfaulted command lie among its calls, from
    // call first to call last, each acquiring the 26 suites first and
    // releasing them last; and the call that disposes of the selection list.
    // When the host refuses a release or that dispose, the reference or the
    // handle stays with the host, not with the plug-in.
    struct Message {
        uint64_t first;
        uint64_t last;
    };
    struct Layout {
        std::vector<Message> messages;
        uint64_t listDispose;
    };
    static Layout oneMessage(uint64_t calls) { return {{{1, calls}}, calls - kSuiteCount}; }

    void expectClean(const host::CommandOutcome& outcome, const Held& was, uint64_t n, const Layout& layout,
                     const std::string& where)
    {
        SCOPED_TRACE(where);
        bool refusedRelease = false;
        bool shownIfFailed = true;
        for (const Message& m : layout.messages) {
            refusedRelease = refusedRelease || (n > m.last - kSuiteCount && n <= m.last);
            if (n >= m.first && n - m.first < kLastAcquisitionWithoutDialog)
                shownIfFailed = false;
        }
        EXPECT_EQ(env().suites.totalReferences(), was.references + (refusedRelease ? 1 : 0));
        EXPECT_EQ(env().memory.liveCount(), was.memory + (n == layout.listDispose ? 1 : 0));
        EXPECT_EQ(env().blocks.liveCount(), was.blocks);
        EXPECT_EQ(h.bench.adm().openDialogCount(), 0);
        if (outcome.code != 0 && outcome.code != TV_ERR_CANCELLED && shownIfFailed) {
            ASSERT_NE(outcome.errorDialog(), nullptr) << "a failure is shown";
            EXPECT_EQ(outcome.errorDialog()->resourceId, 16051);
        }
    }

    testing::PluginHarness h{kSeed};
    DocumentData before;
    DocumentData afterRepeat;
    uint64_t repeatCalls = 0;
};

TEST_P(FaultSweep, RepeatWithEachCallFailing)
{
    ASSERT_GT(repeatCalls, 2 * kSuiteCount);
    for (TvErr code : kCodes) {
        std::vector<uint64_t> nothingMade;
        std::vector<uint64_t> otherResult;
        for (uint64_t n = 1; n <= repeatCalls; ++n) {
            prepare();
            const Held was = held();
            env().faults.failNthCall(n, code);
            const host::CommandOutcome outcome = h.repeat();
            env().faults.clear();
            const std::string where = "call " + std::to_string(n) + " of " + std::to_string(repeatCalls) +
                " failing with " + std::to_string(code);
            EXPECT_TRUE(outcome.code == 0 || outcome.code == code) << where << ": answered " << outcome.code;
            expectClean(outcome, was, n, oneMessage(repeatCalls), where);
            const DocumentData now = h.document().data();
            if (outcome.code != 0) {
                EXPECT_TRUE(sameDocument(now, before)) << where << ": a failed command is undone";
            } else if (sameDocument(now, before)) {
                nothingMade.push_back(n);
            } else if (!sameDocument(now, afterRepeat)) {
                otherResult.push_back(n);
                EXPECT_EQ(topLevelArtCount(now), topLevelArtCount(afterRepeat)) << where;
            }
        }
        // The one ignored failure that changes the result is the compound
        // path's art-type query: the copy is then transformed and restyled
        // as one piece instead of member by member.
        ASSERT_EQ(otherResult.size(), 1u) << "failing with " << code;
        // A failing gather is ignored and leaves no list, so the run makes
        // nothing. Those are the gather's calls: one unbroken stretch, before
        // any copy is made. Anything else that makes nothing is a failure
        // taken for an empty selection.
        ASSERT_FALSE(nothingMade.empty());
        EXPECT_EQ(nothingMade.back() - nothingMade.front() + 1, nothingMade.size()) << "failing with " << code;
        EXPECT_LT(nothingMade.back(), otherResult.front()) << "failing with " << code;
    }
}

TEST_P(FaultSweep, CancelledDialogWithEachCallFailing)
{
    prepare();
    {
        host::ScriptedFrontEnd frontEnd = scripted({host::DialogAction::cancel()});
        env().faults.resetCount();
        ASSERT_EQ(h.run(filter(), frontEnd).code, TV_ERR_CANCELLED);
    }
    const uint64_t calls = env().faults.callCount();
    for (uint64_t n = 1; n <= calls; ++n) {
        const TvErr code = alternateCode(n);
        prepare();
        const Held was = held();
        host::ScriptedFrontEnd frontEnd = scripted({host::DialogAction::cancel()});
        env().faults.failNthCall(n, code);
        const host::CommandOutcome outcome = h.run(filter(), frontEnd);
        env().faults.clear();
        const std::string where =
            "call " + std::to_string(n) + " of " + std::to_string(calls) + " failing with " + std::to_string(code);
        EXPECT_TRUE(outcome.code == TV_ERR_CANCELLED || outcome.code == code) << where << ": " << outcome.code;
        expectClean(outcome, was, n, oneMessage(calls), where);
        EXPECT_TRUE(sameDocument(h.document().data(), before)) << where << ": a cancel leaves nothing";

        // Nothing of the cancelled command reaches the next one.
        prepare();
        ASSERT_EQ(h.repeat().code, 0) << where;
        EXPECT_TRUE(sameDocument(h.document().data(), afterRepeat)) << where << ": the next repeat";
    }
}

// Accepting the dialog at once: its opening preview makes the copies and
// Go keeps them. The dialog passes over item calls that fail, so the
// settings it stores, and with them a successful result, may differ from
// the unfaulted one; the document is checked after a failure the command
// answers.
TEST_P(FaultSweep, AcceptedDialogWithEachCallFailing)
{
    // The Get Parameters message ends with the release of the suites right
    // after the dialog closes; the front end notes the call count then.
    struct CountingFrontEnd : host::DefaultFrontEnd {
        explicit CountingFrontEnd(host::FaultInjector& f) : faults(f) { }
        void run(host::DialogUser& user) override
        {
            user.pressDefault();
            if (closedAt == 0)
                closedAt = faults.callCount();
        }
        host::FaultInjector& faults;
        uint64_t closedAt = 0;
    };
    // An accepted dialog stores what its items show, also when the host
    // failed to set one of them up; each command starts from these settings.
    const FilterParams settings = *h.params(filter());
    prepare();
    CountingFrontEnd counting(env().faults);
    env().faults.resetCount();
    ASSERT_EQ(h.run(filter(), counting).code, 0);
    const uint64_t calls = env().faults.callCount();
    const uint64_t getParametersEnd = counting.closedAt + kSuiteCount;
    const Layout layout{{{1, getParametersEnd}, {getParametersEnd + 1, calls}}, calls - kSuiteCount};
    for (uint64_t n = 1; n <= calls; ++n) {
        const TvErr code = alternateCode(n);
        *h.params(filter()) = settings;
        prepare();
        const Held was = held();
        host::DefaultFrontEnd frontEnd;
        env().faults.failNthCall(n, code);
        const host::CommandOutcome outcome = h.run(filter(), frontEnd);
        env().faults.clear();
        const std::string where =
            "call " + std::to_string(n) + " of " + std::to_string(calls) + " failing with " + std::to_string(code);
        // A dialog that lost its OK button, or whose OK failed, is closed
        // as cancelled.
        EXPECT_TRUE(outcome.code == 0 || outcome.code == code || outcome.code == TV_ERR_CANCELLED)
            << where << ": answered " << outcome.code;
        expectClean(outcome, was, n, layout, where);
        if (outcome.code != 0) {
            EXPECT_TRUE(sameDocument(h.document().data(), before)) << where << ": a failed command is undone";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllFilters, FaultSweep, ::testing::ValuesIn(kAllFilters), filterName);

} // namespace
} // namespace tovrins::filters_test
