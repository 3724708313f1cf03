#include "editor/imaging/image_control.h"

#include <windowsx.h>

#include <vector>

#include "base/win/gdi.h"
#include "editor/imaging/child_window.h"
#include "editor/imaging/image_fit.h"
#include "editor/imaging/preview_views.h"
#include "model/platform/image.h"

namespace hexmoor::preview {

namespace {

constexpr int kRulerDepth = 17;

Size ClientSize(HWND hwnd) {
    RECT r{};
    ::GetClientRect(hwnd, &r);
    return Size{r.right, r.bottom};
}

} // namespace

// --- canvas -------------------------------------------------------------------------------

void MrgBitmapCanvas::SetMrgBitmap(const CMrgBitmap* image) {
    image_ = image && image->HasImage() ? std::make_unique<CMrgBitmap>(*image) : nullptr;
    pan_ = Point{};
    UpdateRulerOrigins();
    if (Handle()) ::InvalidateRect(Handle(), nullptr, FALSE);
}

bool MrgBitmapCanvas::CanPan() const {
    if (!image_ || !Handle()) return false;
    const Size client = ClientSize(Handle());
    return client.cx < image_->GetWidth() || client.cy < image_->GetHeight();
}

void MrgBitmapCanvas::UpdateRulerOrigins() {
    Ruler* horizontal = owner_.HorizontalRuler();
    Ruler* vertical = owner_.VerticalRuler();
    if (!horizontal || !vertical || !Handle()) return;
    const Size client = ClientSize(Handle());
    const int width = image_ ? image_->GetWidth() : 0, height = image_ ? image_->GetHeight() : 0;
    horizontal->SetStart(RulerStartFor(width, client.cx, pan_.x));
    vertical->SetStart(RulerStartFor(height, client.cy, pan_.y));
    horizontal->Repaint();
    vertical->Repaint();
}

bool MrgBitmapCanvas::OnPaint() {
    PaintBuffered(Handle(), [this](HDC dc, const RECT& client) {
        if (image_ && image_->IsGdiplus()) {
            win::Brush checkerboard = MakeCheckerboardBrush();
            ::FillRect(dc, &client, checkerboard.Get());
        } else {
            ::FillRect(dc, &client, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        }
        if (image_) {
            const Rect at = CentredImageRect({client.right, client.bottom}, {image_->GetWidth(), image_->GetHeight()})
                                .Offset(pan_.x, pan_.y);
            if (Gdiplus::Bitmap* image = image_->GetGdiplusBitmap()) {
                Gdiplus::Graphics graphics(dc);
                graphics.DrawImage(image, Gdiplus::Rect(at.left, at.top, at.Width(), at.Height()), 0, 0, at.Width(),
                                   at.Height(), Gdiplus::UnitPixel);
            } else if (HBITMAP bitmap = image_->GetHBitmap()) {
                win::MemoryDC source(dc);
                win::SelectGuard picture(source.Get(), bitmap);
                ::BitBlt(dc, at.left, at.top, at.Width(), at.Height(), source.Get(), 0, 0, SRCCOPY);
            }
        }
    });
    return true;
}

LRESULT MrgBitmapCanvas::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SETCURSOR:
        if (LOWORD(lp) == HTCLIENT && CanPan()) {
            ::SetCursor(::LoadCursorW(nullptr, IDC_SIZEALL));
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
        if (!image_) break;
        ::SetCapture(Handle());
        last_ = Point{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        return 0;
    case WM_LBUTTONUP:
        if (image_ && ::GetCapture() == Handle()) ::ReleaseCapture();
        return 0;
    case WM_MOUSEMOVE: {
        const Point p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (image_ && ::GetCapture() == Handle()) {
            const Size client = ClientSize(Handle());
            const Point moved{PanAxis(pan_.x, pan_.x + p.x - last_.x, image_->GetWidth(), client.cx),
                              PanAxis(pan_.y, pan_.y + p.y - last_.y, image_->GetHeight(), client.cy)};
            if (!(moved == pan_)) {
                pan_ = moved;
                UpdateRulerOrigins();
                ::InvalidateRect(Handle(), nullptr, FALSE);
            }
            last_ = p;
        }
        if (Ruler* horizontal = owner_.HorizontalRuler()) {
            POINT screen{p.x, p.y};
            ::ClientToScreen(Handle(), &screen);
            horizontal->TrackMarker(screen.x, screen.y);
            owner_.VerticalRuler()->TrackMarker(screen.x, screen.y);
        }
        return 0;
    }
    default: break;
    }
    return fw::Window::WindowProc(msg, wp, lp);
}

// --- control ------------------------------------------------------------------------------

bool MrgBitmapControl::Create(HWND parent, const RECT& rect, int id, bool withRulers) {
    rulers_ = withRulers;
    return CreateChildWindow(*this, parent, rect, id, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN);
}

int MrgBitmapControl::OnCreate(CREATESTRUCTW*) {
    if (rulers_) {
        horizontal_.Create(Handle(), 2, Ruler::Orientation::Horizontal, 1);
        vertical_.Create(Handle(), 3, Ruler::Orientation::Vertical, 1);
    }
    fw::WindowArgs args;
    args.text = L"MrgBmpView";
    args.style = WS_CHILD | WS_VISIBLE;
    args.parent = Handle();
    args.menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(1));
    canvas_.Create(args);
    return 0;
}

void MrgBitmapControl::OnSize(UINT, int cx, int cy) {
    if (!rulers_) {
        ::MoveWindow(canvas_.Handle(), 0, 0, cx, cy, TRUE);
    } else {
        ::MoveWindow(horizontal_.Handle(), 16, 0, std::max(cx - kRulerDepth, 0), kRulerDepth, TRUE);
        ::MoveWindow(vertical_.Handle(), 0, 16, kRulerDepth, std::max(cy - kRulerDepth, 0), TRUE);
        ::MoveWindow(canvas_.Handle(), kRulerDepth, kRulerDepth, std::max(cx - kRulerDepth, 0),
                     std::max(cy - kRulerDepth, 0), TRUE);
    }
    canvas_.UpdateRulerOrigins();
}

bool MrgBitmapControl::OnPaint() {
    win::PaintScope paint(Handle());
    RECT client{};
    ::GetClientRect(Handle(), &client);
    ::FillRect(paint.Dc(), &client, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    if (rulers_) {
        const RECT corner{0, 0, kRulerDepth, kRulerDepth};
        win::Brush fill(::CreateSolidBrush(horizontal_.BackgroundColor()));
        ::FillRect(paint.Dc(), &corner, fill.Get());
        win::Brush frame(::CreateSolidBrush(horizontal_.LineColor()));
        ::FrameRect(paint.Dc(), &corner, frame.Get());
    }
    return true;
}

int MrgBitmapControl::SetMrgBitmap(const CMrgBitmap* image) {
    const bool show = image != nullptr;
    if (canvas_.Handle() && (::IsWindowVisible(canvas_.Handle()) != FALSE) != show) {
        ::ShowWindow(canvas_.Handle(), show ? SW_SHOW : SW_HIDE);
    }
    canvas_.SetMrgBitmap(image);
    return 1;
}

SIZE MrgBitmapControl::GetImageSize() const {
    const CMrgBitmap* image = canvas_.Image();
    return image ? SIZE{image->GetWidth(), image->GetHeight()} : SIZE{0, 0};
}

} // namespace hexmoor::preview
