#pragma once
// The skinned object of a window with no look of its own: its parent's
// skinned object paints its background, and background changes pass on to
// its children.

#include "runtime/wnd/tw_wnd.h"

class CSTransparentWindow : public CTWWnd {
public:
    BOOL Enable(BOOL on) override;
    LRESULT OnReflectedCtlColor(BOOL* handled, HDC dc, HWND parent) override;
    LRESULT Paint(HDC dc) override;
    LRESULT EraseBackground(HDC dc, HWND child, const RECT* rect) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
};
