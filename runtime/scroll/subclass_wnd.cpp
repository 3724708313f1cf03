#include "runtime/scroll/subclass_wnd.h"

#include <map>

#include "runtime/logic/scroll_geometry.h"
#include "runtime/messages.h"
#include "runtime/scroll/scroll_engine.h"
#include "runtime/wnd/orphan_links.h"

using namespace hexmoor;
using namespace hexmoor::rt;

namespace {

thread_local MSG g_current{};

LRESULT CALLBACK SubclassHookWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

} // namespace

// The process-wide map from a window to its newest hook.
class SubclassMap {
public:
    static SubclassMap& Get() {
        static SubclassMap map;
        return map;
    }

    CSubclassWnd* Newest(HWND hwnd) const {
        auto it = hooks_.find(hwnd);
        return it == hooks_.end() ? nullptr : it->second;
    }

    void Add(HWND hwnd, CSubclassWnd* hook) {
        CSubclassWnd* next = Newest(hwnd);
        hooks_[hwnd] = hook;
        hook->next_ = next;
        if (next) {
            hook->previous_ = next->previous_;
        } else {
            // Our procedure may still be in the chain from an earlier hook.
            hook->previous_ = AttachWindowProc(hwnd, &SubclassHookWndProc);
        }
    }

    void Remove(CSubclassWnd* hook) {
        const HWND hwnd = hook->hwnd_;
        auto it = hooks_.find(hwnd);
        if (it == hooks_.end()) return;
        if (it->second == hook) {
            if (hook->next_) {
                it->second = hook->next_;
            } else {
                hooks_.erase(it);
                DetachWindowProc(hwnd, &SubclassHookWndProc, hook->previous_);
            }
        } else {
            for (CSubclassWnd* h = it->second; h; h = h->next_) {
                if (h->next_ == hook) {
                    h->next_ = hook->next_;
                    break;
                }
            }
        }
        hook->next_ = nullptr;
    }

private:
    std::map<HWND, CSubclassWnd*> hooks_;
};

namespace {

LRESULT CALLBACK SubclassHookWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    SubclassMap& map = SubclassMap::Get();
    CSubclassWnd* hook = map.Newest(hwnd);
    // Our last hook went while a later subclasser still calls us: keep the
    // window alive by forwarding to the procedure we replaced.
    if (!hook) return ForwardOrphanMessage(hwnd, &SubclassHookWndProc, msg, wp, lp);
    const MSG saved = g_current;
    g_current = {hwnd, msg, wp, lp, 0, {0, 0}};
    LRESULT result;
    if (msg == WM_NCDESTROY) {
        const SubclassLink previous = hook->Previous();
        while (CSubclassWnd* h = map.Newest(hwnd)) h->HookWindow(nullptr);
        result = CallSavedProc(previous, hwnd, msg, wp, lp);
    } else {
        result = hook->WindowProc(msg, wp, lp);
    }
    g_current = saved;
    return result;
}

} // namespace

CSubclassWnd::~CSubclassWnd() {
    if (hwnd_) HookWindow(nullptr);
}

BOOL CSubclassWnd::SubclassWindow(HWND) { return FALSE; }
int CSubclassWnd::UnsubclassWindow() { return -1; }

void CSubclassWnd::SetHorzBarSize(int thickness, int arrowLength) {
    SetSkinScrollBarSize(hwnd_, 0, arrowLength, thickness);
}

void CSubclassWnd::SetVertBarSize(int thickness, int arrowLength) {
    SetSkinScrollBarSize(hwnd_, 1, arrowLength, thickness);
}

LRESULT CSubclassWnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (next_) return next_->WindowProc(msg, wp, lp);
    return CallSavedProc(previous_, hwnd_, msg, wp, lp);
}

BOOL CSubclassWnd::HookWindow(HWND hwnd) {
    if (hwnd) {
        if (hwnd_) return TRUE;
        hwnd_ = hwnd;
        SubclassMap::Get().Add(hwnd, this);
    } else if (hwnd_) {
        SubclassMap::Get().Remove(this);
        hwnd_ = nullptr;
        previous_ = {};
    }
    return TRUE;
}

LRESULT CSubclassWnd::Default() {
    return CSubclassWnd::WindowProc(g_current.message, g_current.wParam, g_current.lParam);
}

// --- the form subclasser ------------------------------------------------------

CFormScroll::~CFormScroll() = default;

BOOL CFormScroll::SubclassWindow(HWND hwnd) {
    HookWindow(hwnd);
    if (IsSkinScrollbarWindow(hwnd)) return TRUE;
    const BOOL installed = InitSkinScrollbars(hwnd, TRUE);
    if (installed) SetSkinScrollBarStyle(hwnd, 3, 2);
    return installed;
}

int CFormScroll::UnsubclassWindow() {
    const HWND hwnd = GetHwnd();
    if (!hwnd) return 0;
    const int result = int(UninitSkinScrollbars(hwnd));
    HookWindow(nullptr);
    return result;
}

LRESULT CFormScroll::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    const HWND hwnd = GetHwnd();
    if (IsSkinScrollSuspended(hwnd)) return CSubclassWnd::WindowProc(msg, wp, lp);
    switch (msg) {
    case WM_SIZE:
    case WM_MOUSEWHEEL:
        Default();
        PostMessageW(hwnd, TWM_SYNCSCROLL, 0, 0);
        return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (lp == 0) ApplyScrollCode(hwnd, msg, wp, true);
        Default();
        PostMessageW(hwnd, TWM_SYNCSCROLL, 0, 0);
        return 0;
    case TWM_STARTSKIN: SyncSkinScrollbars(hwnd, FALSE); break;
    case TWM_SYNCSCROLL: SyncSkinScrollbars(hwnd, FALSE); return 0;
    default: break;
    }
    return CSubclassWnd::WindowProc(msg, wp, lp);
}

bool ApplyScrollCode(HWND hwnd, UINT msg, WPARAM wp, bool form, bool writeReal) {
    const int bar = msg == WM_HSCROLL ? SB_HORZ : SB_VERT;
    int code = LOWORD(wp);
    const int thumb = HIWORD(wp);
    if (form && code == SB_ENDSCROLL) return false;
    if (!form && (code == SB_THUMBPOSITION || code == SB_ENDSCROLL)) code = -1; // keeps the position
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    GetScrollInfo(hwnd, bar, &si);
    const scroll::ScrollData data{si.nMin, si.nMax, si.nPage, si.nPos, si.nTrackPos};
    const scroll::CodeTarget target = scroll::PositionForCode(data, code, thumb);
    si.nPos = target.position;
    if (writeReal) {
        // The engine paints the bar: the real one is updated without drawing.
        SetScrollInfo(hwnd, bar, &si, FALSE);
    }
    SkinSetScrollInfo(hwnd, bar, &si, TRUE);
    return true;
}
