// The property ids of the dialog background (element type 25).
#pragma once

#include "model/platform/types.h"

namespace dialog_props {

inline constexpr WORD kBackground = 0; // image

} // namespace dialog_props
