#include "runtime/controls/check_box.h"

#include "base/win/dib.h"
#include "model/twf_obj.h"
#include "runtime/controls/background_cache.h"
#include "runtime/controls/control_gate.h"
#include "runtime/draw/tw_draw.h"
#include "base/win/gdi.h"
#include "runtime/logic/button_format.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/messages.h"
#include "runtime/runtime_state.h"

using namespace hexmoor;
using namespace hexmoor::rt;
using namespace hexmoor::win;

int HostFrameworkOf(int own) { return own >= 0 ? own : State().hostFramework; }

BOOL CTWCheckBase::Enable(BOOL on) {
    CTWWnd::Enable(on);
    hover_.Init(hWnd_, 0);
    return TRUE;
}

LRESULT CTWCheckBase::OnReflectedCtlColor(BOOL* handled, HDC dc, HWND) {
    if (PassesThrough(*this)) return 0; // the parent answers as usual
    // The system's own glyph and text land outside the visible area.
    SetWindowOrgEx(dc, 1000, 10, nullptr);
    if (handled) *handled = TRUE;
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

LRESULT CTWCheckBase::Paint(HDC dc) {
    if (!element_) return 0;
    if (fadeEnabled_ && state_ == kNormal && buttonDown_) StopFadeForPress();
    return PaintFace(dc, true);
}

unsigned CTWCheckBase::GetImageAlignment(DWORD style) { return button::CheckAlignment(style); }

unsigned CTWCheckBase::GetTextFormat(DWORD) {
    // The multi-line bit is read again from the window.
    return button::CheckTextFormat(DWORD(GetWindowLongPtrW(hWnd_, GWL_STYLE)));
}

COLORREF CTWCheckBase::GetTextColor(int state) {
    if (!element_) return 0;
    const button::Look look = button::CheckLook(state, HasFocus(), IsWindowEnabled(hWnd_) != FALSE);
    return Colour(WORD(button::ColourId(Kind(), 0, look)));
}

CMrgBitmap* CTWCheckBase::GetGlyphImage(int state) {
    if (!element_) return nullptr;
    const int check = CheckShown();
    const button::Look look = button::CheckLook(state, HasFocus(), IsWindowEnabled(hWnd_) != FALSE);
    CMrgBitmap* image = Image(WORD(button::ImageId(Kind(), check, look)));
    // The check box's indeterminate look falls back to its checked, disabled image.
    if (!image && Kind() == 6 && check == 2) image = Image(WORD(button::ImageId(6, 1, button::Look::Disabled)));
    return image;
}

LRESULT CTWCheckBase::SetFont(WPARAM wp, LPARAM lp, bool invalidateInParent) {
    const LRESULT r = DefWindowProc(WM_SETFONT, wp, FALSE);
    const HWND parent = GetParent(hWnd_);
    if (lp && parent && GetSkinnedWindowObject(parent)) {
        if (invalidateInParent) {
            RECT wr{};
            GetWindowRect(hWnd_, &wr);
            MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&wr), 2);
            InvalidateRect(parent, &wr, TRUE);
        } else {
            RedrawNow(FALSE);
        }
        UpdateWindow(parent);
    }
    return r;
}

// --- check box -------------------------------------------------------------------

int CTWCheckBox::CheckShown() {
    check_ = int(SendMessageW(hWnd_, BM_GETCHECK, 0, 0));
    return check_;
}

HBITMAP CTWCheckBox::GetBackgroundBitmap(BOOL rebuild) {
    if (background_ && !rebuild) return background_.Get();
    background_.Reset();
    if (!element_ || !element_->GetEnabled()) return nullptr;
    BackgroundCanvas canvas;
    canvas.client = true;
    return RebuildBackground(*this, background_, canvas);
}

