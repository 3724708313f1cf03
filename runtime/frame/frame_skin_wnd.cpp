#include "runtime/frame/frame_skin_wnd.h"

#include "base/win/gdi.h"
#include "base/win/rect.h"

#include <windowsx.h>

#include <algorithm>
#include <string>

#include "model/elements/wnd_frame.h"
#include "model/font.h"
#include "model/mrg_bitmap.h"
#include "model/twf_obj.h"
#include "runtime/wnd/color_dialog.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/frame/layered_caption.h"
#include "runtime/logic/frame_host.h"
#include "runtime/logic/menu_bar_layout.h"
#include "runtime/logic/outline_drag.h"
#include "runtime/frame/frame_numbers.h"
#include "runtime/frame/frame_size.h"
#include "runtime/messages.h"
#include "runtime/regions.h"
#include "runtime/runtime_state.h"
#include "runtime/text/support_unicode.h"
#include "runtime/window_helpers.h"
#include "runtime/window_rects.h"
#include "runtime/wnd/object_registry.h"

using namespace hexmoor;
using namespace hexmoor::rt;
using namespace hexmoor::win;
using namespace hexmoor::rt::frame_numbers;
namespace fp = frame_props;

namespace {

// Delphi's flat scroll bars taken away (while skinned) or given back. The
// entries are looked up in the loaded common controls at run time: not every
// import library names them.
void SetFlatScrollBars(HWND hwnd, bool on) {
    HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
    if (!comctl) return;
    using Entry = LONG(WINAPI*)(HWND); // BOOL InitializeFlatSB, HRESULT UninitializeFlatSB
    const auto entry = reinterpret_cast<Entry>(
        reinterpret_cast<void*>(GetProcAddress(comctl, on ? "InitializeFlatSB" : "UninitializeFlatSB")));
    if (entry) entry(hwnd);
}

} // namespace

namespace {
// The frame's window procedure as a kind of subclasser, with a
// current-message record of its own (apart from the common procedure's).
struct FrameProcedure {
    using Owner = CFrameSkinWnd;
    static constexpr WNDPROC Entry = &FrameWndProc;
    static CFrameSkinWnd* Find(HWND hwnd) {
        CFrameSkinWnd* frame = GetFrameSkinWnd(hwnd);
        return frame && frame->GetSafeHwnd() == hwnd ? frame : nullptr;
    }
    static LRESULT Handle(CFrameSkinWnd& frame, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        const LRESULT result = frame.WindowProc(msg, wp, lp);
        // The window's properties go with it, and so does the record of it.
        if (msg == WM_NCDESTROY) UnregisterWindowObject(hwnd, &frame, WindowObjectRole::Frame);
        return result;
    }
};
} // namespace

LRESULT CALLBACK FrameWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return RunSubclassed<FrameProcedure>(hwnd, msg, wp, lp);
}

const MSG& CFrameSkinWnd::CurrentFrameMessage() const { return CurrentRecord<FrameProcedure>(); }

CFrameSkinWnd* GetFrameSkinWnd(HWND hwnd) {
    return static_cast<CFrameSkinWnd*>(FindWindowObject(hwnd, WindowObjectRole::Frame));
}

void CFrameSkinWnd::RecordOn(HWND hwnd) {
    SetPropA(hwnd, kFrameObjectProp, this);
    RegisterWindowObject(hwnd, this, WindowObjectRole::Frame);
}

CFrameSkinWnd::CFrameSkinWnd(HWND hwnd) {
    hot_ = pressed_ = kNoButton;
    if (hwnd) RecordOn(hwnd);
}

CFrameSkinWnd::~CFrameSkinWnd() { DeleteSidePainters(); }

// --- attach and detach ------------------------------------------------------

BOOL CFrameSkinWnd::Attach(HWND hwnd, int) {
    if (hWnd_) return TRUE;
    if (!hwnd || !IsWindow(hwnd)) return FALSE;
    hWnd_ = hwnd;
    RecordOn(hwnd);
    // Our procedure may still be in the chain from an earlier frame.
    subclass_.Install(hwnd, &FrameWndProc);
    type_ = 2;
    return TRUE;
}

