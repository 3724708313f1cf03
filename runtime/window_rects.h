#pragma once
// Rectangle holders read once from a window, and a window's extended style.

#include <windows.h>

// The client rectangle of a window (left and top 0), with the window.
class CClientRect : public RECT {
public:
    explicit CClientRect(HWND hwnd) : RECT{0, 0, 0, 0}, hWnd_(hwnd) { GetClientRect(hwnd, this); }
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

// The extended style of a window, read once (0 for a bad handle).
class CWndExStyle {
public:
    explicit CWndExStyle(HWND hwnd) : value_(static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE))) {}
    bool Has(DWORD bits) const { return (value_ & bits) != 0; }
    DWORD Value() const { return value_; }

private:
    DWORD value_;
};
