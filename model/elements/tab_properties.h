// The property ids of the tab control (element type 10). One element holds
// both orientations, each a block from its base: the panel image, a tab
// item image and a text colour for the states normal, pressed, highlighted,
// disabled and focused, the icon location with its offset, and the text
// offsets of the highlighted and the pressed state. The transparent dialog
// box choice of each orientation lies outside the blocks.
#pragma once

#include "model/platform/types.h"

namespace tab_props {

inline constexpr WORD kHorizontalBase = 218;
inline constexpr WORD kVerticalBase = 238;
inline constexpr WORD kHorizontalTransparentDialog = 634;
inline constexpr WORD kVerticalTransparentDialog = 683;

// From a block's base.
inline constexpr WORD kPanel = 0;
// The item image of a state; its text colour is the next id.
inline constexpr WORD kItemOfState[5] = {1, 5, 3, 7, 9};
// 0 with the text, 1 at the offset (a packed pair, each half signed).
inline constexpr WORD kIconLocation = 11;
inline constexpr WORD kIconOffset = 12;
// Packed pairs: x in the low word, y in the high word, each signed.
inline constexpr WORD kTextOffsetHot = 14;
inline constexpr WORD kTextOffsetPressed = 15;

} // namespace tab_props
