// The filters of the plug-in, in the order they register. The list itself
// is defined beside the filters (registry/filter_registry.cpp), the only
// place that names them all.
#pragma once

#include <cstdint>
#include <span>

#include "shell/filter_record.hpp"

namespace tovrins {

std::span<const FilterRecord* const> filterRecords();

// The record of a filterKind value; null for a value no filter has.
const FilterRecord* filterRecordOf(int32_t filterKind);

} // namespace tovrins
