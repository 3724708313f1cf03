// The property ids of the toolbar (element type 11) and the status bar
// (element type 12).
#pragma once

#include "model/platform/types.h"

namespace toolbar_props {

inline constexpr WORD kBackground = 309;
inline constexpr WORD kTextColor = 310;
inline constexpr WORD kButtonNormal = 311;
inline constexpr WORD kButtonPressed = 312;
inline constexpr WORD kButtonHot = 313;
inline constexpr WORD kButtonDisabled = 314;
inline constexpr WORD kSeparator = 315;
inline constexpr WORD kDisabledIconColor = 316;
// 0 false, 1 true.
inline constexpr WORD kVerticalCenter = 684;
// Border widths in pixels.
inline constexpr WORD kLeftBorder = 801;
inline constexpr WORD kRightBorder = 802;

} // namespace toolbar_props

namespace status_bar_props {

inline constexpr WORD kBarNormal = 324;
inline constexpr WORD kBarDisabled = 325;
inline constexpr WORD kGripNormal = 326;
inline constexpr WORD kGripPressed = 327;
inline constexpr WORD kGripHot = 328;
inline constexpr WORD kGripDisabled = 329;
inline constexpr WORD kTextNormal = 330;
inline constexpr WORD kTextDisabled = 331;
inline constexpr WORD kPaneImage = 332;
// Border widths in pixels.
inline constexpr WORD kLeftBorder = 803;
inline constexpr WORD kRightBorder = 804;

} // namespace status_bar_props
