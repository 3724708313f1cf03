#pragma once
// Plain geometry shared by every layer: points, sizes, rectangles and insets
// as separate types, so that a margin is never mistaken for a rectangle. The
// Win32 boundary converts them to and from RECT (base/win/rect.h).

#include <algorithm>

namespace hexmoor {

struct Size {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Edge coordinates: right and bottom are exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static constexpr Rect XYWH(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    constexpr bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    constexpr bool Intersects(const Rect& o) const {
        return std::max(left, o.left) < std::min(right, o.right) && std::max(top, o.top) < std::min(bottom, o.bottom);
    }
    // The common part, or an empty rectangle at the origin when none.
    constexpr Rect Intersection(const Rect& o) const {
        const Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
                     std::min(bottom, o.bottom)};
        return r.IsEmpty() ? Rect{} : r;
    }
    constexpr Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    constexpr Rect Deflate(int d) const { return {left + d, top + d, right - d, bottom - d}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Widths of the four borders of a nine-part image (its sizing margins).
struct Insets {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const Insets&, const Insets&) = default;
};

} // namespace hexmoor
