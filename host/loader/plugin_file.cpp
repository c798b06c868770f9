#include "host/loader/plugin_file.hpp"

#include <algorithm>
#include <vector>

#include "host/loader/plugin_checks.hpp"

namespace tovrins::host {
namespace {

std::uint32_t littleEndian32(const std::vector<std::uint8_t>& b)
{
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
        (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

const PiplProperty& requireProperty(const std::filesystem::path& path, const Pipl& pipl, const char (&key)[5])
{
    const PiplProperty* p = pipl.find(fourCharCode("ADBE"), fourCharCode(key));
    if (p == nullptr)
        refusePlugin(path, std::string("PIPL has no '") + key + "' property");
    return *p;
}

} // namespace

std::filesystem::path explicitLibraryPath(const std::filesystem::path& path)
{
    // The system's loader searches its library path for a bare file name.
    return path.has_parent_path() ? path : std::filesystem::path(".") / path;
}

void refusePlugin(const std::filesystem::path& path, const std::string& problem)
{
    throw PluginLoadError("plug-in " + path.string() + ": " + problem);
}

std::string checkedEntryName(const std::filesystem::path& path, const PluginResources& resources)
{
    if (!resources.pipl)
        refusePlugin(path, "has no PIPL resource");
    const Pipl& pipl = *resources.pipl;
    const PiplProperty& kind = requireProperty(path, pipl, "kind");
    if (kind.data.size() != 4 || littleEndian32(kind.data) != fourCharCode("SPEA")) {
        refusePlugin(path, "PIPL kind is not SPEA");
    }
    const PiplProperty& version = requireProperty(path, pipl, "ivrs");
    if (version.data.size() != 4 || littleEndian32(version.data) != 2) {
        refusePlugin(path, "PIPL interface version is not 2");
    }
    const PiplProperty& entry = requireProperty(path, pipl, "wx86");
    const auto end = std::find(entry.data.begin(), entry.data.end(), std::uint8_t{0});
    if (end == entry.data.end())
        refusePlugin(path, "PIPL entry point name is not terminated");
    std::string name(entry.data.begin(), end);
    if (name.empty())
        refusePlugin(path, "PIPL entry point name is empty");
    return name;
}

} // namespace tovrins::host
