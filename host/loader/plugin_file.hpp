// A loaded plug-in file: its resources, checked, and its entry point.
#pragma once

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "host/resources/plugin_image.hpp"
#include "host/resources/plugin_resources.hpp"
#include "sdk/tv_messages.h"

namespace tovrins::host {

class PluginLoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the resources carried in a plug-in file, without running it.
// Throws PluginLoadError naming the file and the problem.
PluginResources readPluginResources(const std::filesystem::path& path);

// The path as the system's loader must be given it to load that very file:
// "good.aip" becomes "./good.aip", where a bare name would be searched for
// along the library path instead.
std::filesystem::path explicitLibraryPath(const std::filesystem::path& path);

// Whether the file is a plug-in built for another platform than this
// workbench's: its resources can be read, but it cannot run here.
bool isForeignPluginFile(const std::filesystem::path& path);

class PluginFile {
public:
    // Reads and checks the resources, loads the library and resolves the
    // entry point the PIPL names. Each platform does it as its hosts do
    // (plugin_file_posix.cpp, plugin_file_windows.cpp). Throws PluginLoadError.
    explicit PluginFile(std::filesystem::path path);

    const std::filesystem::path& path() const { return path_; }
    const PluginResources& resources() const { return resources_; }
    const std::string& entryName() const { return entryName_; }
    TvPluginMainProc entry() const { return entry_; }

    // Unloads a library the platform's loader returned.
    struct Unloader {
        void operator()(void* handle) const;
    };

private:
    std::filesystem::path path_;
    PluginResources resources_;
    std::string entryName_;
    std::unique_ptr<void, Unloader> library_;
    TvPluginMainProc entry_ = nullptr;
};

} // namespace tovrins::host
