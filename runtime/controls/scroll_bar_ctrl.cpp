#include "runtime/controls/scroll_bar_ctrl.h"

#include "model/twf_obj.h"
#include "runtime/logic/scroll_geometry.h"
#include "runtime/controls/control_gate.h"
#include "runtime/messages.h"
#include "runtime/scroll/scroll_engine.h"
#include "runtime/window_rects.h"

using namespace hexmoor;
using namespace hexmoor::rt;

CTWScrollBarCtrl::~CTWScrollBarCtrl() {
    if (hWnd_ && IsWindow(hWnd_)) UninitSkinScrollbars(hWnd_);
}

BOOL CTWScrollBarCtrl::Enable(BOOL on) {
    if (!hWnd_) return TRUE;
    if (on) {
        InitSkinScrollbars(hWnd_, FALSE);
        SetSkinScrollBarStyle(hWnd_, 3, 2);
    } else {
        UninitSkinScrollbars(hWnd_);
    }
    // The control's look changes at once either way.
    InvalidateRect(hWnd_, nullptr, TRUE);
    return TRUE;
}

void CTWScrollBarCtrl::Detach() {
    if (hWnd_) UninitSkinScrollbars(hWnd_);
    CTWWnd::Detach();
}

void CTWScrollBarCtrl::Reset(const std::wstring& name) {
    ResetElementByName(*this, name);
    CTWWnd::Reset(name);
}

LRESULT CTWScrollBarCtrl::Paint(HDC given) {
    // The object's own redraws: the parts from the control's scroll data.
    hexmoor::win::WindowDC own;
    if (!given) own = hexmoor::win::WindowDC(hWnd_);
    const HDC dc = given ? given : own.Get();
    CWindowRect wr(hWnd_);
    const bool vertical = (GetWindowLongPtrW(hWnd_, GWL_STYLE) & SBS_VERT) != 0;
    scroll::ControlPaintInput in;
    in.axisLength = vertical ? wr.Height() : wr.Width();
    in.systemArrow = GetSystemMetrics(SM_CXHSCROLL);
    in.systemThumb = GetSystemMetrics(SM_CXHTHUMB);
    in.minThumb = (GetVersion() & 0x80000000u) ? in.systemArrow / 2 : 8;
    in.checkEnabled = true;
    in.windowEnabled = IsWindowEnabled(hWnd_) != FALSE;
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    in.haveData = GetScrollInfo(hWnd_, SB_CTL, &si) != FALSE;
    in.data = {si.nMin, si.nMax, si.nPage, si.nPos, si.nTrackPos};
    const int across = vertical ? wr.Width() : wr.Height();
    const WPARAM id = WPARAM(GetWindowLongPtrW(hWnd_, GWLP_ID));
    for (const scroll::ControlItem& item : scroll::PlanControlParts(in)) {
        NMCUSTOMDRAW nm{};
        nm.hdr.hwndFrom = hWnd_;
        nm.hdr.idFrom = id;
        nm.hdr.code = NM_TWSB_CUSTOMDRAW;
        nm.dwDrawStage = CDDS_ITEMPREPAINT;
        nm.hdc = dc;
        nm.rc = vertical ? RECT{0, item.begin, across, item.end} : RECT{item.begin, 0, item.end, across};
        nm.dwItemSpec = DWORD_PTR(LONG_PTR(item.item));
        nm.uItemState = CDIS_DEFAULT;
        nm.lItemlParam = vertical ? 1 : 0;
        SendMessageW(hWnd_, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&nm));
    }
    return 0;
}

LRESULT CTWScrollBarCtrl::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (PassesThrough(*this)) return Default();
    if (msg == WM_ERASEBKGND) return 1;
    return CTWWnd::WindowProc(msg, wp, lp);
}
