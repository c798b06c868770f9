// tovrins: the workbench as a command-line program.
#include <iostream>
#include <string>
#include <vector>

#include "app_error.hpp"
#include "command_line.hpp"
#include "info_commands.hpp"
#include "run_command.hpp"
#include "studio_command.hpp"

#ifndef TOVRINS_DEFAULT_PLUGIN
#error "the build passes the plug-in's path as TOVRINS_DEFAULT_PLUGIN"
#endif
#ifndef TOVRINS_EXAMPLE_DOCUMENT
#error "the build passes the bundled example's path as TOVRINS_EXAMPLE_DOCUMENT"
#endif

int main(int argc, char** argv)
{
    using namespace tovrins::app;
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        const CommandLine commandLine = parseCommandLine(args, TOVRINS_DEFAULT_PLUGIN);
        switch (commandLine.command) {
        case CommandLine::Command::Help: std::cout << commandLine.helpText; break;
        case CommandLine::Command::Filters: listFilters(commandLine.plugin, std::cout); break;
        case CommandLine::Command::About: showAbout(commandLine.plugin, std::cout); break;
        case CommandLine::Command::Studio:
            return runStudio(commandLine.studio, commandLine.plugin, TOVRINS_EXAMPLE_DOCUMENT, std::cout, std::cerr);
        case CommandLine::Command::Run: runFilterCommand(commandLine.run, commandLine.plugin, std::cout, std::cerr); break;
        }
        return 0;
    } catch (const UsageError& e) {
        std::cerr << "tovrins: " << e.what() << '\n';
        return kExitUsageError;
    } catch (const std::exception& e) {
        std::cerr << "tovrins: " << e.what() << '\n';
        return kExitRunError;
    }
}