void CFrameSkinWnd::Detach() {
    if (!hWnd_ || !IsWindow(hWnd_)) {
        subclass_.Remove();
        hWnd_ = nullptr;
        return;
    }
    if (bar_) {
        bar_->Detach();
        DeleteWhenUnwound(std::move(bar_));
        bar_.reset();
    }
    for (HWND ancestor = GetAncestor(hWnd_, GA_PARENT); ancestor; ancestor = GetAncestor(ancestor, GA_PARENT)) {
        if (CFrameSkinWnd* frame = GetFrameSkinWnd(ancestor)) std::erase(frame->childFrames_, hWnd_);
        if (ancestor == GetDesktopWindow()) break;
    }
    childFrames_.clear();
    DeleteSidePainters();
    subclass_.Remove();
    UnregisterWindowObject(hWnd_, this, WindowObjectRole::Frame);
    if (GetPropA(hWnd_, kFrameObjectProp) == this) RemovePropA(hWnd_, kFrameObjectProp);
    hWnd_ = nullptr;
}

void CFrameSkinWnd::Reattach() { subclass_.Reinstall(); }

LRESULT CFrameSkinWnd::Default() {
    const MSG& current = CurrentFrameMessage();
    return DefWindowProc(current.message, current.wParam, current.lParam);
}

void CFrameSkinWnd::InitMode(const char* className) {
    CTWWnd::InitMode(className);
    char name[256] = {};
    if (hWnd_) GetClassNameA(hWnd_, name, sizeof name);
    mode_ = BYTE(FrameHostKind(mode_, name));
}

// --- painters and borders -----------------------------------------------------

void CFrameSkinWnd::LayoutMenuBar(BOOL refresh) {
    if (!hWnd_) return;
    pictureValid_ = false;
    const bool child = (GetWindowLongPtrW(hWnd_, GWL_STYLE) & WS_CHILD) != 0;
    if (!bar_ && !child && IsMenu(GetMenu(hWnd_))) bar_ = std::make_unique<CTWWndMenu>(hWnd_);
    if (!bar_) return;
    bar_->SetSkinObject(element_);
    bar_->SetSkinId(skinId_);
    bar_->SetActive(active_, scope_);
    if (IsSkinningOn())
        bar_->AttachMenuBar(refresh);
    else
        bar_->DetachMenuBar(refresh);
}

