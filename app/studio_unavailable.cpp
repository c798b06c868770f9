// `tovrins studio` where the build has no web server (the Windows build: no
// cpp-httplib there): the command is refused in one sentence.
#include "app/studio_command.hpp"

#include "app/app_error.hpp"

namespace tovrins::app {

int runStudio(const StudioRequest&, const std::filesystem::path&, std::ostream&, std::ostream&)
{
    throw UsageError("this build of tovrins has no studio (it needs cpp-httplib); use run, filters or about");
}

} // namespace tovrins::app
