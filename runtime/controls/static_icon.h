#pragma once
// The skinned picture and line static: icons, cursors, bitmaps and enhanced
// metafiles over the parent's skinned background, and etched lines in the
// group box's colours of the skin the static was attached with.

#include "runtime/controls/static_base.h"

class CTwfObj;
class CTwfSkin;

class CTWStaticIcon : public CTWStaticBase {
public:
    LRESULT OnReflectedCtlColor(BOOL* handled, HDC dc, HWND parent) override;
    LRESULT Paint(HDC dc) override;
    LRESULT OnNcPaint(HDC dc) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    CTwfObj* SetSkin(CTwfSkin* skin, WORD type, const std::wstring& name) override;

    // The group-box element whose colours the etched lines take: looked up
    // in the skin the static was attached with, since the static's own kind
    // usually has no element to lead there.
    CTwfObj* FindLineColours() const;

private:
    // The etched line: the line statics' client area is empty and the lines
    // lie on their border, drawn through a window DC, or through a client DC
    // whose origin is the client area's (a print's, where the caller's DC
    // reaches over the border). False when the style or the skin leaves the
    // line to the system.
    bool DrawEtchedLine(HDC dc, bool clientDc);
    // Leaves the picture to the system's painting.
    LRESULT PaintBySystem(HDC given);
    CTwfSkin* attachedSkin_ = nullptr;
};
