// The property ids of the header control (type 20): an item image and a
// text colour per state, and the text offset of the highlighted and the
// pressed item.
#pragma once

#include "model/platform/types.h"

namespace header_props {

inline constexpr WORD kImageNormal = 376;
inline constexpr WORD kImagePressed = 377;
inline constexpr WORD kImageHot = 378;
inline constexpr WORD kImageDisabled = 379;
inline constexpr WORD kTextNormal = 380;
inline constexpr WORD kTextPressed = 381;
inline constexpr WORD kTextHot = 382;
inline constexpr WORD kTextDisabled = 383;
// Packed pairs: x in the low word, y in the high word, each signed.
inline constexpr WORD kTextOffsetHot = 384;
inline constexpr WORD kTextOffsetPressed = 385;

} // namespace header_props
