#include "editor/shell/dialogs/url_static.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/application.h"
#include "base/win/gdi.h"

namespace hexmoor::shell {

std::wstring LinkTarget(const std::wstring& text, bool web) { return web ? text : L"mailto:" + text; }

bool CUrlStatic::CreateIn(HWND parent, UINT id, const RECT& rect) {
    fw::WindowArgs a;
    a.style = WS_CHILD | WS_VISIBLE;
    a.parent = parent;
    a.x = rect.left;
    a.y = rect.top;
    a.width = rect.right - rect.left;
    a.height = rect.bottom - rect.top;
    a.menuOrId = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
    return Create(a);
}

int CUrlStatic::OnCreate(CREATESTRUCTW* cs) {
    text_.clear();
    HWND parent = GetParent(Handle());
    font_ = parent ? reinterpret_cast<HFONT>(SendMessageW(parent, WM_GETFONT, 0, 0)) : nullptr;
    hand_ = LoadCursorW(nullptr, IDC_HAND);
    return 0;
}

void CUrlStatic::SetLink(const std::wstring& text, bool web) {
    text_ = text;
    web_ = web;
    if (!Handle()) return;
    FitToText();
    InvalidateRect(Handle(), nullptr, TRUE);
}

void CUrlStatic::FitToText() {
    // At least as wide and as high as the text in the font it is drawn
    // with, so no part of the address is cut off; never narrower than given.
    SIZE extent{};
    {
        const hexmoor::win::WindowDC dc(Handle());
        const hexmoor::win::SelectGuard select(dc.Get(), font_);
        GetTextExtentPoint32W(dc.Get(), text_.c_str(), static_cast<int>(text_.size()), &extent);
    }
    RECT rc;
    GetClientRect(Handle(), &rc);
    int width = std::max<int>(rc.right, extent.cx + 2);
    int height = std::max<int>(rc.bottom, extent.cy);
    if (width != rc.right || height != rc.bottom)
        SetWindowPos(Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CUrlStatic::OnPaint() {
    hexmoor::win::PaintScope ps(Handle());
    hexmoor::win::SelectGuard sel(ps.Dc(), font_);
    ::SetTextColor(ps.Dc(), color_);
    SetBkMode(ps.Dc(), TRANSPARENT);
    RECT rc;
    GetClientRect(Handle(), &rc);
    DrawTextW(ps.Dc(), text_.c_str(), -1, &rc, DT_CENTER | DT_NOPREFIX);
    return true;
}

LRESULT CUrlStatic::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_MOUSEMOVE: {
        RECT rc;
        GetClientRect(Handle(), &rc);
        POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (PtInRect(&rc, p) && hand_) SetCursor(hand_);
        break;
    }
    case WM_SETCURSOR:
        if (hand_) {
            SetCursor(hand_);
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
        if (!text_.empty())
            if (fw::Application* app = fw::Application::Current()) app->Shell().Open(LinkTarget(text_, web_));
        break;
    default: break;
    }
    return Window::WindowProc(msg, wp, lp);
}

} // namespace hexmoor::shell
