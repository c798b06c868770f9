#pragma once

#include "shell/filter_params.hpp"
#include "sdk/tv_sdk.h"

namespace tovrins {

TvErr translateEngine(FilterParams& params);

} // namespace tovrins
