// The property ids of the tooltip (element type 28), the splitter (34), the
// date-time picker (22) and the month calendar (38).
#pragma once

#include "model/platform/types.h"

namespace tooltip_props {

inline constexpr WORD kBackground = 527;
inline constexpr WORD kTextColor = 528;

} // namespace tooltip_props

namespace splitter_props {

inline constexpr WORD kBorderImage = 600;
inline constexpr WORD kVertBar = 601;
inline constexpr WORD kHorBar = 602;
inline constexpr WORD kIntersection = 603;
inline constexpr WORD kVertBox = 604;
inline constexpr WORD kHorBox = 605;

} // namespace splitter_props

namespace date_time_props {

inline constexpr WORD kBackgroundNormal = 405;
inline constexpr WORD kTextNormal = 406;
inline constexpr WORD kBackgroundDisabled = 407;
inline constexpr WORD kTextDisabled = 408;
inline constexpr WORD kCheckedNormal = 409;
inline constexpr WORD kUncheckedNormal = 410;
inline constexpr WORD kCheckedDisabled = 411;
inline constexpr WORD kUncheckedDisabled = 412;
inline constexpr WORD kArrowNormal = 413;
inline constexpr WORD kArrowPressed = 414;
inline constexpr WORD kArrowDisabled = 415;
inline constexpr WORD kSelection = 416;
inline constexpr WORD kSelectedText = 417;
// Border widths in pixels.
inline constexpr WORD kLeftBorder = 678;
inline constexpr WORD kRightBorder = 679;
inline constexpr WORD kTopBorder = 680;
inline constexpr WORD kBottomBorder = 681;

} // namespace date_time_props

namespace month_cal_props {

inline constexpr WORD kBackground = 630;
inline constexpr WORD kPreviousNormal = 631;
inline constexpr WORD kPreviousPressed = 632;
inline constexpr WORD kPreviousDisabled = 633;
inline constexpr WORD kNextNormal = 634;
inline constexpr WORD kNextPressed = 635;
inline constexpr WORD kNextDisabled = 636;
inline constexpr WORD kTitle = 637;
inline constexpr WORD kTodayLabel = 638;
inline constexpr WORD kMonthBackground = 639;
inline constexpr WORD kSelection = 640;
inline constexpr WORD kSelectedText = 641;
inline constexpr WORD kTextColor = 642;
inline constexpr WORD kTitleText = 643;
inline constexpr WORD kTrailingText = 644;
inline constexpr WORD kWeekdays = 645;

} // namespace month_cal_props
