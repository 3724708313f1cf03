#pragma once
// The skinned progress bar: a background image with skinned border sizes
// and a progress image filled to the position (from the bottom for
// vertical bars), and a skinned block for horizontal marquee bars.

#include "runtime/wnd/tw_wnd.h"

class CTWProgress : public CTWWnd {
public:
    BOOL Enable(BOOL on) override;
    LRESULT CalcBorderSize(BOOL calcValidRects, LPARAM params) override;
    LRESULT PaintBorder(HDC dc) override;
    HBITMAP GetBackgroundBitmap(BOOL rebuild) override;
    LRESULT Paint(HDC dc) override;
    LRESULT EraseBackground(HDC dc, HWND child, const RECT* rect) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

    bool IsMarqueeOn() const { return marqueeOn_ != FALSE; }
    int GetMarqueePosition() const { return marqueePosition_; }

private:
    bool IsVertical() const;
    void ReadBorderSizes();
    void MarqueeStep();

    BOOL marqueeOn_ = FALSE;
    int marqueePosition_ = 0;
};
