// The property ids of the push button (element type 4): an image and a text
// colour per state, and the text offset of the highlighted and the pressed
// state.
#pragma once

#include "model/platform/types.h"

namespace button_props {

inline constexpr WORD kImageNormal = 22;
inline constexpr WORD kTextNormal = 23;
inline constexpr WORD kImagePressed = 24;
inline constexpr WORD kTextPressed = 25;
inline constexpr WORD kImageHot = 26;
inline constexpr WORD kTextHot = 27;
inline constexpr WORD kImageDisabled = 28;
inline constexpr WORD kTextDisabled = 29;
inline constexpr WORD kImageFocused = 30;
inline constexpr WORD kTextFocused = 32;
// Packed pairs: x in the low word, y in the high word, each signed.
inline constexpr WORD kTextOffsetHot = 34;
inline constexpr WORD kTextOffsetPressed = 35;

} // namespace button_props
