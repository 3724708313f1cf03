#pragma once
// The skinned common-controls status bar: the bar's background, the size
// grip and every pane painted from the status-bar element with the pane's
// icon and text drawn by us, and the client area narrowed by the element's
// border numbers. Skins from files older than version 529 paint the grip
// first and the background last, around the panes.

#include "runtime/wnd/tw_wnd.h"

class CTWDraw;
class CUnicodeString;

class CTWStatus : public CTWWnd {
public:
    BOOL Enable(BOOL on) override;
    LRESULT Paint(HDC dc) override;
    LRESULT PaintBorder(HDC dc) override;
    LRESULT OnNcPaint(HDC dc) override;
    LRESULT CalcBorderSize(BOOL calcValidRects, LPARAM params) override;
    LRESULT OnNcCalcSize(BOOL calcValidRects, LPARAM params) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void Reset(const std::wstring& name) override;

    // A pane's text: from the host control's own pane list for a Visual
    // Basic 6 host, else through SB_GETTEXTLENGTH and SB_GETTEXT.
    CUnicodeString PaneText(int pane, int paneCount);

private:
    void PaintPanes(HDC given, bool older);
    void PaintPane(CTWDraw& draw, int pane, int paneCount, bool whiteUnderGdiplus);
};
