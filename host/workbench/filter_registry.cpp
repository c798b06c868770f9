#include "host/workbench/filter_registry.hpp"

#include <algorithm>
#include <cctype>

namespace tovrins::host {
namespace {

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

} // namespace

TvFilterHandle RegisteredFilter::handle() const
{
    return reinterpret_cast<TvFilterHandle>(const_cast<RegisteredFilter*>(this));
}

TvMenuItemHandle RegisteredFilter::menuHandle() const
{
    return reinterpret_cast<TvMenuItemHandle>(const_cast<MenuItem*>(&menuItem));
}

RegisteredFilter& FilterRegistry::add(RegisteredFilter filter)
{
    filters_.push_back(std::move(filter));
    return filters_.back();
}

RegisteredFilter* FilterRegistry::find(TvFilterHandle handle)
{
    for (RegisteredFilter& filter : filters_)
        if (filter.handle() == handle)
            return &filter;
    return nullptr;
}

RegisteredFilter* FilterRegistry::findMenuItem(TvMenuItemHandle handle)
{
    for (RegisteredFilter& filter : filters_)
        if (filter.menuHandle() == handle)
            return &filter;
    return nullptr;
}

RegisteredFilter* FilterRegistry::find(std::string_view nameOrTitle)
{
    for (RegisteredFilter& filter : filters_)
        if (equalIgnoringCase(filter.name, nameOrTitle) || equalIgnoringCase(filter.title, nameOrTitle))
            return &filter;
    return nullptr;
}

bool FilterRegistry::enabled(const MenuItem& item, bool documentOpen)
{
    if (!item.automatic)
        return true;
    if ((item.ifIsTrue & TV_MENU_IF_DOCUMENT_OPEN) && !documentOpen)
        return false;
    if ((item.ifIsNotTrue & TV_MENU_IF_DOCUMENT_OPEN) && documentOpen)
        return false;
    return true;
}

} // namespace tovrins::host
