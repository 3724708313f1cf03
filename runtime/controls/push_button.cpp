#include "runtime/controls/push_button.h"

#include "base/win/dib.h"
#include "model/elements/button_properties.h"
#include "model/twf_obj.h"
#include "runtime/controls/background_cache.h"
#include "runtime/controls/control_gate.h"
#include "runtime/draw/tw_draw.h"
#include "base/win/gdi.h"
#include "runtime/logic/button_format.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/messages.h"
#include "runtime/text/support_unicode.h"

using namespace hexmoor;
using namespace hexmoor::rt;
using namespace hexmoor::win;

BOOL CTWButton::Enable(BOOL on) {
    CTWWnd::Enable(on);
    if (on) hover_.Init(hWnd_, 0);
    return TRUE;
}

LRESULT CTWButton::OnReflectedNotify(BOOL* handled, ReflectRecord* record) {
    if (record && record->kind == 3 && CurrentMessage().message == WM_DRAWITEM) {
        if (handled) *handled = TRUE;
        return DrawOwnerDraw(reinterpret_cast<const DRAWITEMSTRUCT*>(record->lParam));
    }
    return 0;
}

LRESULT CTWButton::OnReflectedCtlColor(BOOL* handled, HDC dc, HWND) {
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, 0);
    if (handled) *handled = TRUE;
    RECT client{};
    GetClientRect(hWnd_, &client);
    ExcludeClipRect(dc, 0, 0, client.right, client.bottom);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

LRESULT CTWButton::Paint(HDC dc) {
    if (fadeEnabled_ && (state_ == kPressed || (state_ == kNormal && buttonDown_))) StopFadeForPress();
    return PaintFace(dc, false);
}

LRESULT CTWButton::PaintBorder(HDC) {
    CTWDraw draw(hWnd_, CTWDraw::kGetWindowDC, nullptr, FALSE);
    RECT wr{};
    GetWindowRect(hWnd_, &wr);
    MapWindowPoints(nullptr, hWnd_, reinterpret_cast<POINT*>(&wr), 2);
    if (GetWindowLongPtrW(hWnd_, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) std::swap(wr.left, wr.right);
    RECT client{};
    GetClientRect(hWnd_, &client);
    OffsetRect(&client, -wr.left, -wr.top);
    draw.ExcludeClip(&client);
    if (const HWND parent = GetParent(hWnd_))
        SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(draw.GetDrawDC()), 0);
    return 0;
}

HBITMAP CTWButton::GetBackgroundBitmap(BOOL rebuild) {
    if (background_ && !rebuild) return background_.Get();
    background_.Reset();
    if (!element_ || !element_->GetEnabled()) return nullptr;
    BackgroundCanvas canvas;
    canvas.client = true;
    return RebuildBackground(*this, background_, canvas, [this](HDC dc, const RECT& client) {
        CTWDraw draw(dc, nullptr, FALSE);
        draw.DrawSkinImage(&client,
                           Image(IsWindowEnabled(hWnd_) ? button_props::kImageNormal : button_props::kImageDisabled),
                           FALSE, nullptr);
    });
}

bool CTWButton::IsDefaultButton() const {
    const HWND parent = GetParent(hWnd_);
    if (!parent) return false;
    const LRESULT id = SendMessageW(parent, DM_GETDEFID, 0, 0);
    if (HIWORD(id) != DC_HASDEFID) return false;
    return GetDlgItem(parent, LOWORD(id)) == hWnd_;
}

CMrgBitmap* CTWButton::GetStateImage(int state) {
    if (!element_) return nullptr;
    button::PushFaceInput in;
    in.visualState = state;
    in.focused = HasFocus();
    in.enabled = IsWindowEnabled(hWnd_) != FALSE;
    in.isDefault = state == kNormal && IsDefaultButton();
    if (in.isDefault) {
        CTWWnd* focused = GetSkinnedWindowObject(FocusWindow());
        in.otherPushButtonFocused = focused && focused != this && focused->GetType() == 4;
    }
    return Image(WORD(button::PushButtonImageId(in)));
}

COLORREF CTWButton::GetTextColor(int state) {
    if (!element_) return 0;
    return Colour(WORD(button::PushButtonColourId(state, HasFocus(), IsWindowEnabled(hWnd_) != FALSE)));
}

