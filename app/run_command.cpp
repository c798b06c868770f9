#include "run_command.hpp"

#include <string>

#include "app_error.hpp"
#include "app_front_end.hpp"
#include "art_selection.hpp"
#include "dialog_script.hpp"
#include "document_files.hpp"
#include "field_table.hpp"
#include "outcome_report.hpp"
#include "workbench/workbench.hpp"

namespace tovrins::app {

namespace {

constexpr TvErr kCancelCode = 0x53544F50; // STOP
constexpr int32_t kErrorDialogResource = 16051;

// Throws for the error dialog the command showed, or for a failing code
// the plug-in did not report itself.
void checkOutcome(const FilterInfo& filter, const host::CommandOutcome& outcome, std::string_view what)
{
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

// Runs the filter `times` more times and warns when a repeat left the
// document as it was (say, the originals were deleted, so nothing is
// selected any more).
void repeatFilter(host::Workbench& workbench, const FilterInfo& filter, int times, std::ostream& err)
{
    const std::string what = "repeating the " + std::string(filter.command) + " filter";
    int unchanged = 0;
    for (int i = 0; i < times; ++i) {
        host::DefaultFrontEnd repeatFrontEnd;
        const host::CommandOutcome outcome = workbench.repeatLastFilter(repeatFrontEnd);
        checkOutcome(filter, outcome, what);
        if (!outcome.changed)
            ++unchanged;
    }
    if (unchanged == 0)
        return;
    const std::string which = unchanged < times ? std::to_string(unchanged) + " of the " + std::to_string(times) +
                                                      " repeats"
                              : times == 1 ? "the repeat"
                                           : "every repeat";
    err << "tovrins: warning: " << which << " of the " << filter.command << " filter changed nothing in the document\n";
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
    out << "seed " << seed << '\n';

    host::Workbench workbench(plugin, seed);
    host::RegisteredFilter& registered = registeredFilter(workbench, filter, plugin);
    host::Document& document = workbench.open(input);
    document.setSeed(seed);

    AppFrontEnd frontEnd(std::move(script), document);
    const host::CommandOutcome outcome = workbench.runFilter(registered, frontEnd);
    if (frontEnd.refusedChoice())
        throw UsageError(*frontEnd.refusedChoice());
    if (frontEnd.failure())
        throw RunError("the " + std::string(filter.command) + " dialog refused an action: " + *frontEnd.failure());
    checkOutcome(filter, outcome, "the " + std::string(filter.command) + " command");
    if (!frontEnd.openedFilterDialog())
        throw RunError("the " + std::string(filter.command) + " command ended without opening its dialog");
    if (!request.cancel && !outcome.accepted)
        throw RunError("the " + std::string(filter.command) + " dialog closed without being accepted");

    repeatFilter(workbench, filter, request.repeat, err);
    saveDocuments(workbench.document()->data(), outputs);
}

} // namespace tovrins::app
