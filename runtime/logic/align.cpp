#include "runtime/logic/align.h"

namespace hexmoor::rt {

namespace {
// Where a length starts along one axis of a box: at the near edge, against
// the far edge, or centred with the spare room split by signed division.
int PlaceAlong(int boxStart, int boxEnd, int length, bool nearSide, bool farSide) {
    if (nearSide) return boxStart;
    if (farSide) return boxEnd - length;
    return boxStart + (boxEnd - boxStart - length) / 2;
}
} // namespace

Rect AlignRectInBox(const Rect& box, const Rect& r, unsigned code) {
    const int w = r.Width(), h = r.Height();
    const int top = PlaceAlong(box.top, box.bottom, h, code & align::kTopRow, code & align::kBottomRow);
    const int left = PlaceAlong(box.left, box.right, w, code & align::kLeftColumn, code & align::kRightColumn);
    return {left, top, left + w, top + h};
}

std::pair<Rect, Rect> AlignTwoRectsInBox(const Rect& box, const ContentLayout& layout) {
    const Rect second = AlignRectInBox(box, {0, 0, layout.secondWidth, layout.secondHeight}, layout.secondCode);
    const Rect first = AlignRectInBox(box, {0, 0, layout.firstWidth, layout.firstHeight}, layout.firstCode);
    return {first, second};
}

Rect CenterSizeInRect(const Rect& r, int cx, int cy) {
    const int dx = (r.Width() - cx) / 2;
    const int dy = (r.Height() - cy) / 2;
    return {r.left + dx, r.top + dy, r.right - dx, r.bottom - dy};
}

int MapLinear(int x0, int y0, int x1, int y1, double x) {
    if (x1 == x0) return y0; // no run to map along: the start value
    return static_cast<int>((x - x0) / double(x1 - x0) * double(y1 - y0) + y0 + 0.5);
}

Point GetRectCenter(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

int GetCornerHitCode(const Rect& r, int x, int y) {
    const Point c = GetRectCenter(r);
    const int dx = x - c.x, dy = y - c.y;
    if (dx == 0 || dy == 0) return -2;
    if (dx < 0 && dy < 0) return 13;
    if (dx > 0 && dy < 0) return 14;
    if (dx > 0 && dy > 0) return 17;
    return 16;
}

} // namespace hexmoor::rt
