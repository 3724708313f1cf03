// The property ids of the progress bar (type 18) and the spin control
// (type 17). Each element holds a horizontal and a vertical set.
#pragma once

#include "model/platform/types.h"

namespace progress_props {

struct BarIds {
    WORD background;
    WORD item; // the filled part
    // Border widths in pixels.
    WORD leftBorder;
    WORD topBorder;
    WORD rightBorder;
    WORD bottomBorder;
};

inline constexpr BarIds kHorz = {287, 288, 289, 290, 291, 292};
inline constexpr BarIds kVert = {298, 299, 300, 301, 302, 303};

} // namespace progress_props

namespace spin_props {

// One arrow's images: Normal, Pressed, Highlighted, Disabled, Focused.
struct ArrowIds {
    WORD normal;
    WORD pressed;
    WORD hot;
    WORD disabled;
    WORD focused;
};

inline constexpr ArrowIds kLeftArrow = {258, 259, 260, 261, 262};
inline constexpr ArrowIds kRightArrow = {263, 264, 265, 266, 267};
inline constexpr ArrowIds kUpArrow = {277, 278, 279, 280, 281};
inline constexpr ArrowIds kDownArrow = {282, 283, 284, 285, 286};

} // namespace spin_props
