#include "runtime/controls/check_button.h"

#include "runtime/controls/check_box.h"
#include "runtime/controls/control_gate.h"
#include "runtime/logic/button_format.h"
#include "runtime/window_rects.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/messages.h"

using namespace hexmoor;
using namespace hexmoor::rt;

BOOL CTWCheckButton::Enable(BOOL on) {
    CTWWnd::Enable(on);
    hover_.Init(hWnd_, 0);
    if (HostFrameworkOf(-1) != 1) checked_ = SendMessageW(hWnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return TRUE;
}

LRESULT CTWCheckButton::OnReflectedCtlColor(BOOL* handled, HDC dc, HWND) {
    SetWindowOrgEx(dc, 10000, 10000, nullptr);
    if (handled) *handled = TRUE;
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

LRESULT CTWCheckButton::Paint(HDC dc) {
    if (!element_) return 0;
    if (fadeEnabled_ && state_ == kNormal && buttonDown_) StopFadeForPress();
    return PaintFace(dc, false);
}

CMrgBitmap* CTWCheckButton::GetStateImage(int state) {
    if (!element_) return nullptr;
    checked_ = int(SendMessageW(hWnd_, BM_GETCHECK, 0, 0));
    const button::Look look = button::CheckLook(state, HasFocus(), IsWindowEnabled(hWnd_) != FALSE);
    return Image(WORD(button::ImageId(39, checked_ == 1 ? 1 : 0, look)));
}

COLORREF CTWCheckButton::GetTextColor(int state) {
    if (!element_) return 0;
    const button::Look look = button::CheckLook(state, HasFocus(), IsWindowEnabled(hWnd_) != FALSE);
    return Colour(WORD(button::ColourId(39, checked_ ? 1 : 0, look)));
}

LRESULT CTWCheckButton::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    const int framework = HostFrameworkOf(-1);
    if (framework == 1 && msg == BM_SETCHECK) checked_ = int(wp);
    if (PassesThrough(*this)) return Default();
    switch (msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const LRESULT r = QuietDefault();
        RedrawNow(FALSE);
        return r;
    }
    case WM_ENABLE:
        GetBackgroundBitmap(TRUE);
        RedrawNow(FALSE);
        break;
    case WM_PAINT: return Paint(nullptr);
    case WM_ERASEBKGND: return 1;
    case WM_SETFONT: {
        const LRESULT r = DefWindowProc(WM_SETFONT, wp, FALSE);
        const HWND parent = GetParent(hWnd_);
        if (lp && parent && GetSkinnedWindowObject(parent)) {
            RECT wr{};
            GetWindowRect(hWnd_, &wr);
            MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&wr), 2);
            InvalidateRect(parent, &wr, TRUE);
            UpdateWindow(parent);
        }
        return r;
    }
    case BM_SETCHECK: return SetCheckAmongSiblings(wp, framework, true);
    case WM_KEYDOWN:
    case WM_KEYUP: return QuietDefault();
    case WM_MOUSEMOVE: HoverMouseMove(lp); return DefaultQuietlyIf(framework == 2);
    case WM_LBUTTONDOWN: return PressButton(lp, framework == 2, true);
    case WM_LBUTTONUP: return ReleaseButton(true);
    case WM_LBUTTONDBLCLK: return DoubleClickButton();
    case WM_MOUSELEAVE: HoverMouseLeave(1u << kHot); return 1;
    case WM_PRINTCLIENT: return OnPrintClient(reinterpret_cast<HDC>(wp), DWORD(lp));
    case TWM_FADESTEP: RedrawNow(FALSE); return 1;
    case TWM_CHECKREQUEST: SendMessageW(hWnd_, BM_SETCHECK, wp ? TRUE : FALSE, 0); break;
    default: break;
    }
    return CTWWnd::WindowProc(msg, wp, lp);
}
