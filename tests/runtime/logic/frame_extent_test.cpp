// The classic frame's extent by style, worked out from the edge-counting
// rule with borders of 1 pixel, caption 18, small caption 15 and menu 18.
// The Windows tests compare the common cases with AdjustWindowRectEx.
#include <gtest/gtest.h>

#include "runtime/logic/frame_extent.h"

using namespace hexmoor::rt;
using hexmoor::Size;

TEST(ClassicFrameExtent, ByStyle) {
    const FrameMetrics m{18, 15, 18, 1, 1};
    struct Case {
        std::uint32_t style, ex;
        bool menu;
        Size expected;
    } cases[] = {
        {0x00C00000, 0, false, {6, 24}},      // caption: window edge + caption edge
        {0x00CF0000, 0, false, {8, 26}},      // overlapped window with thick frame
        {0x00CF0000, 0, true, {8, 44}},       // with a menu bar
        {0x00C00000, 0x80, false, {6, 21}},   // tool window: small caption
        {0x00800000, 0, false, {6, 6}},       // border only: edge + border
        {0x00000000, 0x20000, false, {2, 2}}, // static edge
        {0x00000000, 0x200, false, {4, 4}},   // client edge
        {0x00000000, 0x1, false, {6, 6}},     // modal frame
        {0x00000000, 0, false, {0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassicFrameExtent(c.style, c.ex, c.menu, m), c.expected) << std::hex << c.style << " " << c.ex;
}

TEST(SkinnedFrameExtent, SidesAndMenuBar) {
    SkinnedFrameNumbers n{30, 8, 6, 7, 22, 2, 3};
    EXPECT_EQ(SkinnedFrameExtent(n, false, 19), (Size{13, 38}));
    EXPECT_EQ(SkinnedFrameExtent(n, true, 19), (Size{13, 38 + 22 + 5}));
    n.menuBarHeight = 10;
    EXPECT_EQ(SkinnedFrameExtent(n, true, 19), (Size{13, 38 + 19 + 5})) << "never below the system's menu height";
}
