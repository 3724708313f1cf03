#pragma once
// The skinned push button: a state image over the parent's background and
// the caption, bitmap or icon placed by the button's alignment styles; the
// system's own drawing is kept out of the client area.

#include "runtime/controls/button_base.h"

class CTWButton : public CTWButtonBase {
public:
    BOOL Enable(BOOL on) override;
    LRESULT OnReflectedNotify(BOOL* handled, ReflectRecord* record) override;
    LRESULT OnReflectedCtlColor(BOOL* handled, HDC dc, HWND parent) override;
    LRESULT Paint(HDC dc) override;
    LRESULT PaintBorder(HDC dc) override;
    HBITMAP GetBackgroundBitmap(BOOL rebuild) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    COLORREF GetTextColor(int state) override;
    CMrgBitmap* GetStateImage(int state) override;
    POINT GetPressedTextOffset() override { return Offset(35); }
    POINT GetTextOffset() override { return Offset(34); }
    virtual LRESULT DrawOwnerDraw(const DRAWITEMSTRUCT* item);

private:
    bool IsDefaultButton() const;
};
