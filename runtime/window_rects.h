#pragma once
// Rectangle holders read once from a window, and a window's extended style.

#include <windows.h>

#include <utility>

// Maps a rectangle's two corners between the window's client coordinates and
// the screen; for a right-to-left window left and right are swapped, so the
// result stays left <= right.
inline void MapRectCorners(RECT* rect, HWND hwnd, bool toScreen) {
    POINT corners[2] = {{rect->left, rect->top}, {rect->right, rect->bottom}};
    for (POINT& p : corners) toScreen ? ClientToScreen(hwnd, &p) : ScreenToClient(hwnd, &p);
    if (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) std::swap(corners[0].x, corners[1].x);
    *rect = {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

// Screen rectangle to a window's client coordinates (left and right swapped
// for right-to-left windows).
inline void RectScreenToClient(RECT* rect, HWND hwnd) { MapRectCorners(rect, hwnd, false); }

// The client rectangle of a window (left and top 0), with the window.
class CClientRect : public RECT {
public:
    explicit CClientRect(HWND hwnd) : RECT{0, 0, 0, 0}, hWnd_(hwnd) { GetClientRect(hwnd, this); }
    // The rectangle in screen coordinates, through the window it came from.
    void ClientToScreen() { MapRectCorners(this, hWnd_, true); }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    HWND hWnd_;
};

// The window rectangle in screen coordinates, non-client area included.
class CWindowRect : public RECT {
public:
    explicit CWindowRect(HWND hwnd) : RECT{0, 0, 0, 0}, hWnd_(hwnd) { GetWindowRect(hwnd, this); }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    HWND hWnd_;
};

// The client rectangle in window coordinates as the window shows on the
// screen: left to right also for a right-to-left window, whose client origin
// lies at the client's right edge.
inline RECT ClientRectInWindow(HWND hwnd) {
    CClientRect client(hwnd);
    client.ClientToScreen();
    const CWindowRect window(hwnd);
    RECT out = client;
    OffsetRect(&out, -window.left, -window.top);
    return out;
}

// The extended style of a window, read once (0 for a bad handle).
class CWndExStyle {
public:
    explicit CWndExStyle(HWND hwnd) : value_(static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE))) {}
    bool Has(DWORD bits) const { return (value_ & bits) != 0; }
    DWORD Value() const { return value_; }

private:
    DWORD value_;
};
