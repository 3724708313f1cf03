// The classic frame extent against the system's own AdjustWindowRectEx for
// the frames windows commonly have.
#include <gtest/gtest.h>
#include <windows.h>

#include "runtime/logic/frame_extent.h"

using namespace hexmoor::rt;
using hexmoor::Size;

TEST(ClassicFrameExtent, MatchesTheSystemForCommonFrames) {
    const FrameMetrics m{GetSystemMetrics(SM_CYMENU), GetSystemMetrics(SM_CYSMCAPTION), GetSystemMetrics(SM_CYCAPTION),
                         GetSystemMetrics(SM_CXBORDER), GetSystemMetrics(SM_CYBORDER)};
    struct Case {
        DWORD style, ex;
        BOOL menu;
    } cases[] = {
        {WS_OVERLAPPEDWINDOW, 0, FALSE},
        {WS_OVERLAPPEDWINDOW, 0, TRUE},
        {WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, FALSE},
        {WS_POPUP | WS_CAPTION, WS_EX_TOOLWINDOW, FALSE},
        {WS_POPUP | WS_CAPTION | WS_THICKFRAME, WS_EX_CLIENTEDGE, FALSE},
    };
    for (const Case& c : cases) {
        RECT r{0, 0, 100, 100};
        AdjustWindowRectEx(&r, c.style, c.menu, c.ex);
        const Size expected{(r.right - r.left) - 100, (r.bottom - r.top) - 100};
        EXPECT_EQ(ClassicFrameExtent(c.style, c.ex, c.menu, m), expected) << std::hex << c.style << " " << c.ex;
    }
}
