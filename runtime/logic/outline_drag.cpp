#include "runtime/logic/outline_drag.h"

#include <algorithm>

namespace hexmoor::rt {

Rect OutlineAfterSizing(const Rect& outline, const Rect& proposed, const Rect& reference) {
    return {outline.left + (proposed.left - reference.left), outline.top + (proposed.top - reference.top),
            outline.right + (proposed.right - reference.right), outline.bottom + (proposed.bottom - reference.bottom)};
}

Rect OutlineAfterMoving(const Rect& outline, Point proposedTopLeft, Point windowTopLeft) {
    return outline.Offset(proposedTopLeft.x - windowTopLeft.x, proposedTopLeft.y - windowTopLeft.y);
}

OutlineStrips DragOutlineStrips(const Rect& r, int thickness) {
    OutlineStrips out{};
    if (r.IsEmpty() || thickness <= 0) return out;
    // A rectangle thinner than two strips is drawn whole, once.
    const int tx = std::min(thickness, r.Width() / 2), ty = std::min(thickness, r.Height() / 2);
    if (tx <= 0 || ty <= 0) {
        out.strips[0] = r;
        return out;
    }
    out.strips[0] = {r.left, r.top, r.right, r.top + ty};
    out.strips[1] = {r.left, r.bottom - ty, r.right, r.bottom};
    out.strips[2] = {r.left, r.top + ty, r.left + tx, r.bottom - ty};
    out.strips[3] = {r.right - tx, r.top + ty, r.right, r.bottom - ty};
    return out;
}

} // namespace hexmoor::rt
