#pragma once
// Plain rectangle, size and point types for layout code that must be
// testable without windows. Converted to RECT only at the Win32 boundary.

#include <algorithm>

namespace hexmoor::fw {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static Rect FromSize(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool Intersects(const Rect& o) const {
        return std::max(left, o.left) < std::min(right, o.right) && std::max(top, o.top) < std::min(bottom, o.bottom);
    }
    Rect Intersection(const Rect& o) const {
        Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
        return r.Empty() ? Rect{} : r;
    }
    Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    Rect Deflate(int d) const { return {left + d, top + d, right - d, bottom - d}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace hexmoor::fw

#ifdef _WIN32
#include <windows.h>
namespace hexmoor::fw {
inline RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
inline Rect FromRECT(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }
} // namespace hexmoor::fw
#endif
