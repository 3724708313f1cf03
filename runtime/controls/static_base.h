#pragma once
// The base of skinned static text and pictures: the parent's background and
// the caption laid out from the static's style bits.

#include "runtime/wnd/tw_wnd.h"

class CTWDraw;

class CTWStaticBase : public CTWWnd {
public:
    virtual COLORREF GetTextColor(int state) { return 0; }
    virtual unsigned GetTextFormat(DWORD style);
    virtual void DrawBackground(CTWDraw& draw, const RECT& rect);
    virtual void DrawCaption(CTWDraw& draw, const RECT& rect);
    LRESULT EraseBackground(HDC dc, HWND child, const RECT* rect) override;
};
