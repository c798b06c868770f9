#include "app/plugin_location.hpp"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tovrins::app {

std::optional<std::filesystem::path> programFile()
{
#ifdef _WIN32
    std::wstring name(32768, L'\0');
    const DWORD length = ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0 || length >= name.size())
        return std::nullopt;
    name.resize(length);
    return std::filesystem::path(name);
#else
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return std::nullopt;
    return self;
#endif
}

std::filesystem::path defaultPlugin(const std::optional<std::filesystem::path>& program,
                                    const std::filesystem::path& builtRelativeToProgram)
{
    if (!program)
        return builtRelativeToProgram;
    const std::filesystem::path directory = program->parent_path();
    const std::filesystem::path beside = directory / builtRelativeToProgram.filename();
    std::error_code ec;
    if (std::filesystem::is_regular_file(beside, ec))
        return beside;
    return (directory / builtRelativeToProgram).lexically_normal();
}

} // namespace tovrins::app
