#include "shell/filter_params.hpp"

#include "shell/filter_registry.hpp"

namespace tovrins {

void writeDefaults(FilterParams& params, FilterKind kind)
{
    if (const FilterRecord* filter = filterRecordOf(static_cast<int32_t>(kind)))
        filter->writeDefaults(params);
}

} // namespace tovrins
