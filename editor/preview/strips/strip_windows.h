#pragma once
// The strip windows of the .NET strip samples: static controls that paint
// a strip picture from the skin over a copy of their dialog's background,
// and host the real controls a .NET strip would host (combo and edit boxes
// in the menus, a progress bar in the status strip).

#include <windows.h>

#include "base/geometry.h"
#include "base/win/gdi.h"
#include "framework/window.h"

class CTwfObj;

namespace hexmoor::preview {

// The edited skin's element of the type in the default scheme, or null.
const CTwfObj* StripElement(WORD type);

class CStaticBaseStrip : public fw::Window {
public:
    // The strip window at `place` in the dialog, with its font (8-point
    // "MS Sans Serif", handed to the hosted controls) and hosted controls.
    bool CreateStrip(HWND dialog, UINT id, const RECT& place);
    HFONT StripWindowFont() const { return font_.Get(); }
    // Paints the strip's whole picture into a DC of the strip's client size.
    void PaintPicture(HDC dc);

protected:
    bool OnPaint() override;
    bool OnEraseBackground(HDC) override { return true; }
    virtual void CreateHosted() {}
    virtual void PaintStrip(HDC dc, Size size, HFONT windowFont) = 0;
    // The part of the dialog's background under the strip, at (0, 0).
    void DrawParentBackground(HDC dc);
    HWND Host(const wchar_t* cls, UINT id, const RECT& r, DWORD style, const wchar_t* text, bool font);

private:
    win::Font font_;
};

class CStaticMenuStrip : public CStaticBaseStrip {
protected:
    void CreateHosted() override;
    void PaintStrip(HDC dc, Size size, HFONT windowFont) override;
};

class CStaticToolStrip : public CStaticBaseStrip {
protected:
    void PaintStrip(HDC dc, Size size, HFONT windowFont) override;
};

class CStaticStatusStrip : public CStaticBaseStrip {
protected:
    void CreateHosted() override;
    void PaintStrip(HDC dc, Size size, HFONT windowFont) override;
};

} // namespace hexmoor::preview
