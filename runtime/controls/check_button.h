#pragma once
// The skinned push-like check box or radio: drawn like a push button from
// an unchecked and a checked set of images and colours, handled like a
// radio, with most default processing wrapped in WM_SETREDRAW so the system
// never paints its own face over the skinned one.

#include "runtime/controls/button_base.h"

class CTWCheckButton : public CTWButtonBase {
public:
    BOOL Enable(BOOL on) override;
    LRESULT OnReflectedCtlColor(BOOL* handled, HDC dc, HWND parent) override;
    LRESULT Paint(HDC dc) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    COLORREF GetTextColor(int state) override;
    CMrgBitmap* GetStateImage(int state) override;
    POINT GetPressedTextOffset() override { return Offset(680); }
    POINT GetTextOffset() override { return Offset(679); }

protected:
    void SetCheckedFlag(int checked) override { checked_ = checked; }

private:
    int checked_ = 0;
};
