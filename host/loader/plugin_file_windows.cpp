// Loading a plug-in on Windows as the platform's hosts do: LoadLibrary,
// the resources read from the loaded module with the system's resource
// functions, and GetProcAddress for the entry point the PIPL names.
#include <windows.h>

#include <string>
#include <vector>

#include "host/loader/plugin_checks.hpp"
#include "host/loader/plugin_file.hpp"

namespace tovrins::host {
namespace {

// The system's text for an error code, with the code itself.
std::string systemMessage(DWORD code)
{
    char text[512] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                        text, sizeof text, nullptr);
    std::string message(text, length);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == '.')) {
        message.pop_back();
    }
    if (const auto insert = message.find("%1"); insert != std::string::npos)
        message.replace(insert, 2, "the file");
    if (message.empty())
        message = "system error";
    return message + " (error " + std::to_string(code) + ")";
}

// A resource type or name as the resource functions pass it: an ordinal
// in the pointer or a string, copied so it outlives the enumeration.
struct ModuleResourceName {
    bool isOrdinal = false;
    WORD ordinal = 0;
    std::wstring text;

    static ModuleResourceName of(LPCWSTR p)
    {
        if (IS_INTRESOURCE(p))
            return {true, static_cast<WORD>(reinterpret_cast<ULONG_PTR>(p)), {}};
        return {false, 0, p};
    }
    LPCWSTR pointer() const { return isOrdinal ? MAKEINTRESOURCEW(ordinal) : text.c_str(); }
    NameOrOrdinal converted() const
    {
        if (isOrdinal)
            return {true, ordinal, {}};
        return {false, 0, utf8FromUtf16(std::u16string(text.begin(), text.end()))};
    }
};

struct FoundResource {
    ModuleResourceName type;
    ModuleResourceName name;
    WORD language = 0;
};

// The callbacks run inside the system's enumeration: they only record, and
// never let an exception through.
struct Enumeration {
    std::vector<FoundResource> found;
    bool failed = false;
};

BOOL CALLBACK onLanguage(HMODULE, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR context)
{
    auto& enumeration = *reinterpret_cast<Enumeration*>(context);
    try {
        enumeration.found.push_back({ModuleResourceName::of(type), ModuleResourceName::of(name), language});
    } catch (...) {
        enumeration.failed = true;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK onName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR context)
{
    EnumResourceLanguagesW(module, type, name, onLanguage, context);
    return !reinterpret_cast<Enumeration*>(context)->failed;
}

BOOL CALLBACK onType(HMODULE module, LPWSTR type, LONG_PTR context)
{
    EnumResourceNamesW(module, type, onName, context);
    return !reinterpret_cast<Enumeration*>(context)->failed;
}

PluginResources moduleResources(const std::filesystem::path& path, HMODULE module)
{
    Enumeration enumeration;
    EnumResourceTypesW(module, onType, reinterpret_cast<LONG_PTR>(&enumeration));
    if (enumeration.failed)
        refusePlugin(path, "its resources cannot be listed: out of memory");
    std::vector<RawResource> raw;
    for (const FoundResource& r : enumeration.found) {
        HRSRC info = FindResourceExW(module, r.type.pointer(), r.name.pointer(), r.language);
        HGLOBAL loaded = info != nullptr ? LoadResource(module, info) : nullptr;
        const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
        if (data == nullptr)
            refusePlugin(path, "a resource cannot be loaded: " + systemMessage(GetLastError()));
        raw.push_back({r.type.converted(),
                       r.name.converted(),
                       r.language,
                       {static_cast<const std::uint8_t*>(data), SizeofResource(module, info)}});
    }
    try {
        return collectResources(raw);
    } catch (const ResourceError& e) {
        refusePlugin(path, e.what());
    }
}

// No "cannot find" or "bad image" boxes while a plug-in loads: the caller
// reports the failure itself.
class QuietLoading {
public:
    QuietLoading() { SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous_); }
    ~QuietLoading() { SetThreadErrorMode(previous_, nullptr); }
    QuietLoading(const QuietLoading&) = delete;
    QuietLoading& operator=(const QuietLoading&) = delete;

private:
    DWORD previous_ = 0;
};

// Loads `file`, which the messages call `path`.
HMODULE loadModule(const std::filesystem::path& path, const std::filesystem::path& file, DWORD flags)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        refusePlugin(path, "cannot be opened");
    const QuietLoading quiet;
    HMODULE module = LoadLibraryExW(file.c_str(), nullptr, flags);
    if (module == nullptr)
        refusePlugin(path, "cannot be loaded: " + systemMessage(GetLastError()));
    return module;
}

} // namespace

PluginResources readPluginResources(const std::filesystem::path& path)
{
    const std::unique_ptr<void, PluginFile::Unloader> module(
        loadModule(path, path, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    return moduleResources(path, static_cast<HMODULE>(module.get()));
}

// The Windows workbench runs and reads Windows plug-ins only; any other
// file is refused when it is loaded.
bool isForeignPluginFile(const std::filesystem::path&) { return false; }

void PluginFile::Unloader::operator()(void* handle) const
{
    if (handle != nullptr)
        FreeLibrary(static_cast<HMODULE>(handle));
}

PluginFile::PluginFile(std::filesystem::path path) : path_(std::move(path))
{
    // The full path, so that the system looks for the plug-in's own
    // imports beside it rather than beside the program.
    library_.reset(loadModule(path_, std::filesystem::absolute(path_), LOAD_WITH_ALTERED_SEARCH_PATH));
    const auto module = static_cast<HMODULE>(library_.get());
    resources_ = moduleResources(path_, module);
    entryName_ = checkedEntryName(path_, resources_);
    FARPROC symbol = GetProcAddress(module, entryName_.c_str());
    if (symbol == nullptr)
        refusePlugin(path_, "does not export its entry point " + entryName_);
    entry_ = reinterpret_cast<TvPluginMainProc>(reinterpret_cast<void*>(symbol));
}

} // namespace tovrins::host
