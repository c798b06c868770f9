// The filters plug-ins register and the menu items the host makes for them,
// with the conditions under which the host enables each item.
#pragma once

#include <deque>
#include <string>
#include <string_view>

#include "sdk/tv_sdk.h"

namespace tovrins::host {

struct MenuItem {
    bool automatic = false; // the host enables it from the masks below
    int32_t action = 0;
    int32_t ifObjectIsInArtwork = 0, ifObjectIsNotInArtwork = 0;
    int32_t ifObjectIsSelected = 0, ifObjectIsNotSelected = 0;
    int32_t ifIsTrue = 0, ifIsNotTrue = 0;
};

struct RegisteredFilter {
    TvPluginRef plugin = nullptr;
    std::string name;
    std::string category;
    std::string title;
    int32_t options = 0;
    MenuItem menuItem;
    // The filter's parameter block, kept by the host between commands.
    TvMemoryHandle parameters = nullptr;

    TvFilterHandle handle() const;
    TvMenuItemHandle menuHandle() const;
};

class FilterRegistry {
public:
    RegisteredFilter& add(RegisteredFilter filter);
    // Null for a handle the host did not hand out.
    RegisteredFilter* find(TvFilterHandle handle);
    RegisteredFilter* findMenuItem(TvMenuItemHandle handle);
    // By registered name or by menu title, ignoring case.
    RegisteredFilter* find(std::string_view nameOrTitle);
    const std::deque<RegisteredFilter>& all() const { return filters_; }
    void clear() { filters_.clear(); }

    // Filters can be added only while the host is sending Startup.
    bool acceptingFilters() const { return accepting_; }
    void setAcceptingFilters(bool accepting) { accepting_ = accepting; }

    // Whether the host shows the item enabled. Only the "a document is
    // open" condition (bit 1 of the if-true masks) is modelled; any other
    // condition bit counts as holding.
    static bool enabled(const MenuItem& item, bool documentOpen);

private:
    std::deque<RegisteredFilter> filters_; // stable addresses: they are the handles
    bool accepting_ = false;
};

} // namespace tovrins::host
