// The property ids of the scroll-bar element (type 5). One element holds
// four bars: the standalone horizontal and vertical scroll-bar controls and
// the internal bars that skinned windows draw as part of themselves. Each
// bar has a background (enabled and disabled), a thumb and two arrows (four
// states each); the internal bars also have their sizes in pixels. Within a
// part the ids run Normal, Pressed, Highlighted, Disabled.
#pragma once

#include "model/platform/types.h"

namespace scrollbar_props {

struct PartIds {
    WORD normal;
    WORD pressed;
    WORD hot;
    WORD disabled;
};

struct BarIds {
    WORD background;
    WORD backgroundDisabled;
    PartIds thumb;
    PartIds firstArrow;  // left, or up
    PartIds secondArrow; // right, or down
};

inline constexpr BarIds kStandaloneHorz = {42, 101, {59, 61, 63, 65}, {43, 45, 47, 49}, {51, 53, 55, 57}};
inline constexpr BarIds kStandaloneVert = {76, 100, {93, 94, 96, 98}, {77, 79, 81, 83}, {85, 87, 89, 91}};
inline constexpr BarIds kInternalHorz = {814, 841, {823, 824, 825, 826}, {815, 816, 817, 818}, {819, 820, 821, 822}};
inline constexpr BarIds kInternalVert = {827, 840, {836, 837, 838, 839}, {828, 829, 830, 831}, {832, 833, 834, 835}};

// The internal bars' sizes (16 in a new or cleared element).
inline constexpr WORD kInternalVertWidth = 810;
inline constexpr WORD kInternalVertArrowHeight = 811;
inline constexpr WORD kInternalHorzHeight = 812;
inline constexpr WORD kInternalHorzArrowWidth = 813;

} // namespace scrollbar_props
