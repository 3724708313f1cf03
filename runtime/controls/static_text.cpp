#include "runtime/controls/static_text.h"

#include "model/twf_obj.h"
#include "runtime/controls/background_cache.h"
#include "runtime/controls/control_gate.h"
#include "runtime/controls/element_reset.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/messages.h"

using namespace hexmoor::rt;

namespace {
constexpr WORD kText = 494, kTextDisabled = 495;
} // namespace

BOOL CTWStaticText::Enable(BOOL) { return CTWWnd::Enable(TRUE); }

COLORREF CTWStaticText::GetTextColor(int) {
    if (!element_) return 0;
    return element_->GetColor(IsWindowEnabled(hWnd_) ? kText : kTextDisabled);
}

void CTWStaticText::Reset(const std::wstring& name) {
    ReselectElement(*this, name);
    CTWWnd::Reset(name);
}

LRESULT CTWStaticText::Paint(HDC given) {
    RECT client{};
    GetClientRect(hWnd_, &client);
    CTWDraw draw;
    draw.BeginPaintOr(given, hWnd_, nullptr, FALSE);
    if (!draw.GetDrawDC()) return 0;
    DrawBackground(draw, client);
    DrawCaption(draw, client);
    draw.Release();
    return 0;
}

LRESULT CTWStaticText::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (PassesThrough(*this)) return Default();
    switch (msg) {
    case WM_ENABLE: {
        const LRESULT r = Default();
        GetBackgroundBitmap(TRUE);
        RedrawNow(FALSE);
        return r;
    }
    case WM_SETTEXT: {
        if (!IsWindowVisible(hWnd_)) break;
        // The system would paint the new text over the skinned one.
        SetRedraw(FALSE);
        const LRESULT r = Default();
        SetRedraw(TRUE);
        RedrawNow(FALSE);
        return r;
    }
    case WM_PAINT: return Paint(nullptr);
    case WM_ERASEBKGND:
    case TWM_ISCONTROL: return 1;
    case WM_SETFONT: {
        const LRESULT r = DefWindowProc(WM_SETFONT, wp, FALSE);
        if (lp) {
            RedrawNow(FALSE);
            UpdateWindow(hWnd_);
        }
        return r;
    }
    case WM_UPDATEUISTATE: {
        LockWindowUpdate(hWnd_);
        const LRESULT r = Default();
        LockWindowUpdate(nullptr);
        if (LOWORD(wp) == UIS_CLEAR) RedrawNow(FALSE);
        return r;
    }
    case WM_PRINTCLIENT: return OnPrintClient(reinterpret_cast<HDC>(wp), DWORD(lp));
    default: break;
    }
    return CTWWnd::WindowProc(msg, wp, lp);
}
