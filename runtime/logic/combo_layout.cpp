#include "runtime/logic/combo_layout.h"

namespace hexmoor::rt::combo {

Kind KindOfStyle(unsigned style) {
    switch (style & 3) {
    case 1: return Kind::Simple;
    case 2: return Kind::DropDown;
    default: return Kind::DropDownList;
    }
}

Rect SubtractRect(const Rect& from, const Rect& cut) {
    const Rect common = from.Intersection(cut);
    if (common.IsEmpty()) return from;
    Rect r = from;
    const bool fullHeight = common.top <= from.top && common.bottom >= from.bottom;
    const bool fullWidth = common.left <= from.left && common.right >= from.right;
    if (fullHeight && fullWidth) return {};
    if (fullHeight) {
        if (common.left <= from.left)
            r.left = common.right;
        else if (common.right >= from.right)
            r.right = common.left;
    } else if (fullWidth) {
        if (common.top <= from.top)
            r.top = common.bottom;
        else if (common.bottom >= from.bottom)
            r.bottom = common.top;
    }
    return r;
}

Parts ComputeParts(const PartInput& in) {
    Parts p;
    const Rect& c = in.client;
    p.dropDown = in.rightAligned ? Rect{c.left, c.top, c.left + in.dropWidth, c.bottom}
                                 : Rect{c.right - in.dropWidth, c.top, c.right, c.bottom};
    if (in.kind == Kind::DropDownList)
        p.text = {c.left + 2, c.top, c.right - in.dropWidth, c.bottom};
    else
        p.text = in.firstChild;
    p.face = SubtractRect({0, 0, in.window.cx, in.window.cy}, p.dropDown);
    return p;
}

Rect EditBox(const Rect& client, int dropWidth, bool rightAligned, int textHeight) {
    Rect box = client;
    if (rightAligned) {
        box.left += dropWidth;
        box.right -= 2;
    } else {
        box.right -= dropWidth;
        box.left = 2;
    }
    const int spare = client.Height() - textHeight;
    box.top = spare >= 0 ? (spare + 1) / 2 : -((-spare) / 2);
    box.bottom = box.top + textHeight;
    return box;
}

Hit HitTest(const Parts& parts, Kind kind, Point p, Point windowOffset) {
    if (kind == Kind::Simple) return Hit::Outside;
    if (kind != Kind::DropDownList && parts.text.Contains(p)) return Hit::Text;
    if (parts.dropDown.Contains(p)) return Hit::DropDown;
    if (parts.face.Contains({p.x + windowOffset.x, p.y + windowOffset.y})) return Hit::Face;
    return Hit::Outside;
}

} // namespace hexmoor::rt::combo
