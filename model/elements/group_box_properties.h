// The property ids of the group box (element type 8): three colours for the
// normal and the disabled state.
#pragma once

#include "model/platform/types.h"

namespace group_box_props {

inline constexpr WORD kTextNormal = 157;
inline constexpr WORD kLightLineNormal = 158;
inline constexpr WORD kDarkLineNormal = 159;
inline constexpr WORD kTextDisabled = 160;
inline constexpr WORD kLightLineDisabled = 161;
inline constexpr WORD kDarkLineDisabled = 162;

} // namespace group_box_props
