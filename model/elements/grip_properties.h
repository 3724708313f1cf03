// The property ids of the size grip (element type 20): its one image.
#pragma once

#include "model/platform/types.h"

namespace grip_props {

inline constexpr WORD kImage = 41;

} // namespace grip_props
