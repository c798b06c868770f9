#pragma once

#include "sdk/tv_sdk.h"

namespace tovrins {

TvErr translateDialogBuilder(TvDialogRef dialog);

} // namespace tovrins
