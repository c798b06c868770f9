#include "plugin_file.hpp"

#include <dlfcn.h>

#include <algorithm>
#include <fstream>
#include <vector>

#include "elf_image.hpp"

namespace tovrins::host {
namespace {

[[noreturn]] void refuse(const std::filesystem::path& path, const std::string& problem) {
    throw PluginLoadError("plug-in " + path.string() + ": " + problem);
}

std::vector<std::uint8_t> readFile(const std::filesystem::path& path) {
    // A directory opens as a stream whose size is nonsense; say what it is.
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (std::filesystem::is_directory(status)) refuse(path, "is a directory, not a plug-in file");
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        refuse(path, "is not a regular file, so not a plug-in file");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) refuse(path, "cannot be opened");
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) refuse(path, "cannot be read");
    in.seekg(0);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), size);
    if (!in) refuse(path, "cannot be read");
    return bytes;
}

std::uint32_t littleEndian32(const std::vector<std::uint8_t>& b) {
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

const PiplProperty& requireProperty(const std::filesystem::path& path, const Pipl& pipl, const char (&key)[5]) {
    const PiplProperty* p = pipl.find(fourCharCode("ADBE"), fourCharCode(key));
    if (p == nullptr) refuse(path, std::string("PIPL has no '") + key + "' property");
    return *p;
}

// Checks that the PIPL announces a plug-in of our kind and interface and
// returns the entry point's name.
std::string checkPipl(const std::filesystem::path& path, const PluginResources& resources) {
    if (!resources.pipl) refuse(path, "has no PIPL resource");
    const Pipl& pipl = *resources.pipl;
    const PiplProperty& kind = requireProperty(path, pipl, "kind");
    if (kind.data.size() != 4 || littleEndian32(kind.data) != fourCharCode("SPEA")) {
        refuse(path, "PIPL kind is not SPEA");
    }
    const PiplProperty& version = requireProperty(path, pipl, "ivrs");
    if (version.data.size() != 4 || littleEndian32(version.data) != 2) {
        refuse(path, "PIPL interface version is not 2");
    }
    const PiplProperty& entry = requireProperty(path, pipl, "wx86");
    const auto end = std::find(entry.data.begin(), entry.data.end(), std::uint8_t{0});
    if (end == entry.data.end()) refuse(path, "PIPL entry point name is not terminated");
    std::string name(entry.data.begin(), end);
    if (name.empty()) refuse(path, "PIPL entry point name is empty");
    return name;
}

}  // namespace

std::filesystem::path explicitLibraryPath(const std::filesystem::path& path) {
    // dlopen searches the library path for a name without a slash.
    if (path.string().find('/') != std::string::npos) return path;
    return std::filesystem::path(".") / path;
}

PluginResources readPluginResources(const std::filesystem::path& path) {
    const std::vector<std::uint8_t> bytes = readFile(path);
    try {
        const auto section = findElfSection(bytes, kResourceSection);
        if (!section) refuse(path, std::string("has no ") + kResourceSection + " resource section");
        return readResources(*section);
    } catch (const ResourceError& e) {
        refuse(path, e.what());
    }
}

void PluginFile::Unloader::operator()(void* handle) const {
    if (handle != nullptr) dlclose(handle);
}

PluginFile::PluginFile(std::filesystem::path path)
    : path_(std::move(path)), resources_(readPluginResources(path_)), entryName_(checkPipl(path_, resources_)) {
    library_.reset(dlopen(explicitLibraryPath(path_).c_str(), RTLD_NOW | RTLD_LOCAL));
    if (!library_) {
        const char* why = dlerror();
        refuse(path_, std::string("cannot be loaded: ") + (why != nullptr ? why : "unknown error"));
    }
    void* symbol = dlsym(library_.get(), entryName_.c_str());
    if (symbol == nullptr) refuse(path_, "does not export its entry point " + entryName_);
    entry_ = reinterpret_cast<TvPluginMainProc>(symbol);
}

}  // namespace tovrins::host
