#include "shell/plugin_lifecycle.hpp"

#include <array>
#include <memory>

#include "shell/filter_registry.hpp"
#include "shell/pascal_strings.hpp"
#include "shell/plugin_globals.hpp"
#include "shell/suites.hpp"

namespace tovrins {

namespace {

TvErr readMenuText(TvPluginRef self, int32_t index, std::span<char> buffer)
{
    if (const TvErr code = suites().admBasic->getIndexString(self, kMenuTextList, index, buffer.data(), kMenuTextLimit);
        code != TV_ERR_NONE)
        return code;
    buffer[kMenuTextLimit] = '\0';
    return cToPascal(buffer) ? TV_ERR_NONE : TV_ERR_BAD_PARAMETER;
}

// A filter reads its category and title from its strings of the menu text
// list.
TvErr registerFilter(TvPluginRef self, const FilterRecord& filter, PluginGlobals& globals)
{
    std::array<char, kMenuTextLimit + 1> category{};
    std::array<char, kMenuTextLimit + 1> title{};
    if (const TvErr code = readMenuText(self, filter.menuCategoryString, category); code != TV_ERR_NONE)
        return code;
    if (const TvErr code = readMenuText(self, filter.menuTitleString, title); code != TV_ERR_NONE)
        return code;

    const TvFilterMenuText text{reinterpret_cast<const unsigned char*>(category.data()),
                                reinterpret_cast<const unsigned char*>(title.data())};
    TvFilterHandle& handle = globals.*filter.handle;
    if (const TvErr code = suites().filter->addFilter(self, filter.registeredName, &text, 0, &handle);
        code != TV_ERR_NONE)
        return code;
    TvMenuItemHandle item = nullptr;
    if (const TvErr code = suites().filter->getFilterMenuItem(handle, &item); code != TV_ERR_NONE)
        return code;
    // The host enables the command itself from these condition masks.
    return suites().menu->updateMenuItemAutomatically(item, TV_MENU_AUTO_ENABLE, 0, 0, 0, 0, TV_MENU_IF_DOCUMENT_OPEN,
                                                      0);
}

} // namespace

TvErr startupPlugin(TvSPMessageData& message)
{
    const Suites& s = suites();
    if (!s.blocks || !s.admBasic || !s.filter || !s.menu)
        return TV_ERR_BAD_PARAMETER;
    void* block = nullptr;
    if (const TvErr code = s.blocks->allocateBlock(sizeof(PluginGlobals), "globals", &block); code != TV_ERR_NONE)
        return code;
    if (!block)
        return TV_ERR_MEMORY_FULL;
    PluginGlobals* globals = std::construct_at(static_cast<PluginGlobals*>(block));
    // No list is held yet; an engine run before any gather must see that.
    globals->selectionCount = -1;
    globals->basicSuite = message.basic;
    pluginGlobals() = globals;

    for (const FilterRecord* filter : filterRecords())
        if (const TvErr code = registerFilter(message.self, *filter, *globals); code != TV_ERR_NONE)
            return code;
    globals->filterCount = static_cast<int32_t>(filterRecords().size());
    return TV_ERR_NONE;
}

TvErr shutdownPlugin(TvSPMessageData& message)
{
    const void* table = nullptr;
    if (const TvErr code = message.basic->acquireSuite(kTvSPBlocksSuite, kTvSPBlocksSuiteVersion, &table);
        code != TV_ERR_NONE)
        return code;
    if (PluginGlobals* globals = pluginGlobals()) {
        static_cast<const TvSPBlocksSuiteV2*>(table)->freeBlock(globals);
        pluginGlobals() = nullptr;
    }
    message.basic->releaseSuite(kTvSPBlocksSuite, kTvSPBlocksSuiteVersion);
    message.globals = nullptr;
    return TV_ERR_NONE;
}

} // namespace tovrins
