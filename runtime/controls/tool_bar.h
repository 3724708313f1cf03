#pragma once
// The skinned common-controls toolbar: flat style without edges while
// skinned, the bar's background and every button face, drop-down arrow,
// image and text painted from the toolbar element, and the client area
// moved by the element's border numbers. A transparent toolbar shows its
// skinned parent's background.

#include "runtime/wnd/tw_wnd.h"

class CTWToolBar : public CTWWnd {
public:
    BOOL Enable(BOOL on) override;
    LRESULT Paint(HDC dc) override;
    LRESULT PaintBorder(HDC dc) override;
    LRESULT OnNcPaint(HDC dc) override;
    LRESULT CalcBorderSize(BOOL calcValidRects, LPARAM params) override;
    LRESULT OnNcCalcSize(BOOL calcValidRects, LPARAM params) override;
    LRESULT EraseBackground(HDC dc, HWND child, const RECT* rect) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void Reset(const std::wstring& name) override;

private:
    bool IsTransparent() const;
    // Paints the bar's background around the buttons (or the border) into
    // a DC in window coordinates.
    void PaintAround(HDC dc);

    // The toolbar's own extended style before skinning added the drop-down
    // arrows, and whether skinning added them.
    DWORD toolbarExStyle_ = 0;
    bool addedArrows_ = false;
    // Set while switching off gives the window its recorded styles back.
    bool restoring_ = false;
};
