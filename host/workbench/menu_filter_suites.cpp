// The AI Menu and AI Filter suites: filters registered at start-up and the
// automatic enabling of their menu items.
#include <new>
#include <string>

#include "host/workbench/filter_registry.hpp"
#include "host/host_context.hpp"
#include "host/workbench/menu_filter_suites.hpp"
#include "host/suites/suite_registry.hpp"
#include "sdk/tv_errors.h"

namespace tovrins::host {
namespace {

template <class F> TvErr registryCall(std::string_view suite, std::string_view operation, F&& body) noexcept
{
    try {
        if (const TvErr err = checkFault(suite, operation))
            return err;
        FilterRegistry* registry = hostContext().filters;
        return registry ? body(*registry) : TV_ERR_BAD_PARAMETER;
    } catch (const std::bad_alloc&) {
        return TV_ERR_MEMORY_FULL;
    } catch (...) {
        return TV_ERR_BAD_PARAMETER;
    }
}

std::string fromLengthPrefixed(const unsigned char* text)
{
    return text ? std::string(reinterpret_cast<const char*>(text) + 1, text[0]) : std::string();
}

TvErr updateMenuItemAutomatically(TvMenuItemHandle handle, int32_t action, int32_t inArtwork, int32_t notInArtwork,
                                  int32_t selected, int32_t notSelected, int32_t ifTrue, int32_t ifNotTrue)
{
    return registryCall(kTvAIMenuSuite, "updateMenuItemAutomatically", [&](FilterRegistry& registry) -> TvErr {
        RegisteredFilter* filter = registry.findMenuItem(handle);
        if (!filter || action != TV_MENU_AUTO_ENABLE)
            return TV_ERR_BAD_PARAMETER;
        filter->menuItem = {true, action, inArtwork, notInArtwork, selected, notSelected, ifTrue, ifNotTrue};
        return TV_ERR_NONE;
    });
}

TvErr addFilter(TvPluginRef self, const char* name, const TvFilterMenuText* text, int32_t options,
                TvFilterHandle* handle)
{
    return registryCall(kTvAIFilterSuite, "addFilter", [&](FilterRegistry& registry) -> TvErr {
        if (!name || !text || !handle || !registry.acceptingFilters())
            return TV_ERR_BAD_PARAMETER;
        RegisteredFilter filter;
        filter.plugin = self;
        filter.name = name;
        filter.category = fromLengthPrefixed(text->category);
        filter.title = fromLengthPrefixed(text->title);
        filter.options = options;
        *handle = registry.add(std::move(filter)).handle();
        return TV_ERR_NONE;
    });
}

TvErr getFilterMenuItem(TvFilterHandle handle, TvMenuItemHandle* item)
{
    return registryCall(kTvAIFilterSuite, "getFilterMenuItem", [&](FilterRegistry& registry) -> TvErr {
        RegisteredFilter* filter = registry.find(handle);
        if (!filter || !item)
            return TV_ERR_BAD_PARAMETER;
        *item = filter->menuHandle();
        return TV_ERR_NONE;
    });
}

} // namespace

const TvAIMenuSuiteV7& menuSuite()
{
    static constexpr TvAIMenuSuiteV7 table{updateMenuItemAutomatically};
    return table;
}

const TvAIFilterSuiteV2& filterSuite()
{
    static constexpr TvAIFilterSuiteV2 table{addFilter, getFilterMenuItem};
    return table;
}

void registerMenuFilterSuites(SuiteRegistry& registry)
{
    registry.add(kTvAIMenuSuite, kTvAIMenuSuiteVersion, &menuSuite());
    registry.add(kTvAIFilterSuite, kTvAIFilterSuiteVersion, &filterSuite());
}

} // namespace tovrins::host