LRESULT CTWCheckBox::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (PassesThrough(*this)) return Default();
    switch (msg) {
    case BM_SETCHECK:
        check_ = int(wp);
        RedrawNow(FALSE);
        Default();
        RedrawNow(FALSE);
        return 0;
    case WM_MOVE:
    case TWM_BACKGROUNDCHANGED:
    case TWM_REFRESHSKIN: GetBackgroundBitmap(TRUE); break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        SendMessageW(hWnd_, WM_SETREDRAW, FALSE, 0);
        const LRESULT r = Default();
        SendMessageW(hWnd_, WM_SETREDRAW, TRUE, 0);
        RedrawNow(FALSE);
        return r;
    }
    case WM_ENABLE: {
        const LRESULT r = Default();
        GetBackgroundBitmap(TRUE);
        RedrawNow(FALSE);
        return r;
    }
    case WM_PAINT: return Paint(nullptr);
    case WM_ERASEBKGND: return 1;
    case WM_SETFONT: return SetFont(wp, lp, false);
    case WM_MOUSEMOVE: HoverMouseMove(lp); return Default();
    case WM_LBUTTONDOWN:
        SetCapture(hWnd_);
        buttonDown_ = TRUE;
        state_ = kPressed;
        RedrawNow(FALSE);
        return Default();
    case WM_LBUTTONUP: {
        if (fadeEnabled_ && state_ == kPressed) fadeArmed_ = TRUE;
        const LRESULT r = Default();
        state_ = kNormal;
        buttonDown_ = FALSE;
        RedrawNow(FALSE);
        ReleaseCapture();
        return r;
    }
    case WM_MOUSELEAVE: HoverMouseLeave(1u << kHot); return Default();
    case WM_PRINTCLIENT: return OnPrintClient(reinterpret_cast<HDC>(wp), DWORD(lp));
    case TWM_FADESTEP: RedrawNow(FALSE); return 1;
    default: break;
    }
    return CTWWnd::WindowProc(msg, wp, lp);
}

// --- radio ------------------------------------------------------------------------

BOOL CTWRadio::Enable(BOOL on) {
    CTWCheckBase::Enable(on);
    if (HostFrameworkOf(framework_) != 1) checked_ = SendMessageW(hWnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return TRUE;
}

void CTWRadio::InitMode(const char* className) {
    CTWWnd::InitMode(className);
    char name[64] = {};
    if (className)
        lstrcpynA(name, className, sizeof name);
    else if (hWnd_)
        GetClassNameA(hWnd_, name, sizeof name);
    if (lstrcmpiA(name, "Button") == 0) framework_ = 0;
}

LRESULT CTWRadio::OnReflectedCtlColor(BOOL* handled, HDC dc, HWND) {
    SetWindowOrgEx(dc, 1000, 10, nullptr);
    if (handled) *handled = TRUE;
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

int CTWRadio::CheckShown() {
    if (HostFrameworkOf(framework_) == 2 && !checkRead_) {
        checked_ = SendMessageW(hWnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
        checkRead_ = TRUE;
    }
    return checked_ ? 1 : 0;
}

LRESULT CTWRadio::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    const int framework = HostFrameworkOf(framework_);
    if (framework == 1 && msg == BM_SETCHECK) checked_ = wp != 0;
    if (PassesThrough(*this)) return Default();
    switch (msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const LRESULT r = Default();
        RedrawNow(FALSE);
        return r;
    }
    case WM_ENABLE:
        GetBackgroundBitmap(TRUE);
        RedrawNow(FALSE);
        break;
    case WM_PAINT: return Paint(nullptr);
    case WM_ERASEBKGND: return 1;
    case WM_SETFONT: return SetFont(wp, lp, true);
    case BM_SETCHECK: return SetCheckAmongSiblings(wp, framework, false);
    case WM_MOUSEMOVE: HoverMouseMove(lp); return Default();
    case WM_LBUTTONDOWN: return PressButton(lp, framework == 2, false);
    case WM_LBUTTONUP: return ReleaseButton(false);
    case WM_LBUTTONDBLCLK: return DoubleClickButton();
    case WM_MOUSELEAVE: HoverMouseLeave(1u << kHot); return 1;
    case WM_PRINTCLIENT: return OnPrintClient(reinterpret_cast<HDC>(wp), DWORD(lp));
    case TWM_FADESTEP: RedrawNow(FALSE); return 1;
    case TWM_CHECKREQUEST: SendMessageW(hWnd_, BM_SETCHECK, wp ? TRUE : FALSE, 0); break;
    default: break;
    }
    return CTWWnd::WindowProc(msg, wp, lp);
}
