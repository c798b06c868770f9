#include "host/suites/suite_registry.hpp"

#include "sdk/tv_errors.h"

namespace tovrins::host {

void SuiteRegistry::add(std::string name, int32_t version, const void* table)
{
    suites_[{std::move(name), version}] = Entry{table, 0};
}

TvErr SuiteRegistry::acquire(std::string_view name, int32_t version, const void** table)
{
    auto it = suites_.find(std::pair{std::string(name), version});
    if (it == suites_.end())
        return TV_ERR_SUITE_NOT_FOUND;
    ++it->second.references;
    *table = it->second.table;
    return 0;
}

TvErr SuiteRegistry::release(std::string_view name, int32_t version)
{
    auto it = suites_.find(std::pair{std::string(name), version});
    if (it == suites_.end() || it->second.references == 0)
        return TV_ERR_SUITE_NOT_FOUND;
    --it->second.references;
    return 0;
}

int32_t SuiteRegistry::referenceCount(std::string_view name, int32_t version) const
{
    auto it = suites_.find(std::pair{std::string(name), version});
    return it == suites_.end() ? 0 : it->second.references;
}

int64_t SuiteRegistry::totalReferences() const
{
    int64_t total = 0;
    for (const auto& [key, entry] : suites_)
        total += entry.references;
    return total;
}

} // namespace tovrins::host
