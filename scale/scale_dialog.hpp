#pragma once

#include "sdk/tv_sdk.h"

namespace tovrins {

TvErr scaleDialogBuilder(TvDialogRef dialog);

} // namespace tovrins
