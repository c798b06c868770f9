#pragma once

#include "filter_params.hpp"
#include "tv_sdk.h"

namespace tovrins {

TvErr translateEngine(FilterParams& params);

} // namespace tovrins
