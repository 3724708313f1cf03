#include "runtime/logic/header_layout.h"

namespace hexmoor::rt::header {

LookIds LookOf(bool isHotItem, State state, bool windowEnabled) {
    LookIds ids;
    if (!windowEnabled) ids = {379, 383, 0};
    if (!isHotItem || state == State::None) return ids;
    if (state == State::Pressed) {
        if (windowEnabled) ids = {377, 381, 0};
        ids.offset = 385;
    } else {
        if (windowEnabled) ids = {378, 382, 0};
        ids.offset = 384;
    }
    return ids;
}

Align AlignOf(int format) {
    switch (format & 3) {
    case 1: return Align::Right;
    case 2: return Align::Centre;
    default: return Align::Left;
    }
}

ItemBoxes Place(const ItemInput& in) {
    ItemBoxes out;
    const Rect r = in.item.Offset(in.offset.x, in.offset.y);
    if (!in.withIcon) {
        out.text = Rect{r.left + 5, r.top, r.right - 5, r.bottom};
        return out;
    }
    out.drawIcon = true;
    out.alignText = false;
    int x = r.left + 4;
    if (in.align == Align::Centre) x = r.left + (r.Width() - in.textWidth - in.iconWidth) / 2;
    if (in.align == Align::Right) x = r.right - in.textWidth - in.iconWidth - 9;
    out.icon = Point{x, r.top + 1};
    out.text = Rect{x + in.iconWidth + 5, r.top, r.right, r.bottom};
    return out;
}

int WidthOnRelease(int x, int itemLeft) {
    const int width = x - itemLeft;
    return width > 0 ? width : 0;
}

} // namespace hexmoor::rt::header
