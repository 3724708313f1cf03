#include "framework/docking/dock_windows.h"

#include <windowsx.h>

#include "base/win/dib.h"
#include "base/win/rect.h"
#include "framework/docking/dock_manager.h"

namespace hexmoor::fw {

namespace {

void Fill(HDC dc, const Rect& r, COLORREF c) {
    RECT rc = ToRECT(r);
    SetBkColor(dc, c);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
}

void Frame(HDC dc, const Rect& r, COLORREF c) {
    Fill(dc, {r.left, r.top, r.right, r.top + 1}, c);
    Fill(dc, {r.left, r.bottom - 1, r.right, r.bottom}, c);
    Fill(dc, {r.left, r.top, r.left + 1, r.bottom}, c);
    Fill(dc, {r.right - 1, r.top, r.right, r.bottom}, c);
}

void DrawCross(HDC dc, const Rect& r, COLORREF c) {
    hexmoor::win::Pen pen(CreatePen(PS_SOLID, 2, c));
    hexmoor::win::SelectGuard sel(dc, pen.Get());
    MoveToEx(dc, r.left + 4, r.top + 4, nullptr);
    LineTo(dc, r.right - 4, r.bottom - 4);
    MoveToEx(dc, r.right - 5, r.top + 4, nullptr);
    LineTo(dc, r.left + 3, r.bottom - 4);
}

// A docked (pinned) pane shows the pin standing, needle down; an
// auto-hidden one shows it lying on its side, needle to the left.
void DrawPin(HDC dc, const Rect& r, COLORREF c, bool pinned) {
    if (pinned) {
        int cx = (r.left + r.right) / 2;
        Frame(dc, {cx - 3, r.top + 3, cx + 3, r.top + 10}, c);
        Fill(dc, {cx - 5, r.top + 10, cx + 5, r.top + 11}, c);
        Fill(dc, {cx, r.top + 11, cx + 1, r.bottom - 2}, c);
        return;
    }
    int cy = (r.top + r.bottom) / 2;
    Frame(dc, {r.right - 10, cy - 3, r.right - 3, cy + 3}, c);
    Fill(dc, {r.right - 11, cy - 5, r.right - 10, cy + 5}, c);
    Fill(dc, {r.left + 2, cy, r.right - 11, cy + 1}, c);
}

} // namespace

bool DockGroupWindow::CreateIn(HWND frame) {
    WindowArgs a;
    a.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    a.parent = frame;
    a.classStyle = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    if (!Create(a)) return false;
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof ncm;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
    font_.Reset(CreateFontIndirectW(&ncm.lfMenuFont));
    return true;
}

void DockGroupWindow::SetGeometry(const GroupGeometry& geo) {
    geo_ = geo;
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

bool DockGroupWindow::OnPaint() {
    hexmoor::win::PaintScope ps(Handle());
    RECT rc;
    GetClientRect(Handle(), &rc);
    // Drawn off screen: the caption and tabs are repainted as a whole.
    hexmoor::win::MemoryDC mem(ps.Dc());
    hexmoor::win::Bitmap bmp(hexmoor::win::CreateScreenBitmap(rc.right, rc.bottom));
    hexmoor::win::SelectGuard sel(mem.Get(), bmp.Get());
    Draw(mem.Get());
    BitBlt(ps.Dc(), 0, 0, rc.right, rc.bottom, mem.Get(), 0, 0, SRCCOPY);
    return true;
}

void DockGroupWindow::Draw(HDC dc) {
    const LookColors& c = manager_.Colors();
    RECT rc;
    GetClientRect(Handle(), &rc);
    Rect all = FromRECT(rc);
    Fill(dc, all, c.barFace);
    HWND focus = GetFocus();
    bool active = focus && (focus == Handle() || IsChild(Handle(), focus));
    Fill(dc, geo_.caption, active ? c.captionActive : c.captionInactive);
    hexmoor::win::SelectGuard f(dc, font_.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, active ? c.captionText : c.captionTextInactive);
    std::wstring text = manager_.Caption(geo_.activePane);
    RECT tr = ToRECT(geo_.caption);
    tr.left += 6;
    tr.right = (geo_.pinButton.IsEmpty() ? geo_.closeButton.left : geo_.pinButton.left) - 2;
    DrawTextW(dc, text.c_str(), -1, &tr, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    COLORREF glyph = active ? c.captionText : c.captionTextInactive;
    DrawCross(dc, geo_.closeButton, glyph);
    if (!geo_.pinButton.IsEmpty())
        DrawPin(dc, geo_.pinButton, glyph, manager_.Layout().Mode(geo_.activePane) != PaneMode::AutoHidden);
    for (const auto& [pane, r] : geo_.tabs) {
        bool front = pane == geo_.activePane;
        Fill(dc, r, front ? c.tabActive : c.tabInactive);
        Frame(dc, r, c.barShadow);
        SetTextColor(dc, c.tabText);
        std::wstring t = manager_.Caption(pane);
        RECT r2 = ToRECT(r.Deflate(2));
        DrawTextW(dc, t.c_str(), -1, &r2, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    Frame(dc, {geo_.content.left, geo_.content.top - 1, geo_.content.right, geo_.content.bottom + 1}, c.barShadow);
}

LRESULT DockGroupWindow::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    Point p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    switch (msg) {
    case WM_LBUTTONDOWN:
        if (geo_.closeButton.Contains(p)) {
            manager_.RequestClose(geo_.activePane);
            return 0;
        }
        if (!geo_.pinButton.IsEmpty() && geo_.pinButton.Contains(p)) {
            manager_.RequestPin(geo_.activePane);
            return 0;
        }
        for (const auto& [pane, r] : geo_.tabs)
            if (r.Contains(p)) {
                // A tab activates its pane; dragged away it floats it.
                manager_.RequestActivate(pane);
                pressed_ = true;
                pressPane_ = pane;
                pressAt_ = {p.x, p.y};
                SetCapture(Handle());
                return 0;
            }
        if (geo_.caption.Contains(p)) {
            pressed_ = true;
            pressPane_ = geo_.activePane;
            pressAt_ = {p.x, p.y};
            SetCapture(Handle());
            if (HWND content = manager_.Content(geo_.activePane)) SetFocus(content);
        }
        return 0;
    case WM_LBUTTONDBLCLK:
        if (geo_.caption.Contains(p) && !geo_.closeButton.Contains(p) && !geo_.pinButton.Contains(p)) {
            RECT wr;
            GetWindowRect(Handle(), &wr);
            manager_.FloatPane(geo_.activePane, Rect::XYWH(wr.left + 40, wr.top + 40, wr.right - wr.left,
                                                           std::max(wr.bottom - wr.top, 150L)));
        }
        return 0;
    case WM_MOUSEMOVE:
        if (pressed_ && (wp & MK_LBUTTON) &&
            (std::abs(p.x - pressAt_.x) > GetSystemMetrics(SM_CXDRAG) * 2 ||
             std::abs(p.y - pressAt_.y) > GetSystemMetrics(SM_CYDRAG) * 2)) {
            pressed_ = false;
            ReleaseCapture();
            POINT sp{p.x, p.y};
            ClientToScreen(Handle(), &sp);
            RECT wr;
            GetWindowRect(Handle(), &wr);
            manager_.BeginFloatDrag(pressPane_, {sp.x, sp.y},
                                    {wr.right - wr.left, std::max<int>(wr.bottom - wr.top, 150)});
        }
        return 0;
    case WM_LBUTTONUP:
        if (pressed_) {
            pressed_ = false;
            ReleaseCapture();
        }
        return 0;
    case WM_CAPTURECHANGED: pressed_ = false; return 0;
    case WM_SIZE: InvalidateRect(Handle(), nullptr, FALSE); break;
    default: break;
    }
    return Window::WindowProc(msg, wp, lp);
}

bool DockFloatWindow::CreateFor(HWND frame, const std::wstring& caption) {
    WindowArgs a;
    a.exStyle = WS_EX_TOOLWINDOW;
    a.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
    a.text = caption;
    a.parent = frame; // the owner: floats above the frame, minimises with it
    a.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    return Create(a);
}

LRESULT DockFloatWindow::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CLOSE: manager_.RequestClose(pane_); return 0;
    case WM_MOVING: manager_.OnFloatMoving(pane_); break;
    case WM_EXITSIZEMOVE:
        manager_.HideHint();
        PostMessageW(manager_.Frame(), DockManager::kFloatMoved, static_cast<WPARAM>(pane_), 0);
        break;
    case WM_NCLBUTTONDBLCLK:
        if (wp == HTCAPTION) {
            manager_.DockPaneHome(pane_);
            return 0;
        }
        break;
    case WM_SIZE:
        if (HWND content = manager_.Content(pane_); content && GetParent(content) == Handle())
            MoveWindow(content, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
        break;
    default: break;
    }
    return Window::WindowProc(msg, wp, lp);
}

void DockHintWindow::ShowAt(HWND owner, const Rect& r, COLORREF color) {
    if (r.IsEmpty()) {
        Hide();
        return;
    }
    if (!Handle()) {
        WindowArgs a;
        a.exStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST;
        a.style = WS_POPUP;
        a.parent = owner;
        if (!Create(a)) return;
        SetLayeredWindowAttributes(Handle(), 0, 110, LWA_ALPHA);
    }
    hintColor_ = color;
    SetWindowPos(Handle(), HWND_TOPMOST, r.left, r.top, r.Width(), r.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void DockHintWindow::Hide() {
    if (Handle()) ShowWindow(Handle(), SW_HIDE);
}

bool DockHintWindow::OnPaint() {
    hexmoor::win::PaintScope ps(Handle());
    RECT rc;
    GetClientRect(Handle(), &rc);
    Fill(ps.Dc(), FromRECT(rc), hintColor_);
    return true;
}

} // namespace hexmoor::fw
