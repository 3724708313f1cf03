#include "runtime/scroll/control_scroll.h"

#include <commctrl.h>

#include "base/win/gdi.h"
#include "runtime/runtime_state.h"
#include "runtime/messages.h"
#include "runtime/scroll/scroll_engine.h"
#include "runtime/window_helpers.h"

namespace {

int ListViewStyle(HWND hwnd) { return int(GetWindowLongPtrW(hwnd, GWL_STYLE) & LVS_TYPEMASK); }

int ItemBoundsWidth(HWND hwnd, bool height) {
    RECT r{};
    r.left = LVIR_BOUNDS;
    if (!SendMessageW(hwnd, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r))) return 0;
    return height ? r.bottom - r.top : r.right - r.left;
}

} // namespace

CControlScroll::~CControlScroll() = default;

BOOL CControlScroll::SubclassWindow(HWND hwnd) {
    if (kind_ == Kind::Edit && IsSkinScrollbarWindow(hwnd)) return TRUE;
    HookWindow(hwnd);
    if (kind_ == Kind::ListBox) {
        char name[64] = {};
        GetClassNameA(hwnd, name, sizeof name);
        comboList_ = lstrcmpiA(name, "ComboLBox") == 0;
        const HWND parent = GetParent(hwnd);
        if (parent && (GetWindowLongPtrW(parent, GWL_STYLE) & 3) == CBS_SIMPLE) simpleCombo_ = parent;
    }
    const BOOL installed = InitSkinScrollbars(hwnd, TRUE);
    if (kind_ == Kind::Edit) {
        SetSkinScrollBarAutoHide(hwnd, 3, FALSE);
        SetSkinScrollBarStyle(hwnd, 3, 2);
        return TRUE;
    }
    if (installed) SetSkinScrollBarStyle(hwnd, 3, 2);
    return installed;
}

int CControlScroll::UnsubclassWindow() {
    const HWND hwnd = GetHwnd();
    if (!hwnd) return 0;
    const int result = int(UninitSkinScrollbars(hwnd));
    HookWindow(nullptr);
    if (kind_ == Kind::ListBox)
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return result;
}

LRESULT CControlScroll::DefaultThenPost(LRESULT answer, bool returnDefault) {
    const LRESULT result = Default();
    PostMessageW(GetHwnd(), hexmoor::rt::TWM_SYNCSCROLL, 0, 0);
    return returnDefault ? result : answer;
}

bool CControlScroll::ListViewThumb(int bar, int newPosition) {
    const HWND hwnd = GetHwnd();
    const int view = ListViewStyle(hwnd);
    const int current = GetScrollPos(hwnd, bar);
    if (bar == SB_HORZ) {
        if (view == LVS_REPORT || view == LVS_ICON) {
            SendMessageW(hwnd, LVM_SCROLL, WPARAM(newPosition - current), 0);
        } else if (const int w = ItemBoundsWidth(hwnd, false)) {
            SendMessageW(hwnd, LVM_SCROLL, WPARAM(w * (newPosition - current)), 0);
        }
        return true;
    }
    if (view == LVS_REPORT || view == LVS_LIST) {
        const int unit = SendMessageW(hwnd, LVM_ISGROUPVIEWENABLED, 0, 0) ? 1 : ItemBoundsWidth(hwnd, true);
        SendMessageW(hwnd, LVM_SCROLL, 0, LPARAM(unit * (newPosition - current)));
        return true;
    }
    RECT view_rect{};
    SendMessageW(hwnd, LVM_GETVIEWRECT, 0, reinterpret_cast<LPARAM>(&view_rect));
    int height = view_rect.bottom - view_rect.top;
    if (height == 0) height = ItemBoundsWidth(hwnd, true) * int(SendMessageW(hwnd, LVM_GETITEMCOUNT, 0, 0));
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE;
    GetScrollInfo(hwnd, bar, &si);
    if (si.nMax == 0) return true;
    SendMessageW(hwnd, LVM_SCROLL, 0, LPARAM(height / si.nMax * (newPosition - current)));
    return true;
}

void CControlScroll::OnScroll(UINT msg, WPARAM wp) {
    const HWND hwnd = GetHwnd();
    const int code = LOWORD(wp);
    if (kind_ == Kind::ListView) {
        const int bar = msg == WM_HSCROLL ? SB_HORZ : SB_VERT;
        const int thumb = HIWORD(wp);
        if (bar == SB_HORZ && (code == SB_THUMBTRACK || code == SB_THUMBPOSITION)) {
            if (code == SB_THUMBTRACK) ListViewThumb(bar, thumb);
            return;
        }
        if (bar == SB_VERT && code == SB_THUMBTRACK) {
            ListViewThumb(bar, thumb);
            ApplyScrollCode(hwnd, msg, wp, false);
            return;
        }
    }
    // An edit keeps its scroll data unchanged while the thumb is tracked
    // (the system's own bar would hold the track position): the real data
    // takes the dragged-to position too, or the next sync would move the
    // engine's thumb back to where the drag began.
    const bool editTrack = kind_ == Kind::Edit && code == SB_THUMBTRACK;
    ApplyScrollCode(hwnd, msg, wp, false, editTrack || (kind_ == Kind::Tree && msg == WM_VSCROLL));
    if (kind_ == Kind::ListBox && msg == WM_VSCROLL && code == SB_THUMBTRACK) {
        // Wine's list box takes the thumb from its own bar's track position,
        // which only its own tracking sets: the list is moved to the thumb's
        // item here, as Windows' list box does from the message.
        SendMessageW(hwnd, LB_SETTOPINDEX, HIWORD(wp), 0);
        return;
    }
    Default();
    if (kind_ == Kind::ListBox && code <= SB_PAGEDOWN && comboList_ && !simpleCombo_)
        InvalidateRect(hwnd, nullptr, TRUE);
    // The edit set its scroll data (and Wine drew its own bar) during the
    // default processing: the engine follows once the edit is done.
    if (kind_ == Kind::Edit) PostMessageW(hwnd, hexmoor::rt::TWM_SYNCSCROLL, 0, 0);
}

