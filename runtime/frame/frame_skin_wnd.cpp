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
#include "runtime/controls/color_dialog.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/frame/layered_caption.h"
#include "runtime/logic/frame_host.h"
#include "runtime/manager/controls_manager.h"
#include "runtime/logic/menu_bar_layout.h"
#include "runtime/logic/outline_drag.h"
#include "runtime/manager/frame_size.h"
#include "runtime/messages.h"
#include "runtime/regions.h"
#include "runtime/runtime_state.h"
#include "runtime/text/support_unicode.h"
#include "runtime/window_rects.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/wnd/orphan_links.h"

using namespace hexmoor;
using namespace hexmoor::rt;
using namespace hexmoor::win;

namespace {

// Frame element numbers.
constexpr WORD kRegionKind = 483, kCornerSize = 553, kSemitransparency = 773, kOutline = 774;
constexpr WORD kTextLocation = 484, kTextHidden = 487, kIconLocation = 488, kTextOffset = 557, kIconOffset = 558;
constexpr WORD kTextColour = 482, kButtonAlignment = 685, kMinimizedImage = 486;
// Per button (minimize, maximize, close, help): offset, minimised offset, size.
constexpr WORD kButtonOffset[4] = {490, 491, 489, 492};
constexpr WORD kButtonMinOffset[4] = {556, 555, 554, 0};
constexpr WORD kButtonSize[4] = {550, 551, 493, 552};
// The style bit of a floating frame that shows its owner's activation, and
// the floating-status request that asks it to.
constexpr LONG_PTR kSyncActiveStyle = 0x100;
constexpr UINT kFloatStatus = 0x036D;
constexpr WPARAM kFloatSyncActive = 0x40;
// A floating frame that holds a docking bar: the style bit it carries and the
// property its bar (the frame's grandchild) is marked with.
constexpr LONG_PTR kDockFrameStyle = 0x2000;
constexpr char kDockBarProp[] = "DockBarProp";
// Resized in place: no move, no z-order change, no activation.
constexpr UINT kSizeOnly = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;

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

Point PairOf(const CTwfObj* e, WORD id) {
    if (!e || !id) return {};
    const DWORD v = e->GetNumber(id);
    return {short(LOWORD(v)), short(HIWORD(v))};
}

} // namespace

// Keeps the frame's nesting count and its own current-message record for the
// length of one call.
class FrameProcScope {
public:
    FrameProcScope(CFrameSkinWnd* frame, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
        : frame_(frame), saved_(frame->current_) {
        ++frame_->depth_;
        frame_->current_.hwnd = hwnd;
        frame_->current_.message = msg;
        frame_->current_.wParam = wp;
        frame_->current_.lParam = lp;
    }
    ~FrameProcScope() {
        frame_->current_ = saved_;
        --frame_->depth_;
        FreeIfUnwound(frame_);
    }
    FrameProcScope(const FrameProcScope&) = delete;
    FrameProcScope& operator=(const FrameProcScope&) = delete;

private:
    CFrameSkinWnd* frame_;
    MSG saved_;
};

LRESULT CALLBACK FrameWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    CFrameSkinWnd* frame = GetFrameSkinWnd(hwnd);
    // A frame that let go while a later subclasser still leads here: on to
    // the procedure the frame replaced.
    if (!frame || frame->GetSafeHwnd() != hwnd) return ForwardOrphanMessage(hwnd, &FrameWndProc, msg, wp, lp);
    FrameProcScope scope(frame, hwnd, msg, wp, lp);
    const LRESULT result = frame->WindowProc(msg, wp, lp);
    // The window's properties go with it, and so does the record of it.
    if (msg == WM_NCDESTROY) UnregisterWindowObject(hwnd, frame, WindowObjectRole::Frame);
    return result;
}

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
    oldProc_ = AttachWindowProc(hwnd, &FrameWndProc);
    type_ = 2;
    return TRUE;
}

