// tovrins: the workbench as a command-line program.
#include <cstdio>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "app/app_error.hpp"
#include "app/command_line.hpp"
#include "app/info_commands.hpp"
#include "app/interrupt_cleanup.hpp"
#include "app/memory_failure.hpp"
#include "app/plugin_location.hpp"
#include "app/run_command.hpp"
#include "app/studio_command.hpp"

#ifndef TOVRINS_DEFAULT_PLUGIN
#error "the build passes the plug-in's path, relative to the program, as TOVRINS_DEFAULT_PLUGIN"
#endif

int main(int argc, char** argv)
{
    using namespace tovrins::app;
    removeTemporariesOnInterrupt();
    reportMemoryFailuresOnTerminate();
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        const CommandLine commandLine = parseCommandLine(args, defaultPlugin(programFile(), TOVRINS_DEFAULT_PLUGIN));
        switch (commandLine.command) {
        case CommandLine::Command::Help: std::cout << commandLine.helpText; break;
        case CommandLine::Command::Filters: listFilters(commandLine.plugin, std::cout); break;
        case CommandLine::Command::About: showAbout(commandLine.plugin, std::cout); break;
        case CommandLine::Command::Studio:
            return runStudio(commandLine.studio, commandLine.plugin, std::cout, std::cerr);
        case CommandLine::Command::Run:
            runFilterCommand(commandLine.run, commandLine.plugin, std::cout, std::cerr);
            break;
        }
        return 0;
    } catch (const UsageError& e) {
        std::cerr << "tovrins: " << e.what() << '\n';
        return kExitUsageError;
    } catch (const std::bad_alloc&) {
        // The steps that can name what they were doing have; this is the
        // rest. Written without allocating.
        std::fputs("tovrins: not enough memory to finish the command\n", stderr);
        return kExitRunError;
    } catch (const std::exception& e) {
        std::cerr << "tovrins: " << e.what() << '\n';
        return kExitRunError;
    }
}
