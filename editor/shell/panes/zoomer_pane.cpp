#include "editor/shell/panes/zoomer_pane.h"

#include <windowsx.h>

#include <vector>

#include "base/win/dib.h"
#include "base/win/gdi.h"
#include "base/win/rect.h"
#include "editor/shell/panes/zoomer_logic.h"
#include "framework/application.h"
#include "resources/zoomer_ids.h"

namespace hexmoor::shell {
namespace {

constexpr UINT_PTR kFollowTimer = 1;
constexpr KeyColor kGrey{192, 192, 192};
constexpr int kFactors[3] = {2, 4, 8};

// Added in one message: the bar lays itself out once, not once per button.
void AddCheckButtons(HWND bar, int count) {
    std::vector<TBBUTTON> buttons(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        TBBUTTON& tb = buttons[static_cast<std::size_t>(i)];
        tb.iBitmap = i;
        tb.idCommand = i;
        tb.fsState = TBSTATE_ENABLED;
        tb.fsStyle = BTNS_CHECKGROUP;
    }
    SendMessageW(bar, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
}

int ButtonHeight(HWND bar) { return HIWORD(SendMessageW(bar, TB_GETBUTTONSIZE, 0, 0)); }

} // namespace

CPanelZoomer::CPanelZoomer(std::function<void()> close)
    : close_(std::move(close)),
      modeBar_(SIZE{20, 20}, 2, kGrey),
      zoomBar_(SIZE{20, 20}, 3, kGrey),
      screenW_(GetSystemMetrics(SM_CXSCREEN)),
      screenH_(GetSystemMetrics(SM_CYSCREEN)) {}

CPanelZoomer::~CPanelZoomer() {
    EraseSourceFrame();
    if (Handle() && timer_) KillTimer(Handle(), kFollowTimer);
    if (magnifier_) DestroyCursor(magnifier_);
}

int CPanelZoomer::OnCreate(CREATESTRUCTW*) {
    horizontal_.Create(Handle(), 1, preview::Ruler::Orientation::Horizontal, 2);
    vertical_.Create(Handle(), 2, preview::Ruler::Orientation::Vertical, 2);
    magnifier_ = static_cast<HCURSOR>(
        LoadImageW(fw::ResourceModule(), MAKEINTRESOURCEW(IDC_ZOOMER_MAGNIFIER), IMAGE_CURSOR, 32, 32, 0));
    // The bars keep the width OnSize gives them. Not aligned to the parent,
    // a toolbar keeps its width on Windows, but Wine's stretches it to the
    // pane's width: the mode bar then lay over the factor bar and took its
    // clicks. Without resizing, the height is the button height OnSize sets.
    const DWORD style = WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NOPARENTALIGN |
                        CCS_NORESIZE | CCS_TOP;
    modeBar_.CreateIn(Handle(), IDC_ZOOMER_MODE_BAR, style);
    modeBar_.LoadImages(IDB_ZOOMER_MODE, IDB_ZOOMER_MODE, IDB_ZOOMER_MODE);
    AddCheckButtons(modeBar_.Handle(), 2);
    zoomBar_.CreateIn(Handle(), IDC_ZOOMER_FACTOR_BAR, style);
    zoomBar_.LoadImages(IDB_ZOOMER_FACTOR, IDB_ZOOMER_FACTOR, IDB_ZOOMER_FACTOR);
    AddCheckButtons(zoomBar_.Handle(), 3);
    SendMessageW(modeBar_.Handle(), TB_CHECKBUTTON, 0, TRUE);
    SetMode(kFollow);
    SendMessageW(zoomBar_.Handle(), TB_CHECKBUTTON, 0, TRUE);
    zoom_ = 2;
    return 0;
}

void CPanelZoomer::OnSize(UINT, int cx, int cy) {
    if (modeBar_.Handle()) MoveWindow(modeBar_.Handle(), 0, 3, 56, ButtonHeight(modeBar_.Handle()), TRUE);
    if (zoomBar_.Handle()) MoveWindow(zoomBar_.Handle(), 64, 3, cx, ButtonHeight(zoomBar_.Handle()), TRUE);
    if (horizontal_.Handle()) MoveWindow(horizontal_.Handle(), kPictureLeft, 34, cx + 1 - kPictureLeft, 18, TRUE);
    if (vertical_.Handle()) MoveWindow(vertical_.Handle(), 0, kPictureTop, kPictureLeft, cy + 1 - kPictureTop, TRUE);
    pictureW_ = cx - kPictureLeft;
    pictureH_ = cy - kPictureTop;
}

void CPanelZoomer::SetMode(int mode) {
    EraseSourceFrame();
    mode_ = mode;
    FollowWhileShown(Handle() && (GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_VISIBLE));
}

// A hidden Zoomer polls nothing; shown again (after its own close button
// too) it follows again.
void CPanelZoomer::FollowWhileShown(bool shown) {
    const bool want = mode_ == kFollow && shown && Handle();
    if (want && !timer_) {
        timer_ = SetTimer(Handle(), kFollowTimer, 10, nullptr) != 0;
    } else if (!want && timer_) {
        KillTimer(Handle(), kFollowTimer);
        timer_ = false;
    }
}

void CPanelZoomer::OnShownChanged(bool shown) { FollowWhileShown(shown); }

void CPanelZoomer::SetZoom(int factor) {
    zoom_ = factor;
    for (preview::Ruler* ruler : {&horizontal_, &vertical_}) {
        ruler->SetZoom(factor);
        if (ruler->Handle())
            RedrawWindow(ruler->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}

void CPanelZoomer::OnTimer(UINT_PTR) {
    POINT p;
    if (!GetCursorPos(&p)) return;
    if (p.x == last_.x && p.y == last_.y) return;
    DrawZoom();
    last_ = p;
}

void CPanelZoomer::DrawZoom() {
    POINT p{};
    GetCursorPos(&p);
    DrawZoomAt(p);
}

void CPanelZoomer::DrawZoomAt(POINT cursor) {
    if (!Handle()) return;
    EraseSourceFrame();
    RECT client;
    GetClientRect(Handle(), &client);
    const int W = client.right - kPictureLeft, H = client.bottom - kPictureTop;
    if (W <= 0 || H <= 0 || zoom_ <= 0) return;
    pictureW_ = W;
    pictureH_ = H;
    const int f = zoom_;
    centre_ = ClampZoomCentre(Point{cursor.x, cursor.y}, W, H, f, screenW_, screenH_);
    if (tracking_) ShowSourceFrame();
    source_ = ZoomSourceRect(centre_, W, H, f);
    const int w = W / f, h = H / f;
    if (w <= 0 || h <= 0) return;

    win::MemoryDC small(nullptr);
    win::Bitmap smallBitmap(win::CreateScreenBitmap(w, h));
    win::SelectGuard smallSel(small.Get(), smallBitmap.Get());
    {
        const win::WindowDC screen(nullptr);
        BitBlt(small.Get(), 0, 0, w, h, screen.Get(), source_.left, source_.top, SRCCOPY | CAPTUREBLT);
    }
    const win::WindowDC targetDC(Handle());
    HDC target = targetDC.Get();
    win::MemoryDC big(target);
    win::Bitmap bigBitmap(win::CreateScreenBitmap(W, H));
    win::SelectGuard bigSel(big.Get(), bigBitmap.Get());
    SetStretchBltMode(big.Get(), COLORONCOLOR);
    StretchBlt(big.Get(), 0, 0, w * f, h * f, small.Get(), 0, 0, w, h, SRCCOPY);
    // What lies beyond whole enlarged pixels stays black, as does the
    // pane's own picture: the pane never magnifies itself.
    if (w * f < W) PatBlt(big.Get(), w * f, 0, W - w * f, H, BLACKNESS);
    if (h * f < H) PatBlt(big.Get(), 0, h * f, W, H - h * f, BLACKNESS);
    RECT own{};
    GetClientRect(Handle(), &own);
    MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&own), 2);
    own.left += kPictureLeft;
    own.top += kPictureTop;
    const Rect black = ZoomBlackOut(source_, FromRECT(own), f, W, H);
    if (!black.IsEmpty()) PatBlt(big.Get(), black.left, black.top, black.Width(), black.Height(), BLACKNESS);
    BitBlt(target, kPictureLeft, kPictureTop, W, H, big.Get(), 0, 0, SRCCOPY);
    if (mode_ == kFollow) {
        PatBlt(target, W / 2 + 8, H / 2 + kPictureTop, 20, 1, DSTINVERT);
        PatBlt(target, W / 2 + kPictureLeft, H / 2 + 42, 1, 20, DSTINVERT);
    }
}

// The pick frame is drawn by inverting the screen, so erasing it means
// inverting exactly the rectangle drawn, whatever the pane's size or factor
// has become since.
void CPanelZoomer::ShowSourceFrame() {
    EraseSourceFrame();
    if (mode_ != kPick || pictureW_ <= 0 || pictureH_ <= 0 || zoom_ <= 0) return;
    const int halfW = pictureW_ / (2 * zoom_), halfH = pictureH_ / (2 * zoom_);
    shownFrame_ = Rect{centre_.x - halfW - 2, centre_.y - halfH - 2, centre_.x + halfW + 2, centre_.y + halfH + 2};
    InvertFrame(*shownFrame_);
}

void CPanelZoomer::EraseSourceFrame() {
    if (!shownFrame_) return;
    InvertFrame(*shownFrame_);
    shownFrame_.reset();
}

void CPanelZoomer::InvertFrame(const Rect& frame) {
    const int l = frame.left, t = frame.top, r = frame.right, b = frame.bottom;
    win::WindowDC screen(nullptr);
    PatBlt(screen.Get(), l, t, r - l, 1, DSTINVERT);
    PatBlt(screen.Get(), l, b - 1, r - l, 1, DSTINVERT);
    PatBlt(screen.Get(), l, t + 1, 1, b - t - 2, DSTINVERT);
    PatBlt(screen.Get(), r - 1, t + 1, 1, b - t - 2, DSTINVERT);
}

void CPanelZoomer::SetMagnifierCursor() {
    previous_ = SetCursor(magnifier_ ? magnifier_ : LoadCursorW(nullptr, IDC_CROSS));
    cursorSet_ = true;
}

void CPanelZoomer::RestoreCursor() {
    SetCursor(previous_);
    cursorSet_ = false;
}

bool CPanelZoomer::OnClose() {
    FollowWhileShown(false);
    if (close_) close_();
    return true;
}

void CPanelZoomer::OnToolbarClick(HWND bar) {
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(bar, &p);
    const int index = static_cast<int>(SendMessageW(bar, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&p)));
    if (index < 0 || SendMessageW(bar, TB_ISBUTTONHIDDEN, index, 0)) return;
    SendMessageW(bar, TB_CHECKBUTTON, index, TRUE);
    if (bar == modeBar_.Handle() && index <= 1) SetMode(index);
    if (bar == zoomBar_.Handle() && index <= 2) SetZoom(kFactors[index]);
}

bool CPanelZoomer::OnNotify(NMHDR* hdr, LRESULT& result) {
    if (hdr->code != NM_CLICK || (hdr->hwndFrom != modeBar_.Handle() && hdr->hwndFrom != zoomBar_.Handle()))
        return false;
    OnToolbarClick(hdr->hwndFrom);
    result = 0;
    return true;
}

LRESULT CPanelZoomer::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_LBUTTONDOWN:
        buttonDown_ = true;
        tracking_ = true;
        DrawZoom();
        break;
    case WM_LBUTTONUP: {
        buttonDown_ = false;
        RECT rc;
        GetClientRect(Handle(), &rc);
        const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (GetCapture() == Handle() && !PtInRect(&rc, p)) {
            ReleaseCapture();
            RestoreCursor();
        }
        EraseSourceFrame();
        tracking_ = false;
        break;
    }
    case WM_MOUSEMOVE: {
        const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (!cursorSet_ && p.y >= 56) SetMagnifierCursor();
        if (tracking_) DrawZoom();
        if (GetCapture() == Handle() && !buttonDown_) {
            horizontal_.EnableMarker(true);
            vertical_.EnableMarker(true);
            POINT screen = p;
            ClientToScreen(Handle(), &screen);
            horizontal_.TrackMarker(screen.x, screen.y);
            vertical_.TrackMarker(screen.x, screen.y);
            RECT rc;
            GetClientRect(Handle(), &rc);
            rc.top += kPictureTop;
            if (!PtInRect(&rc, p)) {
                horizontal_.TrackMarker(-1, -1);
                vertical_.TrackMarker(-1, -1);
                horizontal_.EnableMarker(false);
                vertical_.EnableMarker(false);
                ReleaseCapture();
                RestoreCursor();
            }
        } else if (GetCapture() != Handle()) {
            SetCapture(Handle());
        }
        break;
    }
    default: break;
    }
    return CPanelBase::WindowProc(msg, wp, lp);
}

} // namespace hexmoor::shell