void CFrameSkinWnd::Detach() {
    if (!hWnd_ || !IsWindow(hWnd_)) {
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
    DetachWindowProc(hWnd_, &FrameWndProc, oldProc_);
    UnregisterWindowObject(hWnd_, this, WindowObjectRole::Frame);
    if (GetPropA(hWnd_, kFrameObjectProp) == this) RemovePropA(hWnd_, kFrameObjectProp);
    hWnd_ = nullptr;
}

void CFrameSkinWnd::Reattach() {
    if (!hWnd_ || !oldProc_.previous) return;
    if (IsCurrentWindowProc(hWnd_, &FrameWndProc, oldProc_.wide)) return;
    oldProc_ = InstallWindowProc(hWnd_, &FrameWndProc);
}

LRESULT CFrameSkinWnd::Default() { return DefWindowProc(current_.message, current_.wParam, current_.lParam); }

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
    regionKind_ = int(frame->GetNumber(kRegionKind));
    const Point corner = PairOf(frame, kCornerSize);
    cornerSize_ = {corner.x, corner.y};
    outline_ = int(frame->GetNumber(kOutline));
    painters_[0] = std::make_unique<SidePainter>(Side::Top, frame);
    painters_[1] = std::make_unique<SidePainter>(Side::Bottom, frame);
    painters_[2] = std::make_unique<SidePainter>(Side::Left, frame);
    painters_[3] = std::make_unique<SidePainter>(Side::Right, frame);
    // Semitransparent sides float over the borders in layered windows (MDI
    // children never use them).
    const bool mdiChild = (GetWindowLongPtrW(hWnd_, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
    if (frame->GetNumber(kSemitransparency) && !mdiChild && active_ && frame->GetEnabled() && VersionCode() >= 6) {
        const Side sides[4] = {Side::Top, Side::Bottom, Side::Left, Side::Right};
        for (int i = 0; i < 4; ++i) {
            alpha_[std::size_t(i)] = std::make_unique<CTWFrameAlphaSide>(this, sides[i]);
            alpha_[std::size_t(i)]->Create();
            alpha_[std::size_t(i)]->SetActive(activeLook_);
        }
        PlaceAlphaSides();
    }
}

CTWFrameAlphaSide* CFrameSkinWnd::AlphaSide(Side side) const {
    switch (side) {
    case Side::Top: return alpha_[0].get();
    case Side::Bottom: return alpha_[1].get();
    case Side::Left: return alpha_[2].get();
    default: return alpha_[3].get();
    }
}

void CFrameSkinWnd::RegisterWithAncestors() {
    if (!hWnd_) return;
    HWND desktop = GetDesktopWindow();
    for (HWND ancestor = GetAncestor(hWnd_, GA_PARENT); ancestor && ancestor != desktop;
         ancestor = GetAncestor(ancestor, GA_PARENT)) {
        CFrameSkinWnd* frame = GetFrameSkinWnd(ancestor);
        if (frame && frame != this &&
            std::find(frame->childFrames_.begin(), frame->childFrames_.end(), hWnd_) == frame->childFrames_.end())
            frame->childFrames_.push_back(hWnd_);
    }
}

namespace {
BOOL CALLBACK CollectFrameChild(HWND child, LPARAM lp) {
    auto* list = reinterpret_cast<std::vector<HWND>*>(lp);
    if (GetFrameSkinWnd(child) && std::find(list->begin(), list->end(), child) == list->end()) list->push_back(child);
    return TRUE;
}
} // namespace

void CFrameSkinWnd::CollectChildFrames() {
    if (!hWnd_) return;
    // EnumChildWindows walks every descendant, not only direct children.
    EnumChildWindows(hWnd_, &CollectFrameChild, reinterpret_cast<LPARAM>(&childFrames_));
}

void CFrameSkinWnd::MoveChildFrames() {
    for (HWND child : std::vector<HWND>(childFrames_))
        if (CFrameSkinWnd* frame = GetFrameSkinWnd(child)) frame->UpdateAlphaSides(-1, false);
}

void CFrameSkinWnd::ActivateChildFrames(bool active) {
    for (HWND child : std::vector<HWND>(childFrames_))
        if (CFrameSkinWnd* frame = GetFrameSkinWnd(child)) frame->SetAlphaSidesActive(active);
}

void CFrameSkinWnd::SetAlphaSidesActive(bool active) {
    for (auto& side : alpha_)
        if (side) side->SetActive(active);
}

void CFrameSkinWnd::PlaceAlphaSides() {
    for (auto& side : alpha_)
        if (side) side->PlaceInZOrder();
}

void CFrameSkinWnd::UpdateAlphaSides(int show, bool force) {
    for (auto& side : alpha_)
        if (side) side->UpdatePosition(show, force);
}

void CFrameSkinWnd::DrawSide(CTWDraw& draw, Side side, bool inactive, Point origin) const {
    const int index = side == Side::Top ? 0 : side == Side::Bottom ? 1 : side == Side::Left ? 2 : 3;
    if (!painters_[std::size_t(index)]) return;
    const SIZE w = WindowSize();
    painters_[std::size_t(index)]->Draw(draw, {w.cx, w.cy}, Borders(), inactive, origin, true);
}

HRGN CFrameSkinWnd::BuildSideOutline(Side side) const {
    const int index = side == Side::Top ? 0 : side == Side::Bottom ? 1 : side == Side::Left ? 2 : 3;
    if (!painters_[std::size_t(index)]) return nullptr;
    const SIZE w = WindowSize();
    return painters_[std::size_t(index)]->BuildRegion({w.cx, w.cy}, Borders());
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

CaptionButtonsInput CFrameSkinWnd::ButtonsInput() const {
    CaptionButtonsInput in;
    in.windowWidth = WindowSize().cx;
    in.style = DWORD(GetWindowLongPtrW(hWnd_, GWL_STYLE));
    in.exStyle = DWORD(GetWindowLongPtrW(hWnd_, GWL_EXSTYLE));
    in.alignLeft = element_ && element_->GetNumber(kButtonAlignment) == 1;
    for (int b = 0; b < 4; ++b) {
        const Point size = PairOf(element_, kButtonSize[b]);
        in.buttons[b] = {{size.x, size.y}, PairOf(element_, kButtonOffset[b]), PairOf(element_, kButtonMinOffset[b])};
    }
    return in;
}

HFONT CFrameSkinWnd::GetFont(BOOL* owned) {
    if (owned) *owned = FALSE;
    if (element_ && element_->GetFont()) return element_->GetFont()->GetSafeHandle();
    if (!ownedFont_) {
        LOGFONTW lf{};
        if (SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof lf, &lf, 0)) {
            lf.lfWeight = FW_BOLD;
            ownedFont_.Reset(CreateFontIndirectW(&lf));
        }
    }
    if (ownedFont_) return ownedFont_.Get();
    HFONT f = reinterpret_cast<HFONT>(SendMessageW(hWnd_, WM_GETFONT, 0, 0));
    return f ? f : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HICON CFrameSkinWnd::CaptionIcon() const {
    if (!(GetWindowLongPtrW(hWnd_, GWL_STYLE) & WS_SYSMENU)) return nullptr;
    auto icon = [this](WPARAM kind) {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(hWnd_, WM_GETICON, kind, 0, SMTO_ABORTIFHUNG, 200, &result);
        return reinterpret_cast<HICON>(result);
    };
    if (HICON i = icon(ICON_SMALL)) return i;
    if (HICON i = reinterpret_cast<HICON>(GetClassLongPtrW(hWnd_, GCLP_HICONSM))) return i;
    if (HICON i = icon(ICON_BIG)) return i;
    return reinterpret_cast<HICON>(GetClassLongPtrW(hWnd_, GCLP_HICON));
}

RECT CFrameSkinWnd::CaptionTextRect() const {
    if (!painters_[0]) return {};
    const SIZE w = WindowSize();
    const FrameBorders b = Borders();
    return ToRECT(CaptionTextBox(ButtonsInput(), SideRect(Side::Top, {w.cx, w.cy}, b), b.top));
}

RECT CFrameSkinWnd::CaptionIconRect() const {
    if (!painters_[0] || !element_ || element_->GetNumber(kTextHidden) == 1 || !CaptionIcon()) return {};
    CaptionTextInput in;
    in.box = FromRECT(CaptionTextRect());
    in.textLocation = int(element_->GetNumber(kTextLocation));
    in.iconLocation = int(element_->GetNumber(kIconLocation));
    in.textOffset = PairOf(element_, kTextOffset);
    in.iconOffset = PairOf(element_, kIconOffset);
    in.minimized = IsIconic(hWnd_) != FALSE;
    in.hasIcon = true;
    in.cxFrame = GetSystemMetrics(SM_CXFRAME);
    in.cyFrame = GetSystemMetrics(SM_CYFRAME);
    in.cxSmallIcon = GetSystemMetrics(SM_CXSMICON);
    const CaptionTextPlacement p = PlaceCaptionText(in);
    return {p.icon.x, p.icon.y, p.icon.x + GetSystemMetrics(SM_CXSMICON), p.icon.y + GetSystemMetrics(SM_CYSMICON)};
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
    *rect = ToRECT(client);
    return result;
}

// --- painting ------------------------------------------------------------------

LRESULT CFrameSkinWnd::PaintBorder(HDC dc) {
    if (!hWnd_ || !HasSidePainters()) return 0;
    if (dc) {
        DrawFrame(dc);
    } else {
        WindowDC window(hWnd_, true);
        if (window) DrawFrame(window.Get());
    }
    return 0;
}

void CFrameSkinWnd::DrawFrame(HDC target) {
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
    // Repaints of an unchanged frame copy the kept picture.
    const bool redraw = !pictureValid_ || pictureActive_ != activeLook_ || minimized;
    {
        SelectGuard select(memory.Get(), backBuffer_.Get());
        if (redraw) {
            // A right-to-left frame is drawn mirrored: its layout's left is
            // the screen's right (images mirrored, text read as it should).
            SetLayout(memory.Get(), IsRTL() ? LAYOUT_RTL : 0);
            CTWDraw draw(memory.Get(), nullptr, FALSE);
            if (minimized) {
                if (const CMrgBitmap* image = element_ ? element_->GetImage(kMinimizedImage) : nullptr) {
                    const RECT all{0, 0, w.cx, w.cy};
                    if (image->IsGdiplus()) draw.PatBlt(&all, WHITENESS);
                    draw.StretchImage(&all, image, nullptr);
                }
            } else {
                for (const auto& painter : painters_) painter->Draw(draw, w, b, !activeLook_);
            }
            draw.Release();
            DrawCaption(memory.Get(), {0, 0});
            if (bar_ && bar_->GetMenuHandle()) bar_->DrawInto(memory.Get());
            pictureValid_ = !minimized;
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
        BitBlt(target, 0, 0, w.cx, w.cy, memory.Get(), 0, 0, SRCCOPY);
    }
}

namespace {
bool ElementHasImage(int id, const void* ctx) { return static_cast<const CTwfObj*>(ctx)->HasImage(WORD(id)) != FALSE; }
} // namespace

void CFrameSkinWnd::DrawCaptionButton(HDC dc, int button, int state, Point origin) {
    const CaptionButtonsInput in = ButtonsInput();
    const Rect r = CaptionButtonRect(button, in);
    if (r.IsEmpty() || !element_) return;
    const int id = CaptionButtonImageId(button, state, activeLook_, in.style, &ElementHasImage, element_);
    const CMrgBitmap* image = element_->GetImage(WORD(id));
    if (!image) return;
    CTWDraw draw(dc, nullptr, FALSE);
    const RECT dest = ToRECT(r.Offset(origin.x, origin.y));
    draw.StretchImage(&dest, image, nullptr);
}

void CFrameSkinWnd::DrawCaption(HDC dc, Point origin, bool layered, int litButton, int litState) {
    if (!element_ || !painters_[0]) return;
    for (int button : {kCloseButton, kMaximizeButton, kMinimizeButton, kHelpButton})
        DrawCaptionButton(dc, button, button == litButton ? litState : 0, origin);
    if (element_->GetNumber(kTextHidden) == 1) return;

    RECT box = CaptionTextRect();
    OffsetRect(&box, origin.x, origin.y);
    HICON icon = CaptionIcon();
    const RECT iconRect = CaptionIconRect();
    if (icon && !IsRectEmpty(&iconRect)) {
        RECT at = iconRect;
        OffsetRect(&at, origin.x, origin.y);
        if (!layered || !DrawLayeredIcon(dc, icon, at))
            DrawIconEx(dc, at.left, at.top, icon, at.right - at.left, at.bottom - at.top, 0, nullptr, DI_NORMAL);
    }

    CUnicodeString read;
    CSupportUnicode(hWnd_, this).GetWindowTextAW(read);
    const std::wstring text = read.GetBuffer() ? std::wstring(read.GetBuffer(), read.GetLength()) : std::wstring();
    if (text.empty()) return;
    BOOL owned = FALSE;
    HFONT font = GetFont(&owned);
    SelectGuard select(dc, font);
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = ::SetTextColor(dc, element_->GetColor(kTextColour));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &extent);
    CaptionTextInput in;
    in.box = FromRECT(box);
    in.textLocation = int(element_->GetNumber(kTextLocation));
    in.iconLocation = int(element_->GetNumber(kIconLocation));
    in.textOffset = PairOf(element_, kTextOffset);
    in.iconOffset = PairOf(element_, kIconOffset);
    in.textWidth = extent.cx;
    in.minimized = IsIconic(hWnd_) != FALSE;
    in.hasIcon = icon != nullptr;
    in.cxFrame = GetSystemMetrics(SM_CXFRAME);
    in.cyFrame = GetSystemMetrics(SM_CYFRAME);
    in.cxSmallIcon = GetSystemMetrics(SM_CXSMICON);
    const CaptionTextPlacement p = PlaceCaptionText(in);
    RECT textRect{p.text.x, p.text.y, box.right, box.bottom};
    if (!layered || !DrawLayeredText(dc, text, textRect, font, element_->GetColor(kTextColour)))
        DrawTextW(dc, text.c_str(), int(text.size()), &textRect, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    ::SetTextColor(dc, oldColour);
    ::SetBkMode(dc, oldMode);
    if (owned) DeleteObject(font);
}

void CFrameSkinWnd::RedrawCaptionButton(int button, int state) {
    pictureValid_ = false;
    if (button < 0 || button >= kNoButton || !IsWindowVisible(hWnd_)) return;
    if (HasAlphaSides()) {
        // The top side shows exactly this button in this state (the frame's
        // hot button may not have changed yet).
        alpha_[0]->SetCaptionButtonState(state, button);
        return;
    }
    WindowDC dc(hWnd_, true);
    if (dc) DrawCaptionButton(dc.Get(), button, state, {0, 0});
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

HWND CFrameSkinWnd::DockBarGrandchild() const {
    if (!(GetWindowLongPtrW(hWnd_, GWL_STYLE) & kDockFrameStyle)) return nullptr;
    HWND child = GetWindow(hWnd_, GW_CHILD);
    HWND grandchild = child ? GetWindow(child, GW_CHILD) : nullptr;
    return grandchild && GetPropA(grandchild, kDockBarProp) ? grandchild : nullptr;
}

void CFrameSkinWnd::TakeDockBarLook() {
    HWND bar = DockBarGrandchild();
    CFrameSkinWnd* barFrame = bar ? GetFrameSkinWnd(bar) : nullptr;
    if (!barFrame) return;
    // The floating frame looks like the bar it holds: the bar's element, and
    // the frame laid out again for it.
    elementName_ = barFrame->GetElementName();
    Enable(FALSE);
    SetSkinObject(FindSkinElement(WORD(type_), elementName_));
    Enable(TRUE);
    const SIZE w = WindowSize();
    SetWindowPos(hWnd_, nullptr, 0, 0, w.cx, w.cy, kSizeOnly);
}

void CFrameSkinWnd::GrowForDirectUiChild() {
    HWND child = GetWindow(hWnd_, GW_CHILD);
    if (!child) return;
    char name[256] = {};
    GetClassNameA(child, name, sizeof name);
    const CClientRect inner(child), own(hWnd_);
    if (!FrameGrowsForChild(VersionCode(), name, {inner.Width(), inner.Height()}, {own.Width(), own.Height()})) {
        directUiAsked_ = {0, 0};
        return;
    }
    // Once per size of the child: a frame held smaller (by its host's
    // limits) would otherwise ask again after every change it makes.
    if (inner.Width() == directUiAsked_.cx && inner.Height() == directUiAsked_.cy) return;
    directUiAsked_ = {inner.Width(), inner.Height()};
    PostMessageW(hWnd_, TWM_DEFERREDSIZE, MAKEWPARAM(inner.left, inner.top), MAKELPARAM(inner.right, inner.bottom));
}

LRESULT CFrameSkinWnd::OnDeferredSize(WPARAM wp, LPARAM lp) {
    // The colour dialog keeps the size it chose for itself.
    if (!dynamic_cast<CTWColorDialog*>(GetSkinnedWindowObject(hWnd_))) {
        const FrameFitRequest fit{{LOWORD(wp), HIWORD(wp), LOWORD(lp), HIWORD(lp)}, FALSE};
        SizeSkinnedFrameToClient(nullptr, hWnd_, &fit);
    }
    return 1;
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

int CFrameSkinWnd::CaptionButtonFromScreen(POINT screen) const {
    const CWindowRect wr(hWnd_);
    return HitTestCaptionButtons({screen.x - wr.left, screen.y - wr.top}, ButtonsInput());
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

BOOL CFrameSkinWnd::ShowSystemMenu(int x, int y) {
    HMENU menu = GetSystemMenu(hWnd_, FALSE);
    if (!menu) return FALSE;
    const UINT command =
        UINT(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, x, y, 0, hWnd_, nullptr));
    PaintBorder(nullptr);
    if (command) PostMessageW(hWnd_, WM_SYSCOMMAND, command, MAKELPARAM(x, y));
    return TRUE;
}

LRESULT CFrameSkinWnd::OnMouseMove(WPARAM, LPARAM) {
    if (lastHit_ != HTCAPTION && GetCapture() != hWnd_) return Default();
    POINT cursor;
    GetCursorPos(&cursor);
    const int under = CaptionButtonFromScreen(cursor);
    if (GetCapture() == hWnd_ && pressed_ != kNoButton) {
        // While a button is held, it looks pressed only with the cursor over it.
        const int state = under == pressed_ ? 2 : 0;
        if (state != buttonState_ || hot_ != pressed_) {
            hot_ = pressed_;
            buttonState_ = state;
            RedrawCaptionButton(pressed_, state);
        }
        return 0;
    }
    if (under != hot_) {
        if (hot_ != kNoButton) RedrawCaptionButton(hot_, 0);
        hot_ = under;
        buttonState_ = under != kNoButton ? 1 : 0;
        if (under != kNoButton) RedrawCaptionButton(under, 1);
    }
    if (hot_ != kNoButton && !tracking_) {
        TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, hWnd_, 0};
        tracking_ = TrackMouseEvent(&t) != FALSE;
    }
    if (under != kNoButton) return 0;
    return Default();
}

LRESULT CFrameSkinWnd::OnMouseLeave() {
    tracking_ = false;
    if (hot_ != kNoButton && pressed_ == kNoButton) {
        RedrawCaptionButton(hot_, 0);
        hot_ = kNoButton;
        buttonState_ = 0;
    }
    return Default();
}

LRESULT CFrameSkinWnd::OnLButtonDown(WPARAM, LPARAM) {
    POINT cursor;
    GetCursorPos(&cursor);
    const int under = lastHit_ == HTCAPTION ? CaptionButtonFromScreen(cursor) : kNoButton;
    if (under == kNoButton) return Default();
    pressed_ = hot_ = under;
    buttonState_ = 2;
    SetCapture(hWnd_);
    RedrawCaptionButton(under, 2);
    return 0;
}

LRESULT CFrameSkinWnd::OnLButtonUp(WPARAM, LPARAM lp) {
    if (pressed_ == kNoButton) return Default();
    POINT cursor;
    GetCursorPos(&cursor);
    const int under = CaptionButtonFromScreen(cursor);
    const int pressed = pressed_;
    pressed_ = kNoButton;
    if (GetCapture() == hWnd_) ReleaseCapture();
    RedrawCaptionButton(pressed, under == pressed ? 1 : 0);
    hot_ = under == pressed ? pressed : kNoButton;
    buttonState_ = hot_ != kNoButton ? 1 : 0;
    if (under != pressed) return 0;
    UINT command = 0;
    switch (pressed) {
    case kMinimizeButton: command = IsIconic(hWnd_) ? SC_RESTORE : SC_MINIMIZE; break;
    case kMaximizeButton: command = IsZoomed(hWnd_) ? SC_RESTORE : SC_MAXIMIZE; break;
    case kCloseButton:
        if (GetPropA(hWnd_, "DockBarProp")) return DefWindowProc(WM_NCLBUTTONUP, HTCLOSE, lp);
        command = SC_CLOSE;
        break;
    case kHelpButton: command = SC_CONTEXTHELP; break;
    default: return 0;
    }
    PostMessageW(hWnd_, WM_SYSCOMMAND, command, lp);
    return 0;
}

// --- outline move and size -------------------------------------------------------

bool CFrameSkinWnd::UsesOutlineDrag() const { return outline_ != 0 || (HasAlphaSides() && !AlphaFramesAccelerated); }

namespace {

// The window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    HWND parent = GetAncestor(hwnd, GA_PARENT);
    if (parent && parent != GetDesktopWindow()) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

} // namespace

LRESULT CFrameSkinWnd::OnEnterSizeMove() {
    if (UsesOutlineDrag()) {
        SetCapture(hWnd_);
        outlineTracking_ = true;
        SetRectEmpty(&outlineRect_);
        SetRectEmpty(&lastOutline_);
    }
    return Default();
}

LRESULT CFrameSkinWnd::OnSizingOrMoving(UINT msg, WPARAM, LPARAM lp) {
    auto* proposed = reinterpret_cast<RECT*>(lp);
    if (!outlineTracking_ || !proposed || !UsesOutlineDrag()) return Default();
    RECT window;
    GetWindowRect(hWnd_, &window);
    if (IsRectEmpty(&outlineRect_)) outlineRect_ = RectInParent(hWnd_);
    if (msg == WM_SIZING) {
        // The system proposes each step from the rectangle it was given back
        // last time, which is always the window's own: the difference is this
        // step's change alone.
        outlineRect_ = ToRECT(OutlineAfterSizing(FromRECT(outlineRect_), FromRECT(*proposed), FromRECT(window)));
    } else {
        outlineRect_ = ToRECT(
            OutlineAfterMoving(FromRECT(outlineRect_), {proposed->left, proposed->top}, {window.left, window.top}));
    }
    DrawDragOutline(false);
    // The window itself stays where it is until the drag ends.
    *proposed = window;
    if (msg == WM_SIZING) return Default();
    return 0;
}

LRESULT CFrameSkinWnd::OnExitSizeMove() {
    if (outlineTracking_) {
        // Drawing the outline once more takes it off the screen.
        if (!IsRectEmpty(&lastOutline_)) DrawDragOutline(true);
        const RECT target = outlineRect_;
        outlineTracking_ = false;
        SetRectEmpty(&outlineRect_);
        SetRectEmpty(&lastOutline_);
        if (!IsRectEmpty(&target))
            SetWindowPos(hWnd_, nullptr, target.left, target.top, target.right - target.left,
                         target.bottom - target.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
        UpdateRegion();
        if (GetCapture() == hWnd_) ReleaseCapture();
    }
    if (regionKind_ == 4) {
        POINT cursor;
        GetCursorPos(&cursor);
        ScreenToClient(hWnd_, &cursor);
        SendMessageW(hWnd_, WM_LBUTTONUP, 0, MAKELPARAM(cursor.x, cursor.y));
    }
    return Default();
}

void CFrameSkinWnd::DrawDragOutline(bool noPrevious) {
    if (!outlineTracking_ && IsRectEmpty(&outlineRect_)) return;
    // Pending paints first, so that none lands on top of the outline and
    // leaves half of it behind.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageW(&msg);
    HWND parent = GetAncestor(hWnd_, GA_PARENT);
    if (!parent) parent = GetDesktopWindow();
    HDC dc = GetDCEx(parent, nullptr, DCX_WINDOW | DCX_CACHE);
    if (!dc) return;
    // The parent's window DC starts at its window's top-left, the outline
    // is in its client coordinates.
    RECT pw;
    GetWindowRect(parent, &pw);
    POINT client{0, 0};
    ClientToScreen(parent, &client);
    const int dx = client.x - pw.left, dy = client.y - pw.top;
    HBRUSH brush = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    HGDIOBJ old = SelectObject(dc, brush);
    auto xorOutline = [&](const RECT& r) {
        const OutlineStrips s = DragOutlineStrips(FromRECT(r).Offset(dx, dy), 3);
        for (const Rect& strip : s.strips)
            if (!strip.IsEmpty()) PatBlt(dc, strip.left, strip.top, strip.Width(), strip.Height(), PATINVERT);
    };
    if (!noPrevious && !IsRectEmpty(&lastOutline_)) xorOutline(lastOutline_);
    xorOutline(outlineRect_);
    SelectObject(dc, old);
    ReleaseDC(parent, dc);
    lastOutline_ = outlineRect_;
}
