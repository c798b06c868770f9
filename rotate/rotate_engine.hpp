#pragma once

#include "shell/filter_params.hpp"
#include "sdk/tv_sdk.h"

namespace tovrins {

// Makes the rotated copies of the selection (a preview when rotateGoRun is
// 0, the final run when it is 1); returns the first failing host code.
TvErr rotateEngine(FilterParams& params);

} // namespace tovrins
