#pragma once

#include "sdk/tv_sdk.h"

namespace tovrins {

// The rotate dialog's init procedure: builds every item from the block in
// the dialog's user data, gathers the selection and fires the first preview.
TvErr rotateDialogBuilder(TvDialogRef dialog);

} // namespace tovrins
