#include "runtime/frame/alpha_side.h"

#include "base/win/gdi.h"
#include "base/win/rect.h"

#include "model/platform/win/dib.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/frame/frame_skin_wnd.h"
#include "runtime/logic/control_types.h"
#include "runtime/regions.h"
#include "runtime/window_rects.h"

using UpdateLayeredWindowFn = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);
extern UpdateLayeredWindowFn UpdateLayeredWindowProc;

using namespace hexmoor;
using namespace hexmoor::rt;
using namespace hexmoor::win;

namespace {
constexpr char kAlphaClass[] = "TWALPHAWINDOW";
constexpr char kAlphaProp[] = "TWALPHAWINDOW";
} // namespace

CTWFrameAlphaSide::CTWFrameAlphaSide(CFrameSkinWnd* frame, Side side) : frame_(frame), side_(side) {}

CTWFrameAlphaSide::~CTWFrameAlphaSide() { Destroy(); }

BOOL CTWFrameAlphaSide::Create() {
    if (hwnd_) return TRUE;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSA wc{};
    if (!GetClassInfoA(instance, kAlphaClass, &wc)) {
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = &CTWFrameAlphaSide::Proc;
        wc.hInstance = instance;
        wc.hbrBackground = HBRUSH(5);
        wc.lpszClassName = kAlphaClass;
        if (!RegisterClassA(&wc)) return FALSE;
    }
    const RECT r = SideRectInWindow();
    const CWindowRect wr(frame_->GetSafeHwnd());
    hwnd_ = CreateWindowExA(WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TOOLWINDOW, kAlphaClass, "", WS_POPUP,
                            wr.left + r.left, wr.top + r.top, r.right - r.left, r.bottom - r.top, frame_->GetSafeHwnd(),
                            nullptr, instance, nullptr);
    if (!hwnd_) return FALSE;
    SetPropA(hwnd_, kAlphaProp, this);
    return TRUE;
}

void CTWFrameAlphaSide::Destroy() {
    if (hwnd_) {
        RemovePropA(hwnd_, kAlphaProp);
        DestroyWindow(hwnd_);
        hwnd_ = nullptr;
    }
    regionGiven_ = false;
    rendered_.Reset();
}

