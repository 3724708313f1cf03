#include "runtime/logic/tab_layout.h"

namespace hexmoor::rt::tabs {

LookChoice ChooseLook(const LookInput& in) {
    if (in.focusItem) return {Look::Focused, in.hot ? Look::Hot : Look::Focused};
    if (in.selected) return {Look::Selected, in.hot ? Look::Hot : Look::Selected};
    if (!in.hot)
        return in.enabled ? LookChoice{Look::Normal, Look::Normal} : LookChoice{Look::Disabled, Look::Disabled};
    return {Look::Hot, Look::Hot};
}

namespace {
int Index(Look look) { return static_cast<int>(look); }
// normal, selected, hot, disabled, focused
constexpr int kImages[2][5] = {{219, 221, 223, 225, 227}, {239, 241, 243, 245, 247}};
} // namespace

int ImageIdOf(Look look, bool vertical) { return kImages[vertical ? 1 : 0][Index(look)]; }
int ColourIdOf(Look look, bool vertical) { return ImageIdOf(look, vertical) + 1; }

int OffsetIdOf(Look look, bool vertical) {
    if (look == Look::Hot) return vertical ? 252 : 232;
    if (look == Look::Selected) return vertical ? 253 : 233;
    return 0;
}

ItemBoxes PlaceHorizontal(const ItemInput& in) {
    ItemBoxes out;
    const Rect& r = in.item;
    int start = r.left + 3;
    if (in.hasIcon) {
        out.drawIcon = true;
        out.icon = in.userIcon ? Point{r.left + in.iconPos.x, r.top + in.iconPos.y}
                               : Point{r.left + 4, r.top + (r.Height() - in.icon.cy) / 2};
        start = out.icon.x + in.icon.cx + 3;
    }
    int dx = in.textOffset.x, dy = in.textOffset.y;
    int end = r.right - 3;
    if (in.userText) {
        dx += in.userTextOffset.x;
        dy += in.userTextOffset.y;
        if (in.userTextWidth > 0) end = start + in.userTextWidth;
    }
    out.text = Rect{start, r.top, end, r.bottom}.Offset(dx, dy);
    return out;
}

ItemBoxes PlaceVertical(const ItemInput& in) {
    ItemBoxes out;
    const Rect& r = in.item;
    int runEnd = r.bottom - 3; // the run starts at the bottom and goes up
    if (in.hasIcon) {
        out.drawIcon = true;
        out.icon = in.userIcon ? Point{r.left + in.iconPos.x, r.bottom - in.iconPos.y - in.icon.cy}
                               : Point{r.left + (r.Width() - in.icon.cx) / 2, r.bottom - 8 - in.icon.cy};
        runEnd = r.bottom - (in.icon.cy + 11);
    }
    int dx = in.textOffset.x, dy = in.textOffset.y;
    if (in.userText) {
        dx += in.userTextOffset.x;
        dy += in.userTextOffset.y;
    }
    const int runTop = r.top + 3;
    int run = runEnd - runTop;
    if (in.userText && in.userTextWidth > 0 && in.userTextWidth < run) run = in.userTextWidth;
    // Centred along the run when it fits, else starting at its bottom.
    const int along = in.textExtent.cx < run ? (run - in.textExtent.cx) / 2 : 0;
    const int across = (r.Width() - in.textExtent.cy) / 2;
    out.origin = Point{r.left + across + dx, runEnd - along - dy};
    out.text = Rect{r.left, runEnd - run, r.right, runEnd}.Offset(dx, -dy);
    return out;
}

} // namespace hexmoor::rt::tabs
