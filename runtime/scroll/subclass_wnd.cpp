#include "runtime/scroll/subclass_wnd.h"

#include <map>
#include <memory>
#include <mutex>

#include "runtime/logic/scroll_geometry.h"
#include "runtime/messages.h"
#include "runtime/scroll/scroll_engine.h"

using namespace hexmoor;
using namespace hexmoor::rt;

namespace {
LRESULT CALLBACK SubclassHookWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
} // namespace

// The hooks on one window: one procedure of ours on the window, the newest
// hook first.
struct HookChain {
    hexmoor::rt::Subclass subclass;
    CSubclassWnd* newest = nullptr;
};

// The process-wide map from a window to its chain of hooks; guarded, since
// the runtime serves several GUI threads.
class SubclassMap {
public:
    static SubclassMap& Get() {
        static SubclassMap map;
        return map;
    }

    HookChain* Chain(HWND hwnd) const {
        const std::lock_guard<std::mutex> lock(lock_);
        const auto it = chains_.find(hwnd);
        return it == chains_.end() ? nullptr : it->second;
    }

    void Add(HWND hwnd, CSubclassWnd* hook) {
        HookChain* chain = Chain(hwnd);
        if (!chain) {
            auto made = std::make_unique<HookChain>();
            // A window whose procedure cannot be replaced gets no hook.
            if (!made->subclass.Install(hwnd, &SubclassHookWndProc)) return;
            chain = made.release();
            const std::lock_guard<std::mutex> lock(lock_);
            chains_[hwnd] = chain;
        }
        hook->next_ = chain->newest;
        hook->chain_ = chain;
        chain->newest = hook;
    }

    void Remove(CSubclassWnd* hook) {
        HookChain* chain = hook->chain_;
        if (!chain) return;
        if (chain->newest == hook) {
            chain->newest = hook->next_;
        } else {
            for (CSubclassWnd* h = chain->newest; h; h = h->next_) {
                if (h->next_ == hook) {
                    h->next_ = hook->next_;
                    break;
                }
            }
        }
        hook->next_ = nullptr;
        hook->chain_ = nullptr;
        if (chain->newest) return;
        // The last hook went: our procedure comes off the window (or stays
        // forwarding under a later subclasser), and the chain is freed once
        // no call of it is on the stack.
        const HWND hwnd = chain->subclass.Window();
        chain->subclass.Remove();
        {
            const std::lock_guard<std::mutex> lock(lock_);
            chains_.erase(hwnd);
        }
        hexmoor::rt::DeleteWhenUnwound(std::unique_ptr<HookChain>(chain));
    }

private:
    mutable std::mutex lock_;
    std::map<HWND, HookChain*> chains_;
};

namespace {

// The hooks' procedure as a kind of subclasser, with a current-message
// record of its own. At WM_NCDESTROY every hook lets go before the window's
// own procedure gets the message.
struct HookProcedure {
    using Owner = HookChain;
    static constexpr WNDPROC Entry = &SubclassHookWndProc;
    static HookChain* Find(HWND hwnd) { return SubclassMap::Get().Chain(hwnd); }
    static LRESULT Handle(HookChain& chain, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg != WM_NCDESTROY) return chain.newest->WindowProc(msg, wp, lp);
        const SubclassLink previous = chain.subclass.Link();
        while (HookChain* c = SubclassMap::Get().Chain(hwnd)) c->newest->HookWindow(nullptr);
        return CallSavedProc(previous, hwnd, msg, wp, lp);
    }
};

LRESULT CALLBACK SubclassHookWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return RunSubclassed<HookProcedure>(hwnd, msg, wp, lp);
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
    return chain_ ? chain_->subclass.CallPrevious(hwnd_, msg, wp, lp) : CallSavedProc({}, hwnd_, msg, wp, lp);
}

BOOL CSubclassWnd::HookWindow(HWND hwnd) {
    if (hwnd) {
        if (hwnd_) return TRUE;
        hwnd_ = hwnd;
        SubclassMap::Get().Add(hwnd, this);
    } else if (hwnd_) {
        SubclassMap::Get().Remove(this);
        hwnd_ = nullptr;
    }
    return TRUE;
}

LRESULT CSubclassWnd::Default() {
    const MSG& current = CurrentRecord<HookProcedure>();
    return CSubclassWnd::WindowProc(current.message, current.wParam, current.lParam);
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
