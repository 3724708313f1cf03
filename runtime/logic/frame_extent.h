#pragma once
// The size the system's own frame adds around a client area, from the
// window's styles and the system metrics: what a window needs when the
// skinned frame is switched off and the classic frame comes back.

#include <cstdint>

#include "base/geometry.h"

namespace hexmoor::rt {

struct FrameMetrics {
    int cyMenu = 0;
    int cySmallCaption = 0;
    int cyCaption = 0;
    int cxBorder = 1;
    int cyBorder = 1;
};

// Width and height added by the classic frame (both sides together).
Size ClassicFrameExtent(std::uint32_t style, std::uint32_t exStyle, bool visibleMenuBar, const FrameMetrics& m);

// What a skinned frame adds from its element's border numbers: right and
// left side widths, top and bottom heights, plus the menu bar's height when
// the window shows one.
struct SkinnedFrameNumbers {
    int top = 0, bottom = 0, left = 0, right = 0;
    int menuBarHeight = 0;    // number 652
    int menuBarTopGap = 0;    // number 654
    int menuBarBottomGap = 0; // number 656
};
Size SkinnedFrameExtent(const SkinnedFrameNumbers& n, bool withMenuBar, int cyMenu);

} // namespace hexmoor::rt
