#include "runtime/wnd/tw_dialog.h"

#include "model/twf_obj.h"
#include "model/twf_skin.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/manager/controls_manager.h"
#include "runtime/messages.h"
#include "runtime/runtime_state.h"
#include "runtime/window_rects.h"

using namespace hexmoor::rt;

void SetWindowClassStyle(HWND hwnd, DWORD bits, bool on);

namespace {
constexpr WORD kBackgroundImage = 0;
constexpr DWORD kClassRedrawBits = CS_VREDRAW | CS_HREDRAW;

bool IsUser32Dialog(HWND hwnd) {
    const HMODULE user32 = GetModuleHandleW(L"USER32.DLL");
    return user32 && reinterpret_cast<HMODULE>(GetWindowLongPtrW(hwnd, GWLP_HINSTANCE)) == user32;
}
} // namespace

HBITMAP CTWDialog::GetBackgroundBitmap(BOOL rebuild) {
    if (!rebuild && m_background) return m_background.Get();
    m_background.Reset();
    if (!m_element || !m_element->GetEnabled() || !m_hWnd) return nullptr;
    CClientRect client(m_hWnd);
    if (client.Width() <= 0 || client.Height() <= 0) return nullptr;
    const CMrgBitmap* image = m_element->GetImage(kBackgroundImage);
    WindowDC screen(nullptr);
    BitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), client.Width(), client.Height()));
    if (!bitmap) return nullptr;
    MemoryDC dc(screen.Get());
    {
        SelectGuard select(dc.Get(), bitmap.Get());
        // What shows where the skin draws nothing: the system's dialog face,
        // never uninitialised memory.
        FillRect(dc.Get(), &client, GetSysColorBrush(COLOR_BTNFACE));
        if (m_tabPageValue) {
            CTWWnd* parent = (GetWindowLongPtrW(m_hWnd, GWL_STYLE) & WS_CHILD)
                                 ? GetSkinnedWindowObject(GetParent(m_hWnd))
                                 : nullptr;
            if (parent) {
                parent->EraseBackground(dc.Get(), m_hWnd, nullptr);
            } else {
                PatBlt(dc.Get(), 0, 0, client.Width(), client.Height(), WHITENESS);
            }
        } else {
            CTWDraw draw(dc.Get(), nullptr, FALSE);
            draw.DrawSkinImage(&client, image, FALSE, nullptr);
        }
    }
    m_background = std::move(bitmap);
    return m_background.Get();
}