LRESULT CControlScroll::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    const HWND hwnd = GetHwnd();
    if (IsSkinScrollSuspended(hwnd)) return CSubclassWnd::WindowProc(msg, wp, lp);
    switch (msg) {
    case WM_SIZE:
    case WM_KEYDOWN:
    case WM_MOUSEWHEEL: return DefaultThenPost(0, false);
    case WM_MOUSEMOVE:
        if (kind_ == Kind::Edit) return DefaultThenPost(0, false);
        break;
    case WM_HSCROLL:
    case WM_VSCROLL: OnScroll(msg, wp); return 0;
    case hexmoor::rt::TWM_STARTSKIN:
    case hexmoor::rt::TWM_SYNCSCROLL: SyncSkinScrollbars(hwnd, FALSE); return 0;
    case WM_TIMER:
        if (kind_ == Kind::ListView || kind_ == Kind::Tree) {
            const LRESULT r = Default();
            SyncSkinScrollbars(hwnd, FALSE);
            return r;
        }
        break;
    default: break;
    }
    if (kind_ == Kind::ListBox) {
        switch (msg) {
        case LB_ADDSTRING:
        case LB_INSERTSTRING:
        case LB_DELETESTRING:
        case LB_DIR:
        case LB_SETTOPINDEX:
        case LB_SETCARETINDEX: return DefaultThenPost(0, true);
        case LB_RESETCONTENT: {
            const LRESULT r = Default();
            SendMessageW(hwnd, LB_SETHORIZONTALEXTENT, 0, 0);
            PostMessageW(hwnd, hexmoor::rt::TWM_SYNCSCROLL, 0, 0);
            return r;
        }
        case WM_SETFONT: {
            Default();
            const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
            if ((style & (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS)) == (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS)) {
                int height = int(SendMessageW(hwnd, LB_GETITEMHEIGHT, 0, 0));
                TEXTMETRICW tm{};
                {
                    const hexmoor::win::WindowDC dc(hwnd);
                    const hexmoor::win::SelectGuard selectFont(dc.Get(), hexmoor::rt::WindowFont(hwnd));
                    GetTextMetricsW(dc.Get(), &tm);
                }
                if (tm.tmHeight > height) height = tm.tmHeight;
                SendMessageW(hwnd, LB_SETITEMHEIGHT, 0, height);
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (comboList_ && !simpleCombo_) {
                // A drop list keeps the mouse after a release on its bars.
                if (lp == -1) SetCapture(hwnd);
                return 0;
            }
            return Default();
        default: break;
        }
    } else if (kind_ == Kind::ListView) {
        switch (msg) {
        case LVM_INSERTITEMA:
        case LVM_INSERTITEMW:
        case LVM_SETEXTENDEDLISTVIEWSTYLE:
        case LVM_INSERTCOLUMNA:
        case LVM_INSERTCOLUMNW:
        case LVM_SETCOLUMNWIDTH:
        case LVM_SETITEMCOUNT: {
            const LRESULT r = Default();
            SyncSkinScrollbars(hwnd, FALSE);
            return r;
        }
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lp);
            if (header && (header->code == HDN_ENDTRACKA || header->code == HDN_ENDTRACKW)) {
                const LRESULT r = hexmoor::rt::VersionCode() == 9 ? Default() : 1;
                PostMessageW(hwnd, hexmoor::rt::TWM_SYNCSCROLL, 0, 0);
                return r;
            }
            return Default();
        }
        default: break;
        }
    } else if (kind_ == Kind::Tree) {
        switch (msg) {
        case TVM_INSERTITEMA:
        case TVM_INSERTITEMW: {
            const LRESULT r = Default();
            SyncSkinScrollbars(hwnd, FALSE);
            return r;
        }
        case TVM_DELETEITEM: {
            SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
            const LRESULT r = Default();
            SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
            SyncSkinScrollbars(hwnd, FALSE);
            return r;
        }
        case WM_LBUTTONDBLCLK: return DefaultThenPost(0, false);
        case WM_LBUTTONDOWN: {
            Default();
            TVHITTESTINFO hit{};
            hit.pt = {short(LOWORD(lp)), short(HIWORD(lp))};
            SendMessageW(hwnd, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
            if (hit.flags == TVHT_ONITEMBUTTON || hit.flags == TVHT_ONITEMINDENT)
                PostMessageW(hwnd, hexmoor::rt::TWM_SYNCSCROLL, 0, 0);
            if ((hit.flags & TVHT_ONITEM) && (GetWindowLongPtrW(hwnd, GWL_STYLE) & TVS_SINGLEEXPAND))
                PostMessageW(hwnd, hexmoor::rt::TWM_SYNCSCROLL, 0, 0);
            return 0;
        }
        default: break;
        }
    }
    return CSubclassWnd::WindowProc(msg, wp, lp);
}
