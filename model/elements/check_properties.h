// The property ids of the check box (element type 6), the radio box (7) and
// the push-like check button (39). The check and radio boxes keep a block of
// three per state (unchecked image, checked image, text colour) in the order
// normal, pressed, highlighted, disabled, focused; the check box's
// indeterminate images follow in the same order.
#pragma once

#include "model/platform/types.h"

namespace check_props {

// The first id of each block.
inline constexpr WORD kCheckBoxBase = 109;
inline constexpr WORD kCheckBoxIndeterminate = 124;
inline constexpr WORD kRadioBoxBase = 133;

// Within a block of three.
inline constexpr WORD kUncheckedImage = 0;
inline constexpr WORD kCheckedImage = 1;
inline constexpr WORD kTextColor = 2;

// The place of a state's block, by state index (0 normal, 1 highlighted,
// 2 pressed, 3 disabled, 4 focused).
inline constexpr WORD kBlockOfState[5] = {0, 2, 1, 3, 4};

} // namespace check_props

namespace check_button_props {

// By state index (normal, highlighted, pressed, disabled, focused).
inline constexpr WORD kUncheckedImage[5] = {663, 669, 666, 672, 675};
inline constexpr WORD kCheckedImage[5] = {664, 670, 667, 673, 676};
inline constexpr WORD kUncheckedText[5] = {665, 671, 668, 674, 677};
inline constexpr WORD kCheckedText[5] = {805, 807, 806, 808, 809};
// Packed pairs: x in the low word, y in the high word, each signed.
inline constexpr WORD kTextOffsetHot = 679;
inline constexpr WORD kTextOffsetPressed = 680;

} // namespace check_button_props
