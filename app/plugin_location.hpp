// Where the program finds the plug-in when no --plugin is given: from the
// program's own file, so that a build or install directory can be moved.
#pragma once

#include <filesystem>
#include <optional>

namespace tovrins::app {

// The program's own file, symbolic links resolved; nullopt when the system
// cannot say.
std::optional<std::filesystem::path> programFile();

// In the program's directory: the plug-in file beside it when there is one
// (an installed layout), otherwise the place the build puts it, given
// relative to the program's directory. Without a program file the
// relative path is taken from the working directory.
std::filesystem::path defaultPlugin(const std::optional<std::filesystem::path>& program,
                                    const std::filesystem::path& builtRelativeToProgram);

} // namespace tovrins::app
