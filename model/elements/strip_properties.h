// The property ids of the four .NET strips: ToolStrip (type 40),
// StatusStrip (41), DropDownMenu (42) and MenuStrip (43). The ids of a row
// do not follow one step per state: the names say which state each is.
#pragma once

#include "model/platform/types.h"

namespace toolstrip_props {

inline constexpr WORD kBackground = 760;
inline constexpr WORD kGrip = 689;
inline constexpr WORD kSeparator = 769;
// Normal, Highlighted, Pressed, Disabled.
inline constexpr WORD kOverflow[4] = {706, 707, 708, 709};
inline constexpr WORD kButton[4] = {761, 762, 763, 764};
inline constexpr WORD kSplitButton[4] = {690, 691, 692, 693};
inline constexpr WORD kSplitButtonArrow[4] = {694, 695, 696, 697};
inline constexpr WORD kDropDownButton[4] = {698, 699, 700, 701};
inline constexpr WORD kDropDownButtonArrow[4] = {702, 703, 704, 705};
inline constexpr WORD kButtonChecked[4] = {710, 766, 765, 711};
inline constexpr WORD kButtonIndeterminate[4] = {712, 768, 767, 713};
inline constexpr WORD kLabel = 731;
inline constexpr WORD kLabelDisabled = 732;
inline constexpr WORD kTextColor[4] = {770, 771, 772, 733};

} // namespace toolstrip_props

namespace statusstrip_props {

inline constexpr WORD kBackground = 750;
inline constexpr WORD kGrip = 714;
inline constexpr WORD kSizingGrip = 753;
inline constexpr WORD kSizingGripDisabled = 754;
// Normal, Highlighted, Pressed, Disabled.
inline constexpr WORD kSplitButton[4] = {715, 716, 717, 718};
inline constexpr WORD kSplitButtonArrow[4] = {719, 720, 721, 722};
inline constexpr WORD kDropDownButton[4] = {723, 724, 725, 726};
inline constexpr WORD kDropDownButtonArrow[4] = {727, 728, 729, 730};
inline constexpr WORD kLabel = 751;
inline constexpr WORD kLabelDisabled = 752;
inline constexpr WORD kTextColor[4] = {756, 757, 758, 755};

} // namespace statusstrip_props

namespace menustrip_props {

inline constexpr WORD kBackground = 741;
inline constexpr WORD kGrip = 688;
// Normal, Highlighted, Pressed, Disabled.
inline constexpr WORD kItemImage[4] = {742, 743, 744, 745};
inline constexpr WORD kTextColor[4] = {747, 748, 749, 746};

} // namespace menustrip_props

namespace dropdown_props {

inline constexpr WORD kBackground = 684;
inline constexpr WORD kSidePanel = 685;
inline constexpr WORD kSeparator = 781;
// Normal, Highlighted, Pressed, Disabled.
inline constexpr WORD kItemImage[4] = {778, 779, 788, 780};
inline constexpr WORD kItemChecked[4] = {686, 687, 790, 734};
inline constexpr WORD kItemIndeterminate[4] = {735, 736, 789, 737};
inline constexpr WORD kTextColor[4] = {785, 786, 787, 784};
// Normal, Highlighted, Disabled: a submenu arrow has no pressed image.
inline constexpr WORD kSubmenuArrowRight[3] = {775, 776, 777};
inline constexpr WORD kSubmenuArrowLeft[3] = {738, 739, 740};
// Border widths in pixels, at most 2.
inline constexpr WORD kLeftBorder = 782;
inline constexpr WORD kRightBorder = 783;

} // namespace dropdown_props
