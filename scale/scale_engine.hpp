#pragma once

#include "shell/filter_params.hpp"
#include "sdk/tv_sdk.h"

namespace tovrins {

TvErr scaleEngine(FilterParams& params);

} // namespace tovrins
