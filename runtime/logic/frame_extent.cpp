#include "runtime/logic/frame_extent.h"

namespace hexmoor::rt {

namespace {
constexpr std::uint32_t kCaption = 0x00C00000;    // WS_CAPTION (border and dialog frame)
constexpr std::uint32_t kThickFrame = 0x00040000; // WS_THICKFRAME
constexpr std::uint32_t kDlgModalFrame = 0x0001;  // WS_EX_DLGMODALFRAME
constexpr std::uint32_t kWindowEdge = 0x0100;     // WS_EX_WINDOWEDGE
constexpr std::uint32_t kStaticEdge = 0x20000;    // WS_EX_STATICEDGE
constexpr std::uint32_t kClientEdge = 0x0200;     // WS_EX_CLIENTEDGE
constexpr std::uint32_t kToolWindow = 0x0080;     // WS_EX_TOOLWINDOW
} // namespace

Size ClassicFrameExtent(std::uint32_t style, std::uint32_t ex, bool visibleMenuBar, const FrameMetrics& m) {
    if ((ex & kDlgModalFrame) || (style & kThickFrame)) {
        ex |= kWindowEdge;
    } else if (ex & kStaticEdge) {
        ex &= ~kWindowEdge;
    } else if (style & kCaption) {
        ex |= kWindowEdge;
    }
    int height = visibleMenuBar ? m.cyMenu : 0;
    if ((style & kCaption) == kCaption) height += (ex & kToolWindow) ? m.cySmallCaption : m.cyCaption;
    int edges = (ex & kWindowEdge) ? 2 : ((ex & kStaticEdge) ? 1 : 0);
    if ((style & kCaption) || (ex & kDlgModalFrame)) edges += 1;
    if (style & kThickFrame) edges += 1;
    if (ex & kClientEdge) edges += 2;
    return {2 * edges * m.cxBorder, height + 2 * edges * m.cyBorder};
}

Size SkinnedFrameExtent(const SkinnedFrameNumbers& n, bool withMenuBar, int cyMenu) {
    int menu = 0;
    if (withMenuBar)
        menu = (n.menuBarHeight > cyMenu ? n.menuBarHeight : cyMenu) + n.menuBarTopGap + n.menuBarBottomGap;
    return {n.right + n.left, n.top + n.bottom + menu};
}

} // namespace hexmoor::rt
