#include "app/command_line.hpp"

#include <CLI/CLI.hpp>

#include "app/app_error.hpp"
#include "app/text_parsing.hpp"

#ifndef TOVRINS_VERSION
#error "the build passes the project's version as TOVRINS_VERSION"
#endif

namespace tovrins::app {

namespace {

// Enough for any use we know of, and a bound on how long a run can take.
constexpr int kMostRepeats = 1000;

constexpr const char* kRunExamples = R"(
Dialog actions are played in the order given, each on its dialog item as a
user would, and the dialog is then accepted (or cancelled with --cancel).
Popups take an entry's index (from 0) or its label; check boxes 0 or 1.

Examples:
  Twelve copies turned 30 degrees each about the document's centre:
    tovrins run rotate examples/star.svg -o rotated.svg \
      --set rotateCopies=12 --set rotateAngleStep=30 \
      --set "rotateCentreMode=Document's center" --seed 7

  A preset, then smaller copies, rendered to PNG and kept as JSON:
    tovrins run scale examples/star.svg -o scaled.png -o scaled.json \
      --preset 2 --set scaleHorizontalScale=80 --set scaleVerticalScale=80

  A drunken walk of copies of the star, with the star kept, repeated twice
  more on it (a repeat works on what is selected, so the original stays):
    tovrins run translate examples/star.svg -o walks.svg --select star \
      --set "translateVariation=Drunken path" --set translateDeleteOriginal=0 \
      --repeat 2 --seed 42

  Copy count and angle step picked in the artwork, with the star alone
  selected, after zooming the view to 50 %:
    tovrins run rotate examples/star.svg -o picked.json --select star \
      --zoom 50 --pick 60=30,0 --pick 61=300,300
)";

constexpr const char* kStudioExamples = R"(
It prints the page's address and serves until Ctrl-C. Unless --host says
otherwise it listens on this machine only; it answers only its own pages,
reads only the document named and writes nothing: saving is a download.

Examples:
  The bundled example at http://127.0.0.1:8470/:
    tovrins studio

  A drawing of your own, a free port, and a seed to reproduce with run:
    tovrins studio drawing.svg --port 0 --seed 42
)";

// Records each occurrence of a dialog action as CLI11 reads it, so the
// order across options is the order typed.
void addActionOption(CLI::App& run, std::vector<ActionRequest>& actions, const std::string& names,
                     ActionRequest::Kind kind, const std::string& typeName, const std::string& help)
{
    run.add_option_function<std::string>(
           names,
           [&actions, kind](const std::string& value) {
               actions.push_back({kind, value});
           },
           help)
        ->trigger_on_parse()
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->type_name(typeName);
}

void addActionFlag(CLI::App& run, std::vector<ActionRequest>& actions, const std::string& names,
                   ActionRequest::Kind kind, const std::string& help)
{
    run.add_flag_callback(
           names,
           [&actions, kind] {
               actions.push_back({kind, {}});
           },
           help)
        ->trigger_on_parse();
}

} // namespace

std::string ActionRequest::typed() const
{
    switch (kind) {
    case Kind::Set: return "--set " + value;
    case Kind::Preset: return "--preset " + value;
    case Kind::Tumble: return "--tumble";
    case Kind::Shuffle: return "--shuffle";
    case Kind::Pick: return "--pick " + value;
    case Kind::Zoom: return "--zoom " + value;
    }
    return value;
}

SelectionRequest parseSelection(const std::string& text)
{
    if (sameLabel(text, "all"))
        return {};
    SelectionRequest selection{false, {}};
    std::string_view rest = text;
    while (true) {
        const auto comma = rest.find(',');
        const std::string_view id = trimSpaces(rest.substr(0, comma));
        if (id.empty())
            throw UsageError("--select '" + text + "' has an empty art id; give 'all' or ids separated by commas");
        selection.ids.emplace_back(id);
        if (comma == std::string_view::npos)
            break;
        rest.remove_prefix(comma + 1);
    }
    return selection;
}

