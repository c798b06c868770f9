#include "app/run_command.hpp"

#include <new>
#include <optional>
#include <string>

#include "app/app_error.hpp"
#include "app/memory_failure.hpp"
#include "app/app_front_end.hpp"
#include "app/art_selection.hpp"
#include "app/dialog_script.hpp"
#include "app/document_files.hpp"
#include "app/field_table.hpp"
#include "app/outcome_report.hpp"
#include "host/workbench/workbench.hpp"
#include "resources/tovrins_ids.h"

namespace tovrins::app {

namespace {

constexpr TvErr kCancelCode = 0x53544F50; // STOP
constexpr int32_t kErrorDialogResource = TOVRINS_ERROR_DIALOG;

// Throws for the error dialog the command showed, or for a failing code
// the plug-in did not report itself. Where the host noted why it refused
// the call that failed, that is what the user reads: the plug-in's error
// table has no words for it.
void checkOutcome(const FilterInfo& filter, const host::CommandOutcome& outcome, std::string_view what)
{
    if (outcome.refusal && outcome.refusal->code == outcome.code)
        throw RunError(std::string(what) + " failed: " + describeRefusal(*outcome.refusal));
    const host::ShownDialog* report = outcome.errorDialog();
    if (report && report->resourceId == kErrorDialogResource)
        throw RunError(describeErrorDialog(filter.command, *report));
    if (outcome.code != 0 && outcome.code != kCancelCode)
        throw RunError(std::string(what) + " failed with code " + errorCodeText(outcome.code));
}

host::RegisteredFilter& registeredFilter(host::Workbench& workbench, const FilterInfo& filter,
                                         const std::filesystem::path& plugin)
{
    host::RegisteredFilter* registered = workbench.filters().find(filter.registeredName);
    if (!registered)
        throw RunError("the plug-in " + plugin.string() + " registers no filter named " +
                       std::string(filter.registeredName));
    return *registered;
}

bool anythingSelected(const host::Document& document)
{
    bool selected = false;
    document.forEachInOrder([&selected](const host::Node& node) { selected = selected || node.selected; });
    return selected;
}

// "the repeat", "every repeat" or "2 of the 5 repeats".
std::string whichRepeats(int count, int times)
{
    if (count < times)
        return std::to_string(count) + " of the " + std::to_string(times) + " repeats";
    return times == 1 ? "the repeat" : "every repeat";
}

// Runs the filter `times` more times and warns when a repeat found nothing
// selected to work on (say, the originals were deleted and the copies are
// not selected), or left the document as it was.
void repeatFilter(host::Workbench& workbench, const FilterInfo& filter, int times, std::ostream& err)
{
    const std::string what = "repeating the " + std::string(filter.command) + " filter";
    int unselected = 0;
    int unchanged = 0;
    for (int i = 0; i < times; ++i) {
        if (!anythingSelected(*workbench.document()))
            ++unselected;
        host::DefaultFrontEnd repeatFrontEnd;
        const host::CommandOutcome outcome = workbench.repeatLastFilter(repeatFrontEnd);
        checkOutcome(filter, outcome, what);
        if (!outcome.changed)
            ++unchanged;
    }
    if (unselected > 0)
        err << "tovrins: warning: " << whichRepeats(unselected, times) << " of the " << filter.command
            << " filter found nothing selected to work on\n";
    else if (unchanged > 0)
        err << "tovrins: warning: " << whichRepeats(unchanged, times) << " of the " << filter.command
            << " filter changed nothing in the document\n";
}

} // namespace

void runFilterCommand(const RunRequest& request, const std::filesystem::path& plugin, std::ostream& out,
                      std::ostream& err)
{
    // Everything the command line says is checked before anything runs.
    const FilterInfo& filter = filterByCommand(request.filter);
    const std::vector<OutputFile> outputs = planOutputs(request.outputs);
    std::vector<host::DialogAction> script = buildDialogScript(filter, request.actions, request.cancel);

    std::vector<std::string> warnings;
    host::DocumentData input = loadDocument(request.input, warnings);
    for (const std::string& warning : warnings)
        err << "tovrins: warning: " << warning << '\n';
    applySelection(input, request.selection, request.input.string());
    checkPngSizes(input, outputs);

    const uint64_t seed = request.seed ? *request.seed : host::RandomGenerator::fromClock().seed();
    const std::string command = "the " + std::string(filter.command) + " command";
    std::optional<host::Workbench> workbench;
    needingMemoryTo("load the plug-in " + plugin.string(), [&] { workbench.emplace(plugin, seed); });
    host::RegisteredFilter& registered = registeredFilter(*workbench, filter, plugin);

    needingMemoryTo("run " + command + " on " + request.input.string(), [&] {
        host::Document& document = workbench->open(input);
        document.setSeed(seed);
        AppFrontEnd frontEnd(std::move(script), document);
        const host::CommandOutcome outcome = workbench->runFilter(registered, frontEnd);
        if (frontEnd.refusedChoice())
            throw UsageError(*frontEnd.refusedChoice());
        if (frontEnd.failedForMemory())
            throw std::bad_alloc(); // told as what the command ran out of memory for
        if (frontEnd.failure())
            throw RunError("the " + std::string(filter.command) + " dialog refused an action: " + *frontEnd.failure());
        checkOutcome(filter, outcome, command);
        if (!frontEnd.openedFilterDialog())
            throw RunError(command + " ended without opening its dialog");
        if (!request.cancel && !outcome.accepted)
            throw RunError("the " + std::string(filter.command) + " dialog closed without being accepted");
        repeatFilter(*workbench, filter, request.repeat, err);
    });
    saveDocuments(*workbench->document(), outputs);
    // Only a run that succeeded has a seed worth keeping.
    out << "seed " << seed << '\n';
}

} // namespace tovrins::app
