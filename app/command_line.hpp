// The command line: `tovrins run|filters|about`, parsed with CLI11 into plain
// requests. The dialog actions keep the order in which they were typed,
// across the different options.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tovrins::app {

// One dialog action as typed, checked later against the filter's fields.
struct ActionRequest {
    enum class Kind { Set, Preset, Tumble, Shuffle, Pick, Zoom };
    Kind kind = Kind::Set;
    std::string value; // "rotateCopies=12", "3", "60=100,200", "" for the buttons
    // How the user typed it, for messages: "--set rotateCopies=12".
    std::string typed() const;
};

// What is selected before the command: all art, or the art with these ids.
struct SelectionRequest {
    bool all = true;
    std::vector<std::string> ids;
};

struct RunRequest {
    std::string filter;
    std::filesystem::path input;
    std::vector<std::filesystem::path> outputs;
    std::vector<ActionRequest> actions;
    bool cancel = false;
    SelectionRequest selection;
    std::optional<uint64_t> seed;
    int repeat = 0;
};

// `tovrins studio`: the workbench served to a browser.
struct StudioRequest {
    std::optional<std::filesystem::path> document; // none: the bundled example
    std::string host = "127.0.0.1";
    int port = 8470;
    std::optional<uint64_t> seed;
};

struct CommandLine {
    enum class Command { Run, Filters, About, Studio, Help };
    Command command = Command::Help;
    std::filesystem::path plugin;
    RunRequest run;
    StudioRequest studio;
    std::string helpText; // for Command::Help
};

// args without the program name. Throws UsageError with CLI11's own
// sentence for a malformed command line.
CommandLine parseCommandLine(std::span<const std::string> args, const std::filesystem::path& defaultPlugin);

// "all" or "id,id,...": throws UsageError for an empty id.
SelectionRequest parseSelection(const std::string& text);

} // namespace tovrins::app
