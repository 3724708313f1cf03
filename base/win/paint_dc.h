#pragma once
// A paint's DC, unbuffered: the one a caller gave (WM_PRINTCLIENT, a paint
// passed on), else the window's BeginPaint, ended with this scope.

#include <windows.h>

#include "base/win/gdi.h"

namespace hexmoor::win {

class GivenOrPaintDc {
public:
    GivenOrPaintDc(HWND hwnd, HDC given) : dc_(given) {
        if (dc_) return;
        paint_ = PaintScope(hwnd);
        dc_ = paint_.Dc();
    }
    HDC Dc() const { return dc_; }

private:
    PaintScope paint_;
    HDC dc_ = nullptr;
};

} // namespace hexmoor::win
