#pragma once
// Multiple-document windows: the MDI client's object paints the client
// background from the frame element and tiles and cascades the children by
// the skin's rules; the MDI child's frame is a skinned frame whose borders
// give way to the system's while the child is maximised.

#include <windows.h>

#include <vector>

#include "runtime/frame/frame_skin_wnd.h"
#include "runtime/wnd/tw_wnd.h"

class CMDISkinWnd : public CTWWnd {
public:
    BOOL Enable(BOOL on) override;
    LRESULT CalcBorderSize(BOOL calcValidRects, LPARAM params) override;
    LRESULT OnNcCalcSize(BOOL calcValidRects, LPARAM params) override { return CalcBorderSize(calcValidRects, params); }
    // The client-sized picture of image 485 ("MDI Client Background"), made
    // again when asked to rebuild; null without that image.
    HBITMAP GetBackgroundBitmap(BOOL rebuild) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

    void Tile(UINT flags);
    void Cascade();
    // The children tile and cascade move: visible, not minimised, neither
    // tool windows nor topmost, in z-order.
    std::vector<HWND> ArrangedChildren() const;
};

class CMDIChildSkinWnd : public CFrameSkinWnd {
public:
    explicit CMDIChildSkinWnd(HWND hwnd) : CFrameSkinWnd(hwnd) {}

    BOOL Enable(BOOL on) override;
    LRESULT CalcBorderSize(BOOL calcValidRects, LPARAM params) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void Reset(const std::wstring& name) override;
    int ChangeSkin(int relayout, BOOL children) override;

protected:
    // The look of the MDI client's activation: active only for its active
    // child (then it follows WM_MDIACTIVATE and WM_NCACTIVATE).
    void TakeClientsActivation();
    LRESULT OnNcHitTest(WPARAM wp, LPARAM lp) override;
    LRESULT OnSize(WPARAM type, LPARAM lp) override;
};