RECT CTWFrameAlphaSide::SideRectInWindow() const {
    const CWindowRect wr(frame_->GetSafeHwnd());
    const Size w{wr.Width(), wr.Height()};
    Rect r = SideRect(side_, w, frame_->Borders());
    if (GetWindowLongPtrW(frame_->GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL) {
        if (side_ == Side::Left) r = r.Offset(w.cx - r.Width() - r.left, 0);
        if (side_ == Side::Right) r = r.Offset(-r.left, 0);
    }
    return ToRECT(r);
}

void CTWFrameAlphaSide::UpdatePosition(int show, bool force) {
    if (!hwnd_ || busy_) return;
    busy_ = true;
    HWND frame = frame_->GetSafeHwnd();
    const CWindowRect wr(frame);
    RECT target = SideRectInWindow();
    OffsetRect(&target, wr.left, wr.top);
    const int width = target.right - target.left, height = target.bottom - target.top;
    UINT flags = SWP_NOSENDCHANGING | SWP_NOACTIVATE | SWP_NOZORDER;
    const CWindowRect current(hwnd_);
    if (!force && current.Width() == width && current.Height() == height) {
        flags |= SWP_NOSIZE;
    } else {
        rendered_.Reset();
        regionGiven_ = false;
    }
    const bool visible = show < 0 ? (IsWindowVisible(frame) && !IsIconic(frame) && width > 0 && height > 0) : show > 0;
    if (visible != (IsWindowVisible(hwnd_) != FALSE)) flags |= visible ? SWP_SHOWWINDOW : (SWP_HIDEWINDOW | SWP_NOSIZE);
    SetWindowPos(hwnd_, nullptr, target.left, target.top, width, height, flags);
    RefreshRegion(target);
    if (visible) Render(target);
    busy_ = false;
}

HRGN CTWFrameAlphaSide::OutlineInSide() const {
    HRGN region = frame_->BuildSideOutline(side_);
    if (!region) return nullptr;
    const CWindowRect wr(frame_->GetSafeHwnd());
    const Rect inLayout = SideRect(side_, {wr.Width(), wr.Height()}, frame_->Borders());
    OffsetRgn(region, -inLayout.left, -inLayout.top);
    if (!(GetWindowLongPtrW(frame_->GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL)) return region;
    // A right-to-left frame shows its sides mirrored (see Render).
    const RECT bounds{0, 0, inLayout.Width(), inLayout.Height()};
    const Region unmirrored(region);
    return MirrorRegion(unmirrored.Get(), &bounds, TRUE);
}

namespace {
bool CoversSides(HWND hwnd) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return lstrcmpiA(name, kAlphaClass) != 0 && lstrcmpiA(name, "IME") != 0 && lstrcmpiA(name, "tooltips_class32") != 0;
}
} // namespace

void CTWFrameAlphaSide::RefreshRegion(const RECT& screen) {
    HWND frame = frame_->GetSafeHwnd();
    HWND parent = GetAncestor(frame, GA_PARENT);
    const bool inParent = parent && parent != GetDesktopWindow();
    if (!inParent && regionGiven_) return;
    HRGN region = OutlineInSide();
    if (!region) return;
    if (inParent) {
        // Only what the parent's client area shows of the frame, ...
        RECT client;
        GetClientRect(parent, &client);
        MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&client), 2);
        OffsetRect(&client, -screen.left, -screen.top);
        Region shown(CreateRectRgnIndirect(&client));
        CombineRgn(region, region, shown.Get(), RGN_AND);
        // ... less every window lying above the frame's top-level window.
        HWND root = GetAncestor(frame, GA_ROOT);
        for (HWND above = GetWindow(root, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV)) {
            if (above == hwnd_ || above == root || !IsWindowVisible(above) || !CoversSides(above)) continue;
            const CWindowRect wr(above);
            Region cut(CreateRectRgn(0, 0, 0, 0));
            if (GetWindowRgn(above, cut.Get()) == ERROR) {
                cut.Reset(CreateRectRgn(0, 0, wr.Width(), wr.Height()));
            }
            OffsetRgn(cut.Get(), wr.left - screen.left, wr.top - screen.top);
            CombineRgn(region, region, cut.Get(), RGN_DIFF);
        }
    }
    // The window owns the region from here on.
    SetWindowRgn(hwnd_, region, TRUE);
    regionGiven_ = true;
}

