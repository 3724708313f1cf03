#include "runtime/wnd/tw_dialog.h"

#include "base/win/dib.h"
#include "base/win/gdi.h"
#include "model/twf_obj.h"
#include "model/twf_skin.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/logic/control_types.h"
#include "runtime/wnd/color_dialog.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/wnd/window_services.h"
#include "runtime/messages.h"
#include "runtime/runtime_state.h"
#include "runtime/window_helpers.h"
#include "runtime/window_rects.h"

using namespace hexmoor::rt;

namespace {
constexpr WORD kBackgroundImage = 0;
constexpr DWORD kClassRedrawBits = CS_VREDRAW | CS_HREDRAW;

bool IsUser32Dialog(HWND hwnd) {
    const HMODULE user32 = GetModuleHandleW(L"USER32.DLL");
    return user32 && reinterpret_cast<HMODULE>(GetWindowLongPtrW(hwnd, GWLP_HINSTANCE)) == user32;
}
} // namespace

HBITMAP CTWDialog::GetBackgroundBitmap(BOOL rebuild) {
    if (!rebuild && background_) return background_.Get();
    background_.Reset();
    if (!element_ || !element_->GetEnabled() || !hWnd_) return nullptr;
    CClientRect client(hWnd_);
    if (client.Width() <= 0 || client.Height() <= 0) return nullptr;
    const CMrgBitmap* image = element_->GetImage(kBackgroundImage);
    hexmoor::win::WindowDC screen(nullptr);
    hexmoor::win::Bitmap bitmap(hexmoor::win::CreateScreenBitmap(client.Width(), client.Height()));
    if (!bitmap) return nullptr;
    hexmoor::win::MemoryDC dc(screen.Get());
    {
        hexmoor::win::SelectGuard select(dc.Get(), bitmap.Get());
        // What shows where the skin draws nothing: the system's dialog face,
        // never uninitialised memory.
        FillRect(dc.Get(), &client, GetSysColorBrush(COLOR_BTNFACE));
        if (tabPageValue_) {
            CTWWnd* parent =
                (GetWindowLongPtrW(hWnd_, GWL_STYLE) & WS_CHILD) ? GetSkinnedWindowObject(GetParent(hWnd_)) : nullptr;
            if (parent) {
                parent->EraseBackground(dc.Get(), hWnd_, nullptr);
            } else {
                PatBlt(dc.Get(), 0, 0, client.Width(), client.Height(), WHITENESS);
            }
        } else {
            CTWDraw draw(dc.Get(), nullptr, FALSE);
            draw.DrawSkinImage(&client, image, FALSE, nullptr);
        }
    }
    background_ = std::move(bitmap);
    return background_.Get();
}

