#include "shell/filter_params.hpp"

#include "shell/filter_registry.hpp"

namespace tovrins {

void writeDefaults(FilterParams& params, const FilterRecord& filter)
{
    params.filterKind = static_cast<int32_t>(filter.kind);
    params.*filter.words.previewApplied = 0;
    params.*filter.words.boundsSaved = 0;
    filter.resetSection(params);
    params.*filter.words.preset = 0;
    params.*filter.words.zoom = 100.0f;
}

void writeDefaults(FilterParams& params, FilterKind kind)
{
    if (const FilterRecord* filter = filterRecordOf(static_cast<int32_t>(kind)))
        writeDefaults(params, *filter);
}

} // namespace tovrins
