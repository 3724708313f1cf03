// The property ids of the edit field (element type 3): an image and a text
// colour for the normal and the disabled state, the selection colours and
// the four border widths.
#pragma once

#include "model/platform/types.h"

namespace edit_props {

inline constexpr WORD kImageNormal = 10;
inline constexpr WORD kImageDisabled = 11;
inline constexpr WORD kTextNormal = 13;
inline constexpr WORD kSelection = 14;
inline constexpr WORD kTextDisabled = 15;
inline constexpr WORD kSelectedText = 16;
// Border widths in pixels.
inline constexpr WORD kLeftBorder = 17;
inline constexpr WORD kTopBorder = 18;
inline constexpr WORD kRightBorder = 19;
inline constexpr WORD kBottomBorder = 20;

} // namespace edit_props