LRESULT CTWButton::DrawOwnerDraw(const DRAWITEMSTRUCT* item) {
    if (!item) return 0;
    CTWDraw draw(item->hDC, nullptr, FALSE);
    RECT client{};
    GetClientRect(hWnd_, &client);
    DrawBackground(draw, client);
    LOGFONTW lf{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfWeight = 600;
    hexmoor::win::Font font(CreateFontIndirectW(&lf));
    const HDC dc = draw.GetDrawDC();
    SelectGuard select(dc, font.Get());
    const int mode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF previous = ::GetTextColor(dc);
    if (item->itemState & ODS_SELECTED) {
        OffsetRect(&client, 2, 2);
        const COLORREF under = GetPixel(dc, (client.left + client.right) / 2, (client.top + client.bottom) / 2);
        ::SetTextColor(dc, ~under & 0xFFFFFF);
    }
    const DWORD style = DWORD(GetWindowLongPtrW(hWnd_, GWL_STYLE));
    UINT format = DT_SINGLELINE;
    switch (style & 0x300) {
    case BS_LEFT: format |= DT_LEFT; break;
    case BS_RIGHT: format |= DT_RIGHT; break;
    default: format |= DT_CENTER; break;
    }
    switch (style & 0xC00) {
    case BS_TOP: format |= DT_TOP; break;
    case BS_BOTTOM: format |= DT_BOTTOM; break;
    default: format |= DT_VCENTER; break;
    }
    const CSupportUnicode unicode = Unicode();
    unicode.DrawUnicodeText(dc, unicode.GetText(), -1, &client, format);
    ::SetTextColor(dc, previous);
    ::SetBkMode(dc, mode);
    return 0;
}

LRESULT CTWButton::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (PassesThrough(*this)) return Default();
    switch (msg) {
    case WM_MOVE: GetBackgroundBitmap(TRUE); break;
    case WM_SIZE: return Default();
    case WM_SETFOCUS: {
        const LRESULT r = Default();
        RedrawNow(FALSE);
        return r;
    }
    case WM_KILLFOCUS: {
        state_ = kNormal;
        SendMessageW(hWnd_, BM_SETSTATE, FALSE, 0);
        buttonDown_ = FALSE;
        const LRESULT r = Default();
        RedrawNow(FALSE);
        return r;
    }
    case WM_ENABLE: {
        const LRESULT r = Default();
        GetBackgroundBitmap(TRUE);
        RedrawNow(FALSE);
        return r;
    }
    case WM_SETTEXT: {
        const LRESULT r = Default();
        RedrawNow(FALSE);
        return r;
    }
    case WM_PAINT: return Paint(reinterpret_cast<HDC>(wp));
    // The paint that follows draws the whole face over the parent's
    // background: erasing first would only draw everything twice.
    case WM_ERASEBKGND: return 1;
    case WM_SHOWWINDOW:
        if (!wp && GetFocus() == hWnd_) {
            const HWND parent = GetParent(hWnd_);
            if (parent && GetSkinnedWindowObject(parent)) {
                const HWND next = GetNextDlgTabItem(parent, hWnd_, FALSE);
                SetFocus(next && next != hWnd_ ? next : parent);
            }
        }
        break;
    case WM_WINDOWPOSCHANGED: RedrawNow(FALSE); break;
    case BM_SETSTATE: {
        if (SendMessageW(hWnd_, BM_GETSTATE, 0, 0) == 0x6C && wp == 1) break;
        const LRESULT r = Default();
        RedrawNow(FALSE);
        return r;
    }
    case WM_UPDATEUISTATE: {
        const LRESULT r = Default();
        RedrawNow(FALSE);
        return r;
    }
    case WM_MOUSEMOVE: HoverMouseMove(lp); return Default();
    case WM_MOUSELEAVE: {
        HoverMouseLeave((1u << kHot) | (1u << kPressed));
        SendMessageW(hWnd_, BM_SETSTATE, FALSE, 0);
        return Default();
    }
    case WM_LBUTTONDOWN: {
        buttonDown_ = TRUE;
        const LRESULT r = Default();
        if (SendMessageW(hWnd_, BM_GETSTATE, 0, 0) & BST_FOCUS) {
            SendMessageW(hWnd_, BM_SETSTATE, TRUE, 0);
            HitTestButtonState(short(LOWORD(lp)), short(HIWORD(lp)));
            RedrawNow(FALSE);
        }
        return r;
    }
    case WM_LBUTTONUP: {
        if (fadeEnabled_ && state_ == kPressed) fadeArmed_ = TRUE;
        buttonDown_ = FALSE;
        HitTestButtonState(short(LOWORD(lp)), short(HIWORD(lp)));
        state_ = kNormal;
        RedrawNow(FALSE);
        const LRESULT r = Default();
        SendMessageW(hWnd_, BM_SETSTATE, FALSE, 0);
        return r;
    }
    case WM_LBUTTONDBLCLK:
        buttonDown_ = TRUE;
        HitTestButtonState(short(LOWORD(lp)), short(HIWORD(lp)));
        return Default();
    case WM_PRINTCLIENT: return OnPrintClient(reinterpret_cast<HDC>(wp), DWORD(lp));
    case TWM_FADESTEP: RedrawNow(FALSE); return 1;
    case TWM_ISCONTROL: return 1;
    case TWM_BACKGROUNDCHANGED: GetBackgroundBitmap(TRUE); break;
    case TWM_REFRESHSKIN:
        GetBackgroundBitmap(TRUE);
        if (wp) RedrawNow(FALSE);
        break;
    default: break;
    }
    return CTWWnd::WindowProc(msg, wp, lp);
}
