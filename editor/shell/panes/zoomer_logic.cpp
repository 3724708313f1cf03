#include "editor/shell/panes/zoomer_logic.h"

#include <algorithm>

namespace hexmoor::shell {

namespace {

int ClampAxis(int v, int half, int extent) {
    // A picture larger than the screen keeps its low edge on the screen.
    return std::max(half, std::min(v, extent - half));
}

} // namespace

Point ClampZoomCentre(Point cursor, int pictureW, int pictureH, int factor, int screenW, int screenH) {
    if (factor <= 0) return cursor;
    const int halfW = pictureW / (2 * factor), halfH = pictureH / (2 * factor);
    return {ClampAxis(cursor.x, halfW, screenW), ClampAxis(cursor.y, halfH, screenH)};
}

Rect ZoomSourceRect(Point centre, int pictureW, int pictureH, int factor) {
    if (factor <= 0 || pictureW <= 0 || pictureH <= 0) return {};
    return Rect::XYWH(centre.x - pictureW / (2 * factor), centre.y - pictureH / (2 * factor), pictureW / factor,
                      pictureH / factor);
}

Rect ZoomBlackOut(const Rect& source, const Rect& own, int factor, int pictureW, int pictureH) {
    const Rect overlap = source.Intersection(own);
    if (overlap.IsEmpty() || factor <= 0) return {};
    // Whole enlarged pixels: every source pixel of the pane becomes f x f.
    const Rect scaled{(overlap.left - source.left) * factor, (overlap.top - source.top) * factor,
                      (overlap.right - source.left) * factor, (overlap.bottom - source.top) * factor};
    return scaled.Intersection(Rect{0, 0, pictureW, pictureH});
}

} // namespace hexmoor::shell
