#include "app/info_commands.hpp"

#include "app/app_error.hpp"
#include "app/outcome_report.hpp"
#include "host/loader/plugin_file.hpp"
#include "host/workbench/workbench.hpp"
#include "resources/tovrins_ids.h"

namespace tovrins::app {

namespace {

// The dialog resource the plug-in shows as its About box.
constexpr std::int32_t kAboutDialogResource = TOVRINS_ABOUT_DIALOG;

// A plug-in built for another platform cannot run here; its About box's
// texts are read from its resources instead: the items without ids.
void showAboutFromResources(const std::filesystem::path& plugin, std::ostream& out)
{
    const host::PluginResources resources = host::readPluginResources(plugin);
    const auto about = resources.dialogs.find(kAboutDialogResource);
    if (about == resources.dialogs.end())
        throw RunError("the plug-in " + plugin.string() + " has no About box (dialog " +
                       std::to_string(kAboutDialogResource) + ")");
    for (const host::DialogItem& item : about->second.items)
        if (item.id == -1 && !item.text.empty())
            out << item.text << '\n';
}

} // namespace

void listFilters(const std::filesystem::path& plugin, std::ostream& out)
{
    host::Workbench workbench(plugin, 0);
    for (const host::RegisteredFilter& filter : workbench.filters().all())
        out << filter.name << '\t' << filter.category << '\t' << filter.title << '\n';
}

void showAbout(const std::filesystem::path& plugin, std::ostream& out)
{
    if (host::isForeignPluginFile(plugin))
        return showAboutFromResources(plugin, out);
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
