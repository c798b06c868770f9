#pragma once

#include "tv_sdk.h"

namespace tovrins {

TvErr scaleDialogBuilder(TvDialogRef dialog);

} // namespace tovrins
