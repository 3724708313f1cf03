// The property ids of the combo box (element type 13); its arrow width is a
// field of the element (combo_box.h), not a property.
#pragma once

#include "model/platform/types.h"

namespace combo_box_props {

inline constexpr WORD kArrowNormal = 341;
inline constexpr WORD kArrowPressed = 342;
inline constexpr WORD kArrowHot = 343;
inline constexpr WORD kArrowDisabled = 344;
inline constexpr WORD kBackgroundNormal = 346;
inline constexpr WORD kTextNormal = 347;
inline constexpr WORD kBackgroundFocused = 348;
inline constexpr WORD kTextFocused = 349;
inline constexpr WORD kBackgroundDisabled = 351;
inline constexpr WORD kTextDisabled = 352;
inline constexpr WORD kListBorderColor = 353;
// Border widths in pixels.
inline constexpr WORD kLeftBorder = 658;
inline constexpr WORD kRightBorder = 660;
// 0 false, 1 true.
inline constexpr WORD kTransparentEdit = 662;

} // namespace combo_box_props
