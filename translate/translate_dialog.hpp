#pragma once

#include "tv_sdk.h"

namespace tovrins {

TvErr translateDialogBuilder(TvDialogRef dialog);

} // namespace tovrins
