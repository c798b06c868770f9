#include "shell/filter_commands.hpp"

#include "shell/filter_params.hpp"
#include "shell/filter_registry.hpp"
#include "shell/plugin_globals.hpp"
#include "shell/selection.hpp"
#include "shell/suites.hpp"

namespace tovrins {

namespace {

const FilterRecord* pickCommand(TvFilterHandle filter)
{
    const PluginGlobals* globals = pluginGlobals();
    if (!globals || !filter)
        return nullptr;
    for (const FilterRecord* command : filterRecords())
        if (globals->*command->handle == filter)
            return command;
    return nullptr;
}

FilterParams* blockOf(TvMemoryHandle parameters, TvErr& code)
{
    void* pointer = nullptr;
    code = suites().memory->getPointer(parameters, &pointer);
    if (code == TV_ERR_NONE && !pointer)
        code = TV_ERR_NO_PARAMETER_MEMORY;
    return code == TV_ERR_NONE ? static_cast<FilterParams*>(pointer) : nullptr;
}

} // namespace

TvErr filterGetParameters(TvFilterMessage& message)
{
    const FilterRecord* command = pickCommand(message.filter);
    if (!command)
        return TV_ERR_NONE;
    if (!suites().memory || !suites().dialog || !suites().undo)
        return TV_ERR_BAD_PARAMETER;

    const bool fresh = message.parameters == nullptr;
    if (fresh) {
        if (const TvErr code = suites().memory->newHandle(sizeof(FilterParams), &message.parameters);
            code != TV_ERR_NONE)
            return code;
        if (!message.parameters)
            return TV_ERR_NO_PARAMETER_MEMORY;
    }
    TvErr code = TV_ERR_NONE;
    FilterParams* params = blockOf(message.parameters, code);
    if (!params)
        return code;
    if (fresh)
        writeDefaults(*params, *command);

    const FilterParams snapshot = *params;
    int32_t result = 0;
    code = suites().dialog->modal(message.d.self, command->dialogName, kFilterDialogId, TV_DIALOG_STYLE_MODAL,
                                  command->dialogBuilder, params, &result);
    if (code == TV_ERR_NONE && result == 1)
        return TV_ERR_NONE;

    // Cancelled, closed, or the dialog could not run: revert everything the
    // previews did. A list gathered before the cancel must not reach a later
    // run, so it goes even when the undo fails.
    if (const TvErr undone = suites().undo->undoChanges(); undone != TV_ERR_NONE) {
        releaseSelection();
        return undone;
    }
    *params = snapshot;
    params->*command->words.previewApplied = 0;
    releaseSelection();
    return code != TV_ERR_NONE ? code : TV_ERR_CANCELLED;
}

TvErr filterGo(TvFilterMessage& message)
{
    const FilterRecord* command = pickCommand(message.filter);
    if (!command)
        return TV_ERR_NONE;
    if (!suites().memory)
        return TV_ERR_BAD_PARAMETER;
    if (!message.parameters)
        return TV_ERR_NO_PARAMETER_MEMORY;
    TvErr code = TV_ERR_NONE;
    FilterParams* params = blockOf(message.parameters, code);
    if (!params)
        return code;
    params->*command->words.goRun = 1;
    return command->engine(*params);
}

void abandonFilterCommand(const TvFilterMessage& message, const TvAIMdMemorySuiteV1* memory)
{
    const FilterRecord* command = pickCommand(message.filter);
    void* pointer = nullptr;
    if (command && memory && message.parameters && memory->getPointer(message.parameters, &pointer) == TV_ERR_NONE &&
        pointer)
        static_cast<FilterParams*>(pointer)->*command->words.previewApplied = 0;
    releaseSelection(memory);
}

} // namespace tovrins