CommandLine parseCommandLine(std::span<const std::string> args, const std::filesystem::path& defaultPlugin)
{
    CommandLine result;
    result.plugin = defaultPlugin;
    RunRequest& request = result.run;

    CLI::App app{"Tovrins: runs the Tovrins filter plug-in on a document, playing the host's part.", "tovrins"};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("tovrins ") + TOVRINS_VERSION, "Print the program's version");
    std::string pluginText;
    const auto addPluginOption = [&](CLI::App& command) {
        command
            .add_option("--plugin", pluginText, "The plug-in file to load (default: " + defaultPlugin.string() + ")")
            ->type_name("PATH");
    };

    CLI::App* run = app.add_subcommand("run", "Run a filter on a document and write the result.");
    run->footer(kRunExamples);
    run->add_option("FILTER", request.filter, "rotate, scale or translate")->required()->type_name("");
    std::string input;
    run->add_option("INPUT", input, "The document to read: .svg or .json")->required()->type_name("");
    std::vector<std::string> outputs;
    run->add_option("-o,--output", outputs, "A file to write: .svg, .json or .png (repeatable)")
        ->required()
        ->type_name("OUTPUT")
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    using Kind = ActionRequest::Kind;
    addActionOption(*run, request.actions, "--set", Kind::Set, "FIELD=VALUE",
                    "Set a setting (e.g. rotateCopies=12) through its dialog item");
    addActionOption(*run, request.actions, "--preset", Kind::Preset, "N|LABEL", "Choose a preset by index or label");
    addActionFlag(*run, request.actions, "--tumble", Kind::Tumble, "Click Tumble: draw random settings");
    addActionFlag(*run, request.actions, "--shuffle", Kind::Shuffle,
                  "Click Shuffle: preview with fresh random numbers");
    addActionOption(*run, request.actions, "--pick", Kind::Pick, "ITEM=X,Y",
                    "Pick the artwork point X,Y with picture button ITEM (60 and up)");
    addActionOption(*run, request.actions, "--zoom", Kind::Zoom, "PERCENT", "Type a zoom into the zoom field");
    run->add_flag("--cancel", request.cancel, "Cancel the dialog instead of accepting it");
    std::string selection = "all";
    run->add_option("--select", selection, "What is selected first: all, or art ids (the SVG id attributes) ID,ID,...")
        ->capture_default_str()
        ->type_name("all|ID,...");
    // Read as text: CLI11 would wrap a negative number into an unsigned one.
    std::string seedText;
    CLI::Option* seedOption =
        run->add_option("--seed", seedText, "The host's random seed, 0 to 2^64-1 (default: from the clock)")
            ->type_name("N");
    std::string repeatText;
    CLI::Option* repeatOption = run->add_option("--repeat", repeatText,
                                                "Repeat the filter K more times without the dialog, K from 0 to " +
                                                    std::to_string(kMostRepeats))
                                    ->type_name("K");
    addPluginOption(*run);

    CLI::App* studio =
        app.add_subcommand("studio", "Serve the workbench to a browser, with the plug-in's dialogs live.");
    studio->footer(kStudioExamples);
    std::string studioDocument, studioSeedText;
    studio->add_option("DOCUMENT", studioDocument, "The document to open: .svg or .json (default: the bundled example)")
        ->type_name("");
    studio->add_option("--port", result.studio.port, "The port to listen on; 0 picks a free one")
        ->check(CLI::Range(0, 65535))
        ->capture_default_str()
        ->type_name("N");
    studio->add_option("--host", result.studio.host, "The address to listen on")
        ->capture_default_str()
        ->type_name("ADDR");
    CLI::Option* studioSeed =
        studio->add_option("--seed", studioSeedText, "The host's random seed (default: from the clock)")
            ->type_name("N");
    addPluginOption(*studio);

    CLI::App* filters = app.add_subcommand("filters", "List the filters the plug-in registers.");
    addPluginOption(*filters);
    CLI::App* about = app.add_subcommand("about", "Show the texts of the plug-in's About box.");
    addPluginOption(*about);

    // With nothing to do, the user gets the list of commands.
    if (args.empty()) {
        result.helpText = app.help();
        return result;
    }

    // CLI11 parses a reversed vector of the arguments.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        result.command = CommandLine::Command::Help;
        result.helpText = app.help();
        return result;
    } catch (const CLI::CallForVersion&) {
        result.command = CommandLine::Command::Help;
        result.helpText = app.version() + "\n";
        return result;
    } catch (const CLI::CallForAllHelp&) {
        result.command = CommandLine::Command::Help;
        result.helpText = app.help("", CLI::AppFormatMode::All);
        return result;
    } catch (const CLI::ParseError& e) {
        if (app.get_subcommands().empty())
            throw UsageError(std::string(e.what()) +
                             "; the commands are run, studio, filters and about (see tovrins --help)");
        throw UsageError(e.what());
    }

    if (!pluginText.empty())
        result.plugin = pluginText;
    if (filters->parsed()) {
        result.command = CommandLine::Command::Filters;
        return result;
    }
    if (about->parsed()) {
        result.command = CommandLine::Command::About;
        return result;
    }
    if (studio->parsed()) {
        result.command = CommandLine::Command::Studio;
        if (!studioDocument.empty())
            result.studio.document = studioDocument;
        if (studioSeed->count() > 0 && !(result.studio.seed = parseUnsigned(studioSeedText)))
            throw UsageError("--seed '" + studioSeedText +
                             "' is not a seed; give a whole number from 0 to 18446744073709551615");
        return result;
    }
    result.command = CommandLine::Command::Run;
    request.input = input;
    request.outputs.assign(outputs.begin(), outputs.end());
    request.selection = parseSelection(selection);
    if (seedOption->count() > 0) {
        request.seed = parseUnsigned(seedText);
        if (!request.seed)
            throw UsageError("--seed '" + seedText +
                             "' is not a seed; give a whole number from 0 to 18446744073709551615");
    }
    if (repeatOption->count() > 0) {
        const auto repeat = parseInteger(repeatText);
        if (!repeat || *repeat < 0 || *repeat > kMostRepeats)
            throw UsageError("--repeat '" + repeatText + "' is not a repeat count; give a whole number from 0 to " +
                             std::to_string(kMostRepeats));
        request.repeat = static_cast<int>(*repeat);
    }
    if (request.cancel && request.repeat > 0)
        throw UsageError("--repeat cannot follow --cancel: a cancelled command leaves nothing to repeat");
    return result;
}

} // namespace tovrins::app
