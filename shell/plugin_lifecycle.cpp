#include "plugin_lifecycle.hpp"

#include <array>
#include <memory>

#include "pascal_strings.hpp"
#include "plugin_globals.hpp"
#include "suites.hpp"

namespace tovrins {

namespace {

struct FilterRegistration {
    const char* name;
    TvFilterHandle PluginGlobals::*handle;
};

constexpr std::array<FilterRegistration, 3> kFilters{{
    {"KM47_TovrinRotate", &PluginGlobals::rotateFilter},
    {"KM47_TovrinScale", &PluginGlobals::scaleFilter},
    {"KM47_TovrinTranslate", &PluginGlobals::translateFilter},
}};

TvErr readMenuText(TvPluginRef self, int32_t index, std::span<char> buffer)
{
    if (const TvErr code = suites().admBasic->getIndexString(self, kMenuTextList, index, buffer.data(), kMenuTextLimit);
        code != TV_ERR_NONE)
        return code;
    buffer[kMenuTextLimit] = '\0';
    return cToPascal(buffer) ? TV_ERR_NONE : TV_ERR_BAD_PARAMETER;
}

// Filter number n (1 to 3) reads its category from string 2n-1 and its
// title from string 2n of the menu text list.
TvErr registerFilter(TvPluginRef self, int32_t n, PluginGlobals& globals)
{
    std::array<char, kMenuTextLimit + 1> category{};
    std::array<char, kMenuTextLimit + 1> title{};
    if (const TvErr code = readMenuText(self, 2 * n - 1, category); code != TV_ERR_NONE)
        return code;
    if (const TvErr code = readMenuText(self, 2 * n, title); code != TV_ERR_NONE)
        return code;

    const FilterRegistration& filter = kFilters[static_cast<std::size_t>(n - 1)];
    const TvFilterMenuText text{reinterpret_cast<const unsigned char*>(category.data()),
                                reinterpret_cast<const unsigned char*>(title.data())};
    TvFilterHandle& handle = globals.*filter.handle;
    if (const TvErr code = suites().filter->addFilter(self, filter.name, &text, 0, &handle); code != TV_ERR_NONE)
        return code;
    TvMenuItemHandle item = nullptr;
    if (const TvErr code = suites().filter->getFilterMenuItem(handle, &item); code != TV_ERR_NONE)
        return code;
    // The host enables the command itself from these condition masks.
    return suites().menu->updateMenuItemAutomatically(item, TV_MENU_AUTO_ENABLE, 0, 0, 0, 0, TV_MENU_IF_DOCUMENT_OPEN, 0);
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

    for (int32_t n = 1; n <= static_cast<int32_t>(kFilters.size()); ++n)
        if (const TvErr code = registerFilter(message.self, n, *globals); code != TV_ERR_NONE)
            return code;
    globals->filterCount = static_cast<int32_t>(kFilters.size());
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