LRESULT CTWDialog::EraseBackground(HDC dc, HWND child, const RECT* rect) {
    if (m_element && m_element->GetEnabled() && IsSkinActive(m_skinId)) {
        CTWDraw draw(dc, nullptr, FALSE);
        RECT area{};
        if (rect) {
            area = *rect;
            RectScreenToClient(&area, m_hWnd);
        } else if (child == m_hWnd) {
            const HBITMAP background = GetBackgroundBitmap(FALSE);
            if (!background) return 0;
            POINT origin{0, 0};
            return draw.DrawBitmapAt(&origin, background);
        } else {
            CWindowRect wr(child);
            area = wr;
            RectScreenToClient(&area, m_hWnd);
        }
        const RECT target{0, 0, area.right - area.left, area.bottom - area.top};
        if (m_active) {
            const HBITMAP background = GetBackgroundBitmap(FALSE);
            return background ? draw.BitBltBitmap(&target, background, area.left, area.top) : 0;
        }
        FillRect(dc, &target, GetSysColorBrush(COLOR_BTNFACE));
        return 0;
    }
    return SendMessageW(m_hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
}

LRESULT CTWDialog::EraseSelf(HDC dc) {
    EraseBackground(dc, m_hWnd, nullptr);
    return 1;
}

LRESULT CTWDialog::Paint(HDC) {
    if (IsUser32Dialog(m_hWnd)) {
        // A system message box paints its own contents over our background.
        PAINTSTRUCT ps;
        BeginPaint(m_hWnd, &ps);
        const LRESULT result = Default();
        EndPaint(m_hWnd, &ps);
        return result;
    }
    if (GetMode() == 2 && !m_colorDialog) {
        const LONG_PTR style = GetWindowLongPtrW(m_hWnd, GWL_STYLE);
        SetWindowLongPtrW(m_hWnd, GWL_STYLE, style | WS_CLIPCHILDREN);
        CTWDraw draw(m_hWnd, CTWDraw::kBeginPaint, nullptr, FALSE);
        SetWindowLongPtrW(m_hWnd, GWL_STYLE, style);
        EraseSelf(draw.GetDrawDC());
        return 0;
    }
    if (GetPropW(m_hWnd, MAKEINTATOM(0xA000))) {
        const LONG_PTR style = GetWindowLongPtrW(m_hWnd, GWL_STYLE);
        Default();
        SetWindowLongPtrW(m_hWnd, GWL_STYLE, style);
        return 0;
    }
    return Default();
}

BOOL CTWDialog::Enable(BOOL on) {
    CTWWnd::Enable(on);
    if (m_element && !m_element->GetEnabled()) return TRUE;
    if (on) {
        // A dialog page inside a skinned tab control takes the tab's
        // background; the tab control's object provides the value.
        if (!m_colorDialog) ChangeStyle(WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0);
        const DWORD before = DWORD(GetClassLongPtrW(m_hWnd, GCL_STYLE));
        SetWindowClassStyle(m_hWnd, kClassRedrawBits, true);
        m_classBitsAdded |= kClassRedrawBits & ~before;
    } else {
        RestoreStyles();
        if (m_classBitsAdded) SetWindowClassStyle(m_hWnd, m_classBitsAdded, false);
        m_classBitsAdded = 0;
        m_background.Reset();
    }
    return TRUE;
}

void CTWDialog::SetTabPageValue(int value) {
    m_tabPageValue = value;
    WindowProc(TWM_REFRESHSKIN, 1, 0);
    for (HWND child = GetWindow(m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (CTWWnd* object = GetSkinnedWindowObject(child)) object->WindowProc(TWM_REFRESHSKIN, 1, 0);
}

LRESULT CTWDialog::OnReflectedCtlColor(BOOL* handled, HDC dc, HWND) {
    if (m_colorDialog) return OnColorDialogCtlColor(handled, dc);
    if (m_active && IsSkinActive(m_skinId) && m_element) {
        const bool plainName = m_elementName.empty() || m_elementName == L"Default";
        if (m_element->GetEnabled() || !plainName) {
            *handled = TRUE;
            return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        }
    }
    return 0;  // not handled: the dialog's own procedure answers
}

LRESULT CTWDialog::OnColorDialogCtlColor(BOOL* handled, HDC dc) {
    if (!m_active || !IsSkinActive(m_skinId) || !m_element) return 0;
    const bool plainName = m_elementName.empty() || m_elementName == L"Default";
    if (!m_element->GetEnabled() && plainName) return 0;
    *handled = TRUE;
    CClientRect client(m_hWnd);
    if (HWND custom = GetDlgItem(m_hWnd, 702)) {
        CWindowRect wr(custom);
        RECT r = wr;
        RectScreenToClient(&r, m_hWnd);
        ExcludeClipRect(dc, r.right, r.bottom + 10, client.right, client.bottom);
    }
    for (HWND child = GetWindow(m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        CWindowRect wr(child);
        RECT r = wr;
        RectScreenToClient(&r, m_hWnd);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
    EraseSelf(dc);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

LRESULT CTWDialog::OnSizeColorDialog(WPARAM wp, LPARAM) {
    const LRESULT result = Default();
    if (!m_resizedOnce) {
        CWindowRect wr(m_hWnd);
        CClientRect client(m_hWnd);
        const int width = 2 * wr.Width() - client.Width();
        m_resizedOnce = TRUE;
        SetWindowPos(m_hWnd, nullptr, 0, 0, width, wr.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 1;
    }
    if (wp != SIZE_MINIMIZED) GetBackgroundBitmap(TRUE);
    return result;
}

void CTWDialog::Reset(const std::wstring& name) {
    if (name != m_elementName) m_elementName = name;
    if (m_element && m_element->GetOwnerSkin()) SetSkin(m_element->GetOwnerSkin(), WORD(m_type), m_elementName);
    CTWWnd::Reset(name);
}

LRESULT CTWDialog::DispatchSkinned(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SIZE:
        if (m_colorDialog) return OnSizeColorDialog(wp, lp);
        break;
    case WM_PAINT:
        return Paint(reinterpret_cast<HDC>(wp));
    case WM_ERASEBKGND:
        return EraseSelf(reinterpret_cast<HDC>(wp));
    case WM_SHOWWINDOW:
        if (m_companion && m_companion->GetSafeHwnd())
            ShowWindow(m_companion->GetSafeHwnd(), wp ? SW_SHOW : SW_HIDE);
        return Default();
    case WM_INITDIALOG:
        if (IsChooseColorDialog(m_hWnd)) {
            RestoreStyles();
            m_colorDialog = TRUE;
        }
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
        if (msg == WM_MOUSEWHEEL || (lp == 0 && !(LOWORD(wp) & SB_ENDSCROLL))) {
            const LRESULT result = CTWWnd::WindowProc(msg, wp, lp);
            InvalidateRect(m_hWnd, nullptr, TRUE);
            for (HWND child = GetTopWindow(m_hWnd); child; child = GetWindow(child, GW_HWNDNEXT)) {
                SendMessageW(child, TWM_BACKGROUNDCHANGED, 0, 0);
                InvalidateRect(child, nullptr, FALSE);
            }
            return result;
        }
        break;
    case TWM_BACKGROUNDCHANGED:
        if (!m_tabPageValue) return 0;
        [[fallthrough]];
    case TWM_REFRESHSKIN:
        GetBackgroundBitmap(TRUE);
        if (m_tabPageValue)
            for (HWND child = GetWindow(m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
                SendMessageW(child, TWM_BACKGROUNDCHANGED, wp, lp);
        InvalidateRect(m_hWnd, nullptr, TRUE);
        return 0;
    default:
        break;
    }
    return CTWWnd::WindowProc(msg, wp, lp);
}

LRESULT CTWDialog::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    const bool skinned = m_element && m_element->GetEnabled() && m_active && IsSkinActive(m_skinId);
    const LRESULT result = skinned ? DispatchSkinned(msg, wp, lp) : CTWWnd::WindowProc(msg, wp, lp);
    if (m_hWnd && IsWindow(m_hWnd) && msg != WM_NCDESTROY) SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
    return result;
}
