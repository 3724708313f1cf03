// The property ids of static text (element type 21): its text colour in the
// Normal and the Disabled state.
#pragma once

#include "model/platform/types.h"

namespace static_text_props {

inline constexpr WORD kTextColor = 494;
inline constexpr WORD kTextColorDisabled = 495;

} // namespace static_text_props