LRESULT CTWDialog::EraseBackground(HDC dc, HWND child, const RECT* rect) {
    if (element_ && element_->GetEnabled() && IsSkinActive(skinId_)) {
        CTWDraw draw(dc, nullptr, FALSE);
        RECT area{};
        if (rect) {
            area = *rect;
            RectScreenToClient(&area, hWnd_);
        } else if (child == hWnd_) {
            const HBITMAP background = GetBackgroundBitmap(FALSE);
            if (!background) return 0;
            POINT origin{0, 0};
            return draw.DrawBitmapAt(&origin, background);
        } else {
            CWindowRect wr(child);
            area = wr;
            RectScreenToClient(&area, hWnd_);
        }
        const RECT target{0, 0, area.right - area.left, area.bottom - area.top};
        if (active_) {
            const HBITMAP background = GetBackgroundBitmap(FALSE);
            return background ? draw.BitBltBitmap(&target, background, area.left, area.top) : 0;
        }
        FillRect(dc, &target, GetSysColorBrush(COLOR_BTNFACE));
        return 0;
    }
    // Skin off: the dialog erases its own background into the child's DC,
    // kept to the child's extent so that it never paints past the child.
    hexmoor::win::SavedDC saved(dc);
    CWindowRect childRect(child ? child : hWnd_);
    IntersectClipRect(dc, 0, 0, childRect.Width(), childRect.Height());
    return SendMessageW(hWnd_, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
}

LRESULT CTWDialog::EraseSelf(HDC dc) {
    EraseBackground(dc, hWnd_, nullptr);
    return 1;
}

LRESULT CTWDialog::Paint(HDC) {
    if (IsUser32Dialog(hWnd_)) {
        // A system message box paints its own contents over our background.
        const hexmoor::win::PaintScope paint(hWnd_);
        return Default();
    }
    if (GetMode() == host::kVisualBasic6 && !colorDialog_) {
        const LONG_PTR style = GetWindowLongPtrW(hWnd_, GWL_STYLE);
        SetWindowLongPtrW(hWnd_, GWL_STYLE, style | WS_CLIPCHILDREN);
        CTWDraw draw(hWnd_, CTWDraw::kBeginPaint, nullptr, FALSE);
        SetWindowLongPtrW(hWnd_, GWL_STYLE, style);
        EraseSelf(draw.GetDrawDC());
        return 0;
    }
    if (GetPropW(hWnd_, MAKEINTATOM(0xA000))) {
        const LONG_PTR style = GetWindowLongPtrW(hWnd_, GWL_STYLE);
        Default();
        SetWindowLongPtrW(hWnd_, GWL_STYLE, style);
        return 0;
    }
    return Default();
}

BOOL CTWDialog::Enable(BOOL on) {
    CTWWnd::Enable(on);
    if (element_ && !element_->GetEnabled()) return TRUE;
    if (on) {
        // A dialog page inside a skinned tab control takes the tab's
        // background; the tab control's object provides the value.
        if (!colorDialog_) ChangeStyle(WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0);
        const DWORD before = DWORD(GetClassLongPtrW(hWnd_, GCL_STYLE));
        SetWindowClassStyle(hWnd_, kClassRedrawBits, true);
        classBitsAdded_ |= kClassRedrawBits & ~before;
    } else {
        RestoreStyles();
        if (classBitsAdded_) SetWindowClassStyle(hWnd_, classBitsAdded_, false);
        classBitsAdded_ = 0;
        background_.Reset();
    }
    return TRUE;
}

void CTWDialog::SetTabPageValue(int value) {
    tabPageValue_ = value;
    WindowProc(TWM_REFRESHSKIN, 1, 0);
    for (HWND child = GetWindow(hWnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (CTWWnd* object = GetSkinnedWindowObject(child)) object->WindowProc(TWM_REFRESHSKIN, 1, 0);
}

LRESULT CTWDialog::OnReflectedCtlColor(BOOL* handled, HDC dc, HWND) {
    if (colorDialog_) return OnColorDialogCtlColor(handled, dc);
    if (active_ && IsSkinActive(skinId_) && element_) {
        const bool plainName = elementName_.empty() || elementName_ == L"Default";
        if (element_->GetEnabled() || !plainName) {
            *handled = TRUE;
            return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        }
    }
    return 0; // not handled: the dialog's own procedure answers
}

LRESULT CTWDialog::OnColorDialogCtlColor(BOOL* handled, HDC dc) {
    if (!active_ || !IsSkinActive(skinId_) || !element_) return 0;
    const bool plainName = elementName_.empty() || elementName_ == L"Default";
    if (!element_->GetEnabled() && plainName) return 0;
    *handled = TRUE;
    CClientRect client(hWnd_);
    if (HWND custom = GetDlgItem(hWnd_, 702)) {
        CWindowRect wr(custom);
        RECT r = wr;
        RectScreenToClient(&r, hWnd_);
        ExcludeClipRect(dc, r.right, r.bottom + 10, client.right, client.bottom);
    }
    for (HWND child = GetWindow(hWnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        CWindowRect wr(child);
        RECT r = wr;
        RectScreenToClient(&r, hWnd_);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
    EraseSelf(dc);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

LRESULT CTWDialog::OnSizeColorDialog(WPARAM wp, LPARAM) {
    const LRESULT result = Default();
    if (!resizedOnce_) {
        CWindowRect wr(hWnd_);
        CClientRect client(hWnd_);
        const int width = 2 * wr.Width() - client.Width();
        resizedOnce_ = TRUE;
        SetWindowPos(hWnd_, nullptr, 0, 0, width, wr.Height(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
        // A skinned frame's borders differ from the system's: refit the
        // window around its client area.
        Services().FitFrameToClient(hWnd_);
        return 1;
    }
    if (wp != SIZE_MINIMIZED) GetBackgroundBitmap(TRUE);
    return result;
}

void CTWDialog::Reset(const std::wstring& name) {
    if (name != elementName_) elementName_ = name;
    if (element_ && element_->GetOwnerSkin()) SetSkin(element_->GetOwnerSkin(), WORD(type_), elementName_);
    CTWWnd::Reset(name);
}

LRESULT CTWDialog::DispatchSkinned(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SIZE:
        if (colorDialog_) return OnSizeColorDialog(wp, lp);
        break;
    case WM_PAINT: return Paint(reinterpret_cast<HDC>(wp));
    case WM_ERASEBKGND: return EraseSelf(reinterpret_cast<HDC>(wp));
    case WM_SHOWWINDOW:
        if (companion_ && companion_->GetSafeHwnd()) ShowWindow(companion_->GetSafeHwnd(), wp ? SW_SHOW : SW_HIDE);
        return Default();
    case WM_INITDIALOG:
        if (IsChooseColorDialog(hWnd_)) {
            RestoreStyles();
            colorDialog_ = TRUE;
        }
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
        if (msg == WM_MOUSEWHEEL || (lp == 0 && !(LOWORD(wp) & SB_ENDSCROLL))) {
            const LRESULT result = CTWWnd::WindowProc(msg, wp, lp);
            InvalidateRect(hWnd_, nullptr, TRUE);
            for (HWND child = GetTopWindow(hWnd_); child; child = GetWindow(child, GW_HWNDNEXT)) {
                SendMessageW(child, TWM_BACKGROUNDCHANGED, 0, 0);
                InvalidateRect(child, nullptr, FALSE);
            }
            return result;
        }
        break;
    case TWM_BACKGROUNDCHANGED:
        if (!tabPageValue_) return 0;
        [[fallthrough]];
    case TWM_REFRESHSKIN:
        GetBackgroundBitmap(TRUE);
        if (tabPageValue_)
            for (HWND child = GetWindow(hWnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
                SendMessageW(child, TWM_BACKGROUNDCHANGED, wp, lp);
        InvalidateRect(hWnd_, nullptr, TRUE);
        return 0;
    default: break;
    }
    return CTWWnd::WindowProc(msg, wp, lp);
}

LRESULT CTWDialog::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    const bool skinned = element_ && element_->GetEnabled() && active_ && IsSkinActive(skinId_);
    const LRESULT result = skinned ? DispatchSkinned(msg, wp, lp) : CTWWnd::WindowProc(msg, wp, lp);
    if (hWnd_ && IsWindow(hWnd_) && msg != WM_NCDESTROY) SetWindowLongPtrW(hWnd_, DWLP_MSGRESULT, result);
    return result;
}