void CTWFrameAlphaSide::PlaceInZOrder() {
    if (!hwnd_) return;
    // The sides are top-level windows: a frame inside another window is
    // placed by its top-level window.
    HWND frame = frame_->GetSafeHwnd();
    HWND root = GetAncestor(frame, GA_ROOT);
    HWND above = GetWindow(root ? root : frame, GW_HWNDPREV);
    while (above && GetPropA(above, kAlphaProp) &&
           static_cast<CTWFrameAlphaSide*>(GetPropA(above, kAlphaProp))->frame_ == frame_)
        above = GetWindow(above, GW_HWNDPREV);
    SetWindowPos(hwnd_, above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

void CTWFrameAlphaSide::SetActive(bool active) {
    active_ = active;
    rendered_.Reset();
    UpdatePosition(-1, false);
}

void CTWFrameAlphaSide::Rerender() {
    rendered_.Reset();
    UpdatePosition(-1, false);
}

void CTWFrameAlphaSide::SetCaptionButtonState(int state, int button) {
    if (button == litButton_ && state == litState_) return;
    litButton_ = button;
    litState_ = state;
    Rerender();
}

void CTWFrameAlphaSide::Render(const RECT& screen) {
    const int width = screen.right - screen.left, height = screen.bottom - screen.top;
    if (width <= 0 || height <= 0 || !UpdateLayeredWindowProc) return;
    const WindowDC screenDc(nullptr);
    MemoryDC memory(screenDc.Get());
    if (!rendered_) {
        rendered_.Reset(::CreateStandardDibSection(width, height, 32));
        if (!rendered_) return;
        SelectGuard select(memory.Get(), rendered_.Get());
        // The side is drawn where the frame's own layout has it; a
        // right-to-left frame's side is drawn mirrored (it also sits on the
        // other edge, see SideRectInWindow).
        const bool mirrored = (GetWindowLongPtrW(frame_->GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
        SetLayout(memory.Get(), mirrored ? LAYOUT_RTL : 0);
        const CWindowRect wr(frame_->GetSafeHwnd());
        const Rect inLayout = SideRect(side_, {wr.Width(), wr.Height()}, frame_->Borders());
        CTWDraw draw(memory.Get(), nullptr, FALSE);
        frame_->DrawSide(draw, side_, !active_, {-inLayout.left, -inLayout.top});
        draw.Release();
        if (side_ == Side::Top)
            frame_->DrawCaptionInto(memory.Get(), {-inLayout.left, -inLayout.top}, litButton_, litState_);
        GdiFlush();
        SetLayout(memory.Get(), 0);
    }
    SelectGuard select(memory.Get(), rendered_.Get());
    POINT at{screen.left, screen.top};
    SIZE size{width, height};
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindowProc(hwnd_, screenDc.Get(), &at, &size, memory.Get(), &source, 0, &blend, ULW_ALPHA);
    position_ = at;
}

LRESULT CALLBACK CTWFrameAlphaSide::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = static_cast<CTWFrameAlphaSide*>(GetPropA(hwnd, kAlphaProp));
    if (!self || !self->frame_) return DefWindowProcA(hwnd, msg, wp, lp);
    return self->WindowProc(msg, wp, lp);
}

namespace {
// Whether the active window is a modal dialog of the frame's own (a top-level
// window with a modal frame that the frame owns).
bool ModalDialogOfFrameActive(HWND frame) {
    HWND active = GetActiveWindow();
    if (!active || active == frame) return false;
    const LONG_PTR style = GetWindowLongPtrW(active, GWL_STYLE);
    return (style & DS_MODALFRAME) && !(style & WS_CHILD) && GetWindow(active, GW_OWNER) == frame;
}
} // namespace

LRESULT CTWFrameAlphaSide::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    HWND frame = frame_->GetSafeHwnd();
    auto foreground = [frame] {
        if (GetActiveWindow() != frame) SetForegroundWindow(frame);
    };
    // A disabled frame (one whose modal dialog is up) takes no mouse input,
    // through its sides neither: a click would otherwise press its caption
    // buttons or drag it from under the dialog.
    if (((msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || (msg >= WM_NCMOUSEMOVE && msg <= WM_NCMBUTTONDBLCLK)) &&
        !IsWindowEnabled(frame))
        return 0;
    switch (msg) {
    case WM_NCHITTEST: return SendMessageW(frame, WM_NCHITTEST, wp, lp);
    case WM_MOUSEACTIVATE:
        if (HWND(wp) != frame && IsWindowEnabled(frame) && !ModalDialogOfFrameActive(frame)) foreground();
        return MA_NOACTIVATE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCRBUTTONDBLCLK: foreground(); return SendMessageW(frame, msg, wp, lp);
    case WM_NCLBUTTONDOWN: {
        if (ModalDialogOfFrameActive(frame)) return 0;
        const LRESULT result = SendMessageW(frame, msg, wp, lp);
        foreground();
        return result;
    }
    case WM_MOUSEMOVE:
        if (side_ == Side::Top) {
            const LRESULT result = SendMessageW(frame, msg, wp, lp);
            // The leave is watched on this window, where the pointer is (the
            // frame's own watch would never see it go).
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd_, 0};
            TrackMouseEvent(&track);
            return result;
        }
        return DefWindowProcA(hwnd_, msg, wp, lp);
    case WM_SETCURSOR:
        if (side_ == Side::Top) return SendMessageW(frame, msg, WPARAM(frame), lp);
        return DefWindowProcA(hwnd_, msg, wp, lp);
    case WM_MOUSELEAVE:
        if (side_ == Side::Top) {
            // Where the pointer really left the caption: the frame lets its
            // lit button go (its own leave, which also reaches it, does not).
            const LRESULT result = SendMessageW(frame, msg, wp, lp);
            frame_->LeaveCaptionButtons();
            return result;
        }
        return DefWindowProcA(hwnd_, msg, wp, lp);
    case WM_ENABLE:
        // A Visual Basic 6 host disables every window of its thread while a
        // modal form shows; the sides stay enabled so that they keep passing
        // clicks to their frame.
        if (!wp && frame_->GetMode() == hexmoor::rt::host::kVisualBasic6) EnableWindow(hwnd_, TRUE);
        return DefWindowProcA(hwnd_, msg, wp, lp);
    default: return DefWindowProcA(hwnd_, msg, wp, lp);
    }
}
