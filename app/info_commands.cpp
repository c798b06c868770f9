#include "info_commands.hpp"

#include "app_error.hpp"
#include "outcome_report.hpp"
#include "workbench/workbench.hpp"

namespace tovrins::app {

void listFilters(const std::filesystem::path& plugin, std::ostream& out)
{
    host::Workbench workbench(plugin, 0);
    for (const host::RegisteredFilter& filter : workbench.filters().all())
        out << filter.name << '\t' << filter.category << '\t' << filter.title << '\n';
}

void showAbout(const std::filesystem::path& plugin, std::ostream& out)
{
    host::Workbench workbench(plugin, 0);
    const size_t shownBefore = workbench.adm().shown().size();
    host::DefaultFrontEnd frontEnd;
    if (const TvErr code = workbench.about(frontEnd); code != 0)
        throw RunError("the plug-in " + plugin.string() + " answered About with code " + errorCodeText(code));
    const auto& shown = workbench.adm().shown();
    if (shown.size() == shownBefore)
        throw RunError("the plug-in " + plugin.string() + " showed no About box");
    // The box's texts are items without ids; its only item with one is OK.
    for (const std::string& text : shown.back().unnamedTexts)
        if (!text.empty())
            out << text << '\n';
}

} // namespace tovrins::app
