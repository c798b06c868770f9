// Loading a plug-in on Linux: the resources read from the file, then
// dlopen and dlsym.
#include <dlfcn.h>

#include <fstream>
#include <vector>

#include "host/resources/pe_image.hpp"
#include "host/loader/plugin_checks.hpp"
#include "host/loader/plugin_file.hpp"

namespace tovrins::host {
namespace {

std::vector<std::uint8_t> readFile(const std::filesystem::path& path)
{
    // A directory opens as a stream whose size is nonsense; say what it is.
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (std::filesystem::is_directory(status))
        refusePlugin(path, "is a directory, not a plug-in file");
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        refusePlugin(path, "is not a regular file, so not a plug-in file");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in)
        refusePlugin(path, "cannot be opened");
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0)
        refusePlugin(path, "cannot be read");
    in.seekg(0);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), size);
    if (!in)
        refusePlugin(path, "cannot be read");
    return bytes;
}

} // namespace

PluginResources readPluginResources(const std::filesystem::path& path)
{
    const std::vector<std::uint8_t> bytes = readFile(path);
    try {
        return readImageResources(bytes);
    } catch (const ResourceError& e) {
        refusePlugin(path, e.what());
    }
}

bool isForeignPluginFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::uint8_t start[2] = {};
    in.read(reinterpret_cast<char*>(start), sizeof start);
    return in && looksLikePeImage(start);
}

void PluginFile::Unloader::operator()(void* handle) const
{
    if (handle != nullptr)
        dlclose(handle);
}

PluginFile::PluginFile(std::filesystem::path path)
    : path_(std::move(path)), resources_(readPluginResources(path_)), entryName_(checkedEntryName(path_, resources_))
{
    if (isForeignPluginFile(path_)) {
        refusePlugin(path_, "is a Windows plug-in; this workbench reads its resources but runs only Linux plug-ins");
    }
    library_.reset(dlopen(explicitLibraryPath(path_).c_str(), RTLD_NOW | RTLD_LOCAL));
    if (!library_) {
        const char* why = dlerror();
        refusePlugin(path_, std::string("cannot be loaded: ") + (why != nullptr ? why : "unknown error"));
    }
    void* symbol = dlsym(library_.get(), entryName_.c_str());
    if (symbol == nullptr)
        refusePlugin(path_, "does not export its entry point " + entryName_);
    entry_ = reinterpret_cast<TvPluginMainProc>(symbol);
}

} // namespace tovrins::host
