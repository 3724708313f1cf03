// The property ids of the popup menu (element type 16): item images, submenu
// arrows and text colours by state, the separator, the menu's border image,
// border colour and border widths.
#pragma once

#include "model/platform/types.h"

namespace menu_props {

inline constexpr WORD kBorderColor = 429;
inline constexpr WORD kItemNormal = 437;
inline constexpr WORD kTextNormal = 438;
inline constexpr WORD kItemPressed = 439;
inline constexpr WORD kTextPressed = 440;
inline constexpr WORD kItemHot = 441;
inline constexpr WORD kTextHot = 442;
inline constexpr WORD kItemDisabled = 443;
inline constexpr WORD kTextDisabled = 444;
inline constexpr WORD kSeparator = 447;
inline constexpr WORD kArrowNormal = 449;
inline constexpr WORD kArrowHot = 450;
inline constexpr WORD kArrowDisabled = 452;
inline constexpr WORD kBorderImage = 453;
// Border widths in pixels.
inline constexpr WORD kLeftBorder = 454;
inline constexpr WORD kTopBorder = 455;
inline constexpr WORD kRightBorder = 606;
inline constexpr WORD kBottomBorder = 607;

} // namespace menu_props