void CFrameSkinWnd::CreateSidePainters() {
    DeleteSidePainters();
    const auto* frame = dynamic_cast<const CTwfWndFrame*>(element_);
    if (!frame) return;
    regionKind_ = int(frame->GetNumber(fp::kRegionShape));
    const Point corner = PairOf(frame, fp::kRoundRectSize);
    cornerSize_ = {corner.x, corner.y};
    outline_ = int(frame->GetNumber(fp::kContentWhileDragging));
    painters_[0] = std::make_unique<SidePainter>(Side::Top, frame);
    painters_[1] = std::make_unique<SidePainter>(Side::Bottom, frame);
    painters_[2] = std::make_unique<SidePainter>(Side::Left, frame);
    painters_[3] = std::make_unique<SidePainter>(Side::Right, frame);
    // Semitransparent sides float over the borders in layered windows (MDI
    // children never use them).
    const bool mdiChild = (GetWindowLongPtrW(hWnd_, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
    if (frame->GetNumber(fp::kSemitransparency) && !mdiChild && active_ && frame->GetEnabled() && VersionCode() >= 6) {
        const Side sides[4] = {Side::Top, Side::Bottom, Side::Left, Side::Right};
        for (int i = 0; i < 4; ++i) {
            alpha_[std::size_t(i)] = std::make_unique<CTWFrameAlphaSide>(this, sides[i]);
            alpha_[std::size_t(i)]->Create();
            alpha_[std::size_t(i)]->SetActive(activeLook_);
        }
        PlaceAlphaSides();
    }
}

void CFrameSkinWnd::DeleteSidePainters() {
    backBuffer_.Reset();
    pictureValid_ = false;
    for (auto& a : alpha_) a.reset();
    for (auto& p : painters_) p.reset();
    regionKind_ = 0;
    cornerSize_ = {0, 0};
}

void CFrameSkinWnd::GetRect(RECT* out) const {
    if (!out) return;
    const FrameBorders b = Borders();
    *out = {b.left, b.top, b.right, b.bottom};
}

FrameBorders CFrameSkinWnd::Borders() const {
    if (!painters_[0] || !painters_[1] || !painters_[2] || !painters_[3]) return {};
    return {painters_[2]->Thickness(), painters_[0]->Thickness(), painters_[3]->Thickness(), painters_[1]->Thickness()};
}

Rect CFrameSkinWnd::ShownRect(const Rect& r) const { return IsRTL() ? MirrorInWidth(r, WindowSize().cx) : r; }

SIZE CFrameSkinWnd::WindowSize() const {
    const CWindowRect r(hWnd_);
    return {r.Width(), r.Height()};
}

// --- enabling and skin changes --------------------------------------------------

BOOL CFrameSkinWnd::Enable(BOOL on) {
    // The client area to keep, read before anything recomputes the frame
    // (giving the theme back does).
    RECT client{0, 0, 0, 0};
    if (hWnd_) GetClientRect(hWnd_, &client);
    CTWWnd::Enable(on);
    if (!hWnd_) return TRUE;
    const FrameSwitchSteps steps = FrameSwitchPlan(mode_, on != FALSE);
    if (on) {
        CreateSidePainters();
        LayoutMenuBar(FALSE);
        GetWindowRect(hWnd_, &savedWindow_);
        savedClient_ = client;
        activeLook_ = GetActiveWindow() == hWnd_;
        if (steps.keepWindowSize) {
            SetWindowPos(hWnd_, nullptr, 0, 0, savedWindow_.right - savedWindow_.left,
                         savedWindow_.bottom - savedWindow_.top, kSizeOnly);
        } else {
            const FrameFitRequest fit{savedClient_, FALSE};
            SizeSkinnedFrameToClient(nullptr, hWnd_, &fit);
        }
        SetWindowPos(hWnd_, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        if (!IsIconic(hWnd_)) UpdateRegion();
        if (steps.flatScrollBars < 0) SetFlatScrollBars(hWnd_, false);
        // The host refits its client area itself, once it has seen the new frame.
        if (steps.deferredSize)
            SendMessageW(hWnd_, TWM_DEFERREDSIZE, MAKEWPARAM(savedClient_.left, savedClient_.top),
                         MAKELPARAM(savedClient_.right, savedClient_.bottom));
    } else {
        DeleteSidePainters();
        if (bar_) bar_->Enable(FALSE);
        UpdateRegion();
        // The system's own frame first, then the window fitted around the
        // same client area by what that frame takes, as measured: the menu
        // row is what the system lays out (none for an empty menu under
        // Wine, more than one row for a wrapped bar).
        SetWindowPos(hWnd_, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        if (!IsZoomed(hWnd_) && !IsIconic(hWnd_)) {
            const CWindowRect window(hWnd_);
            const CClientRect now(hWnd_);
            RECT fitted = client;
            if (now.Width() > 0 && now.Height() > 0) {
                fitted.right += window.Width() - now.Width();
                fitted.bottom += window.Height() - now.Height();
            } else {
                // A window too small to show a client area under that frame.
                const DWORD style = DWORD(GetWindowLongPtrW(hWnd_, GWL_STYLE));
                const DWORD ex = DWORD(GetWindowLongPtrW(hWnd_, GWL_EXSTYLE));
                const BOOL menu = !(style & WS_CHILD) && GetMenuItemCount(GetMenu(hWnd_)) > 0;
                AdjustWindowRectEx(&fitted, style, menu, ex);
            }
            SetWindowPos(hWnd_, nullptr, 0, 0, fitted.right - fitted.left, fitted.bottom - fitted.top,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        }
        if (steps.flatScrollBars > 0) SetFlatScrollBars(hWnd_, true);
    }
    return TRUE;
}

void CFrameSkinWnd::Reset(const std::wstring& name) {
    if (name != elementName_) elementName_ = name;
    InheritParentSkin(TRUE);
    if (!hWnd_) return;
    if (IsSkinningOn()) {
        // The client area to keep, read before the new frame is laid out.
        const FrameFitRequest fit{CClientRect(hWnd_), FALSE};
        CreateSidePainters();
        LayoutMenuBar(TRUE);
        if (ResetKeepsWindowSize(mode_, regionKind_))
            SetWindowPos(
                hWnd_, nullptr, 0, 0, 0, 0,
                SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_NOSENDCHANGING);
        else
            SizeSkinnedFrameToClient(nullptr, hWnd_, &fit);
    } else {
        DeleteSidePainters();
    }
    if (!IsIconic(hWnd_)) UpdateRegion();
}

int CFrameSkinWnd::ChangeSkin(int, BOOL) {
    if (!hWnd_) return 0;
    if (IsSkinningOn())
        CreateSidePainters();
    else
        DeleteSidePainters();
    if (bar_) LayoutMenuBar(FALSE);
    if (!IsIconic(hWnd_)) UpdateRegion();
    SetWindowPos(hWnd_, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    RedrawWindow(hWnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
    return 1;
}

void CFrameSkinWnd::UpdateRegion() {
    if (!hWnd_) return;
    if (!IsSkinningOn() || !HasSidePainters()) {
        // Only a window that has a region loses it: setting none on a
        // window without one changes nothing but costs a frame change.
        RECT box;
        if (GetWindowRgnBox(hWnd_, &box) != ERROR) SetWindowRgn(hWnd_, nullptr, FALSE);
        return;
    }
    const SIZE w = WindowSize();
    HRGN region = nullptr;
    switch (regionKind_) {
    case 0: region = CreateRectRgn(0, 0, w.cx, w.cy); break;
    case 1: region = CreateRoundRectRgn(0, 0, w.cx + 1, w.cy + 1, cornerSize_.cx, cornerSize_.cy); break;
    case 2: region = CreateEllipticRgn(0, 0, w.cx + 1, w.cy + 1); break;
    case 3: {
        const FrameBorders b = Borders();
        region = CreateRectRgn(b.left, b.top, w.cx - b.right, w.cy - b.bottom);
        for (const auto& painter : painters_) {
            if (HasAlphaSides()) break; // the layered sides show the borders
            hexmoor::win::Region side(painter->BuildRegion({w.cx, w.cy}, b));
            CombineRgn(region, region, side.Get(), RGN_OR);
        }
        break;
    }
    case 4: region = painters_[0]->CopyFirstRegion(); break;
    default: break;
    }
    // The window owns the region from here on.
    SetWindowRgn(hWnd_, region, TRUE);
}

// --- non-client size -----------------------------------------------------------

LRESULT CFrameSkinWnd::CalcBorderSize(BOOL, LPARAM params) {
    pictureValid_ = false;
    // The menu may have changed since the last layout (SetMenu, items added
    // to an empty one, an MDI frame switching menus): the bar takes the one
    // the window shows now, before the system measures its row.
    LayoutMenuBar(FALSE);
    auto* rect = reinterpret_cast<RECT*>(params);
    const FrameBorders b = Borders();
    const DWORD style = DWORD(GetWindowLongPtrW(hWnd_, GWL_STYLE));
    const DWORD ex = DWORD(GetWindowLongPtrW(hWnd_, GWL_EXSTYLE));
    const DWORD reduced = ex & (WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR | WS_EX_LAYOUTRTL);
    if (!rect || (style & WS_MINIMIZE)) return Default();
    const RECT proposed = *rect;
    const int version = VersionCode();
    if (ex != reduced) SetWindowLongPtrW(hWnd_, GWL_EXSTYLE, LONG_PTR(reduced));
    if (version != 9) SetWindowLongPtrW(hWnd_, GWL_STYLE, LONG_PTR(WS_VISIBLE & style));
    const LRESULT result = Default();
    if (version != 9) SetWindowLongPtrW(hWnd_, GWL_STYLE, LONG_PTR(style));
    if (ex != reduced) SetWindowLongPtrW(hWnd_, GWL_EXSTYLE, LONG_PTR(ex));
    const NcMetrics m{GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CXDLGFRAME), GetSystemMetrics(SM_CYCAPTION)};
    Rect client = SkinnedClientRect(FromRECT(*rect), b, style, reduced, version, m);
    // Never more than the window, never inside out.
    client.left = std::clamp(client.left, int(proposed.left), int(proposed.right));
    client.right = std::clamp(client.right, client.left, int(proposed.right));
    client.top = std::clamp(client.top, int(proposed.top), int(proposed.bottom));
    client.bottom = std::clamp(client.bottom, client.top, int(proposed.bottom));
    // The skinned bar sits lower in the row the system reserved for it.
    if (bar_ && bar_->GetMenuHandle()) client.top = std::min(client.top + bar_->ClientTopShift(), client.bottom);
    *rect = ToRECT(client);
    return result;
}

// --- painting ------------------------------------------------------------------

void CFrameSkinWnd::DrawFrame(HDC target) { DrawFrame(target, nullptr, hot_, buttonState_); }

void CFrameSkinWnd::DrawFrame(HDC target, const RECT* only, int litButton, int litState) {
    const SIZE ws = WindowSize();
    if (ws.cx <= 0 || ws.cy <= 0) return;
    const Size w{ws.cx, ws.cy};
    const FrameBorders b = Borders();
    const bool minimized = IsIconic(hWnd_) != FALSE;
    MemoryDC memory(target);
    // The back buffer is made again only when the window's size changes.
    if (!backBuffer_ || backSize_.cx != w.cx || backSize_.cy != w.cy) {
        backBuffer_.Reset(CreateCompatibleBitmap(target, w.cx, w.cy));
        backSize_ = {w.cx, w.cy};
        pictureValid_ = false;
    }
    if (!memory || !backBuffer_) return;
    // Repaints of an unchanged frame copy the kept picture; a button shown
    // in a state of its own is drawn on a picture drawn again, so that the
    // sides show under its transparent parts.
    const bool lit = litButton != hot_ || litState != buttonState_;
    const bool redraw = !pictureValid_ || pictureActive_ != activeLook_ || minimized || only;
    {
        SelectGuard select(memory.Get(), backBuffer_.Get());
        if (redraw) {
            // A right-to-left frame is drawn mirrored: its layout's left is
            // the screen's right (images mirrored, text read as it should).
            SetLayout(memory.Get(), IsRTL() ? LAYOUT_RTL : 0);
            CTWDraw draw(memory.Get(), nullptr, FALSE);
            if (minimized) {
                if (const CMrgBitmap* image = element_ ? element_->GetImage(fp::kMinimizedImage) : nullptr) {
                    const RECT all{0, 0, w.cx, w.cy};
                    if (image->IsGdiplus()) draw.PatBlt(&all, WHITENESS);
                    draw.StretchImage(&all, image, nullptr);
                }
            } else {
                for (const auto& painter : painters_) painter->Draw(draw, w, b, !activeLook_);
            }
            draw.Release();
            DrawCaption(memory.Get(), {0, 0}, false, litButton, litState);
            if (bar_ && bar_->GetMenuHandle()) bar_->DrawInto(memory.Get());
            pictureValid_ = !minimized && !lit;
            pictureActive_ = activeLook_;
            // Copied out as it lies in the buffer (a mirrored source would
            // be read back mirrored).
            SetLayout(memory.Get(), 0);
        }

        SavedDC saved(target);
        // The picture is already as the screen shows it: the window DC of a
        // right-to-left window must not mirror it again.
        if (GetLayout(target) & LAYOUT_RTL) SetLayout(target, 0);
        if (!minimized) {
            const RECT client = ClientRectInWindow(hWnd_);
            ExcludeClipRect(target, client.left, client.top, client.right, client.bottom);
        }
        if (only) IntersectClipRect(target, only->left, only->top, only->right, only->bottom);
        BitBlt(target, 0, 0, w.cx, w.cy, memory.Get(), 0, 0, SRCCOPY);
    }
}

// --- messages ---------------------------------------------------------------------

LRESULT CFrameSkinWnd::DefaultWithoutSystemPaint() {
    const LONG_PTR style = GetWindowLongPtrW(hWnd_, GWL_STYLE);
    LRESULT result;
    if (style & WS_VISIBLE) {
        SetWindowLongPtrW(hWnd_, GWL_STYLE, style & ~LONG_PTR(WS_VISIBLE));
        result = Default();
        SetWindowLongPtrW(hWnd_, GWL_STYLE, GetWindowLongPtrW(hWnd_, GWL_STYLE) | WS_VISIBLE);
    } else {
        result = Default();
    }
    PaintBorder(nullptr);
    return result;
}

LRESULT CFrameSkinWnd::UnskinnedWindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_MOVE:
    case WM_SIZE: {
        const LRESULT result = Default();
        MoveChildFrames();
        return result;
    }
    case WM_ACTIVATE: ActivateChildFrames(LOWORD(wp) != WA_INACTIVE); return Default();
    case kFloatStatus:
        // A floating frame that shows its owner's activation passes it on.
        if ((GetWindowLongPtrW(hWnd_, GWL_STYLE) & kSyncActiveStyle) && wp == kFloatSyncActive)
            SendMessageW(GetParent(hWnd_), TWM_SYNCACTIVE, 1, LPARAM(hWnd_));
        return Default();
    case TWM_SYNCACTIVE: ActivateChildFrames(wp != 0); return Default();
    case WM_WINDOWPOSCHANGED: {
        const LRESULT result = Default();
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(lp);
        if (pos && !(pos->flags & SWP_NOZORDER)) ActivateChildFrames(true);
        return result;
    }
    default: return Default();
    }
}

LRESULT CFrameSkinWnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (!IsSkinningOn() || !HasSidePainters()) return UnskinnedWindowProc(msg, wp, lp);
    switch (msg) {
    case WM_NCCALCSIZE: return CalcBorderSize(BOOL(wp), lp);
    case WM_NCPAINT: return PaintBorder(nullptr);
    case WM_NCACTIVATE: return OnNcActivate(BOOL(wp));
    case WM_ACTIVATE: return OnActivate(wp, lp);
    case WM_SETTEXT:
    case WM_SETICON: return OnSetTextOrIcon();
    case WM_NCHITTEST: return OnNcHitTest(wp, lp);
    case WM_SIZE: return OnSize(wp, lp);
    case WM_SHOWWINDOW:
        if (wp) TakeDockBarLook();
        [[fallthrough]];
    case WM_MOVE:
    case WM_WINDOWPOSCHANGED: {
        const LRESULT result = Default();
        const auto* pos = msg == WM_WINDOWPOSCHANGED ? reinterpret_cast<const WINDOWPOS*>(lp) : nullptr;
        // A frame change renders the sides and gives their regions again.
        UpdateAlphaSides(msg == WM_SHOWWINDOW ? (wp ? 1 : 0) : -1, pos && (pos->flags & SWP_FRAMECHANGED));
        if (msg == WM_MOVE) MoveChildFrames();
        if (pos && !(pos->flags & SWP_NOZORDER)) PlaceAlphaSides();
        if (msg == WM_WINDOWPOSCHANGED) GrowForDirectUiChild();
        return result;
    }
    case TWM_DEFERREDSIZE: return OnDeferredSize(wp, lp);
    case WM_GETMINMAXINFO: return OnGetMinMaxInfo(lp);
    case WM_MOUSEMOVE: return OnMouseMove(wp, lp);
    case WM_MOUSELEAVE: return OnMouseLeave();
    case WM_LBUTTONDOWN: return OnLButtonDown(wp, lp);
    case WM_LBUTTONUP: return OnLButtonUp(wp, lp);
    case WM_NCLBUTTONDOWN: return OnNcLButtonDown(wp, lp);
    case WM_NCLBUTTONDBLCLK:
        if (lastHit_ == HTCAPTION && CaptionButtonFromScreen({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}) != kNoButton)
            return 0;
        return Default();
    case WM_NCMOUSEMOVE:
        if (hot_ != kNoButton && pressed_ == kNoButton) {
            RedrawCaptionButton(hot_, 0);
            hot_ = kNoButton;
            buttonState_ = 0;
        }
        return Default();
    case WM_SYSCOMMAND: return OnSysCommand(wp, lp);
    case WM_INITMENUPOPUP:
    case WM_CHILDACTIVATE: {
        pictureValid_ = false;
        const LRESULT result = Default();
        PaintBorder(nullptr);
        return result;
    }
    case WM_ENTERSIZEMOVE: return OnEnterSizeMove();
    case WM_EXITSIZEMOVE: return OnExitSizeMove();
    case WM_SIZING:
    case WM_MOVING: return OnSizingOrMoving(msg, wp, lp);
    case 0xAE: // the system's themed caption and frame drawing requests
    case 0xAF: return 0;
    default: return Default();
    }
}

LRESULT CFrameSkinWnd::OnNcActivate(BOOL active) {
    activeLook_ = active != FALSE;
    for (auto& side : alpha_)
        if (side) side->SetActive(activeLook_);
    // lParam -1 keeps the system from drawing its own frame.
    const LRESULT result = DefWindowProc(WM_NCACTIVATE, active, LPARAM(-1));
    PaintBorder(nullptr);
    return result;
}

LRESULT CFrameSkinWnd::OnActivate(WPARAM wp, LPARAM) {
    // A frame that shows its owner's activation always looks active.
    const bool look = LOWORD(wp) != WA_INACTIVE || (GetWindowLongPtrW(hWnd_, GWL_STYLE) & kSyncActiveStyle) != 0;
    const LRESULT result = Default();
    if (look != activeLook_) {
        activeLook_ = look;
        SetAlphaSidesActive(activeLook_);
        PaintBorder(nullptr);
    }
    ActivateChildFrames(activeLook_);
    return result;
}

LRESULT CFrameSkinWnd::OnSetTextOrIcon() {
    pictureValid_ = false;
    const LRESULT result = DefaultWithoutSystemPaint();
    if (alpha_[0]) alpha_[0]->Rerender();
    return result;
}

LRESULT CFrameSkinWnd::OnSize(WPARAM type, LPARAM) {
    pictureValid_ = false;
    const LRESULT result = Default();
    if (type == SIZE_MINIMIZED) {
        UpdateAlphaSides(0, false);
        SetWindowRgn(hWnd_, nullptr, FALSE);
    } else {
        UpdateAlphaSides(-1, false);
        MoveChildFrames();
        UpdateRegion();
        // A docking bar floating in this frame fills its client area.
        if (HWND bar = DockBarGrandchild()) {
            const CClientRect client(hWnd_);
            SetWindowPos(bar, nullptr, 0, 0, client.Width(), client.Height(), kSizeOnly);
        }
    }
    return result;
}

LRESULT CFrameSkinWnd::OnGetMinMaxInfo(LPARAM lp) {
    Default();
    auto* info = reinterpret_cast<MINMAXINFO*>(lp);
    if (!info) return 0;
    const CWindowRect wr(hWnd_);
    const CClientRect cr(hWnd_);
    MinMaxInput in;
    in.window = {wr.Width(), wr.Height()};
    in.client = {cr.Width(), cr.Height()};
    in.cxMin = GetSystemMetrics(SM_CXMIN);
    in.borders = Borders();
    in.sideRegions = regionKind_ == 3;
    if (in.sideRegions) {
        in.leftRegionLength = painters_[2]->RegionLength();
        in.rightRegionLength = painters_[3]->RegionLength();
    }
    in.mdiChild = (GetWindowLongPtrW(hWnd_, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
    const MinMaxResult r = SkinnedMinMax(in, {info->ptMinTrackSize.x, info->ptMinTrackSize.y});
    info->ptMinTrackSize = {r.minTrack.cx, r.minTrack.cy};
    if (r.setMaxPosition) info->ptMaxPosition = {r.maxPosition.x, r.maxPosition.y};
    return 0;
}

LRESULT CFrameSkinWnd::OnNcHitTest(WPARAM, LPARAM lp) {
    const CWindowRect wr(hWnd_);
    const POINT screen{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    NcHitInput in;
    in.window = {wr.Width(), wr.Height()};
    in.borders = Borders();
    // A mirrored frame shows its right side on the screen's left: the sizing
    // bands are as wide as the sides drawn there.
    if (IsRTL()) std::swap(in.borders.left, in.borders.right);
    in.client = FromRECT(ClientRectInWindow(hWnd_));
    // The bar and the icon are laid out in the frame's own layout, which a
    // right-to-left frame shows mirrored; the point is where the screen has it.
    if (bar_ && bar_->GetMenuHandle()) in.menuBar = ShownRect(bar_->BarRect());
    in.sysMenuIcon = ShownRect(FromRECT(CaptionIconRect()));
    in.style = DWORD(GetWindowLongPtrW(hWnd_, GWL_STYLE));
    in.sizingEdge = GetSystemMetrics(SM_CYFRAME);
    in.cornerLength = GetSystemMetrics(SM_CXSIZE) + GetSystemMetrics(SM_CXFRAME);
    const Point p{screen.x - wr.left, screen.y - wr.top};
    in.captionButton = HitTestCaptionButtons(p, ButtonsInput());
    NcHitResult r = SkinnedNcHitTest(p, in);
    if (r.answer == HTMENU) r.answer = HTCAPTION;
    if ((in.style & WS_THICKFRAME) && regionKind_ == 3 && (r.answer == HTNOWHERE || r.answer == HTCAPTION)) {
        hexmoor::win::Region window(CreateRectRgn(0, 0, 0, 0));
        bool inRing = false;
        if (GetWindowRgn(hWnd_, window.Get()) != ERROR) {
            const int fx = GetSystemMetrics(SM_CXFRAME), fy = GetSystemMetrics(SM_CYFRAME);
            const float sx = in.window.cx ? float(in.window.cx - 2 * fx) / float(in.window.cx) : 1.0f;
            const float sy = in.window.cy ? float(in.window.cy - 2 * fy) / float(in.window.cy) : 1.0f;
            hexmoor::win::Region inner(ScaleRegion(window.Get(), sx, sy));
            if (inner) {
                OffsetRgn(inner.Get(), fx, fx);
                CombineRgn(window.Get(), window.Get(), inner.Get(), RGN_XOR);
                inRing = PtInRegion(window.Get(), p.x, p.y) != FALSE;
            }
        }
        r.answer = r.lastHit = RefineShapedBorderHit(r.answer, p, in.window, inRing);
    }
    lastHit_ = WORD(r.lastHit);
    return r.answer;
}

LRESULT CFrameSkinWnd::OnNcLButtonDown(WPARAM hitCode, LPARAM lp) {
    switch (hitCode) {
    case HTSYSMENU: {
        const CWindowRect wr(hWnd_);
        const Rect icon = ShownRect(FromRECT(CaptionIconRect()));
        ShowSystemMenu(wr.left + icon.left, wr.top + icon.bottom);
        return 0;
    }
    case HTMENU:
    case HTMINBUTTON:
    case HTMAXBUTTON:
    case HTCLOSE:
    case HTHELP: return 0; // the frame and the bar track these themselves
    default: {
        (void)lp;
        const LRESULT result = Default();
        PaintBorder(nullptr);
        return result;
    }
    }
}

LRESULT CFrameSkinWnd::OnSysCommand(WPARAM wp, LPARAM lp) {
    switch (wp & 0xFFF0) {
    case SC_KEYMENU:
        if (lp == ' ') {
            const CWindowRect wr(hWnd_);
            ShowSystemMenu(wr.left + GetSystemMetrics(SM_CXSMICON) / 2, wr.top + GetSystemMetrics(SM_CYSMICON) / 2);
        }
        return 0; // the menu bar, when there is one, handles its keys itself
    case SC_MOUSEMENU: return 0;
    default: {
        const LRESULT result = Default();
        if (IsWindow(hWnd_)) PaintBorder(nullptr);
        return result;
    }
    }
}
