// The translate filter as the shared shell and dialog procedures see it.
#pragma once

#include "shell/filter_record.hpp"

namespace tovrins {

extern const FilterRecord kTranslateFilter;

} // namespace tovrins
