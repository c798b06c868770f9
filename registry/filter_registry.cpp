#include "shell/filter_registry.hpp"

#include <array>

#include "rotate/rotate_filter.hpp"
#include "scale/scale_filter.hpp"
#include "translate/translate_filter.hpp"

namespace tovrins {

namespace {

// A new filter is one folder and one line here.
constexpr std::array<const FilterRecord*, 3> kFilters{
    &kRotateFilter,
    &kScaleFilter,
    &kTranslateFilter,
};

} // namespace

std::span<const FilterRecord* const> filterRecords() { return kFilters; }

const FilterRecord* filterRecordOf(int32_t filterKind)
{
    for (const FilterRecord* filter : kFilters)
        if (static_cast<int32_t>(filter->kind) == filterKind)
            return filter;
    return nullptr;
}

} // namespace tovrins
