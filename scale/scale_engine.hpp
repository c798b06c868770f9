#pragma once

#include "filter_params.hpp"
#include "tv_sdk.h"

namespace tovrins {

TvErr scaleEngine(FilterParams& params);

} // namespace tovrins
