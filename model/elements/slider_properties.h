// The property ids of the slider (element type 9). One element holds both
// orientations, each a block of sixteen images from its base: thumb, line
// and background for the states normal, pressed, highlighted, disabled and
// focused in this order, then the selection image.
#pragma once

#include "model/platform/types.h"

namespace slider_props {

inline constexpr WORD kHorizontalBase = 170;
inline constexpr WORD kVerticalBase = 194;

// Within a state's three.
inline constexpr WORD kThumb = 0;
inline constexpr WORD kLine = 1;
inline constexpr WORD kBackground = 2;
// The place of a state's three, by state index.
inline constexpr WORD kBlockOfState[5] = {0, 2, 1, 3, 4};
inline constexpr WORD kSelection = 15;

} // namespace slider_props
