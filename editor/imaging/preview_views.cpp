#include "editor/imaging/preview_views.h"

#include <vector>

#include "base/win/dib.h"
#include "editor/imaging/child_window.h"
#include "editor/imaging/image_fit.h"
#include "editor/imaging/picture_loader.h"
#include "model/platform/image.h"

namespace hexmoor::preview {

namespace {

void Redraw(HWND hwnd) {
    if (hwnd) ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

} // namespace

win::Brush MakeCheckerboardBrush() {
    platform::ImagePixels pixels{16, 16, std::vector<std::uint32_t>(256)};
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) pixels.argb[y * 16 + x] = ((x / 8) ^ (y / 8)) ? 0xFFCCCCCC : 0xFFFFFFFF;
    }
    platform::BitmapHandle bitmap = platform::CreateBitmapFromPixels(pixels);
    return win::Brush(::CreatePatternBrush(bitmap.Get()));
}

// --- PreviewImage -------------------------------------------------------------------------

bool PreviewImage::Create(HWND parent, const RECT& rect, int id, DWORD style) {
    return CreateChildWindow(*this, parent, rect, id, style);
}

void PreviewImage::Repaint() { Redraw(Handle()); }

int PreviewImage::LoadImage(const std::wstring& path, bool allowJpeg) {
    LoadedPicture loaded = LoadPicture(path, allowJpeg);
    image_ = std::move(loaded.image);
    jpeg_ = loaded.jpeg;
    Repaint();
    return loaded.result;
}

int PreviewImage::SetMrgBitmap(const CMrgBitmap* image) {
    image_ = image && image->HasImage() ? std::make_unique<CMrgBitmap>(*image) : nullptr;
    jpeg_ = false;
    Repaint();
    return image_ ? 1 : 0;
}

int PreviewImage::SetBitmap(HBITMAP bitmap) {
    platform::BitmapHandle copy = platform::CopyBitmapAs32(bitmap);
    image_ = copy ? std::make_unique<CMrgBitmap>(std::move(copy), MrgBitmapParams{}) : nullptr;
    jpeg_ = false;
    Repaint();
    return image_ ? 1 : 0;
}

HBITMAP PreviewImage::GetBitmapHandle() const { return image_ ? image_->GetHBitmap() : nullptr; }

void PreviewImage::SetBackgroundColor(COLORREF color) {
    background_ = color;
    Repaint();
}

LRESULT PreviewImage::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    // Clicking the picture does not take the focus from its dialog.
    if (msg == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    return fw::Window::WindowProc(msg, wp, lp);
}

bool PreviewImage::OnPaint() {
    PaintBuffered(Handle(), [this](HDC dc, const RECT& client) { Draw(dc, client); });
    return true;
}

void PreviewImage::Draw(HDC dc, const RECT& client) {
    win::Brush background(::CreateSolidBrush(background_ == 0xFFFFFFFF ? 0xFFFFFF : background_));
    ::FillRect(dc, &client, background.Get());
    if (!image_ || !image_->HasImage()) return;
    const Rect target = FitImageRect({client.right, client.bottom}, {image_->GetWidth(), image_->GetHeight()});
    if (target.IsEmpty()) return;
    if (Gdiplus::Bitmap* image = image_->GetGdiplusBitmap()) {
        if (!jpeg_) {
            win::Brush checkerboard = MakeCheckerboardBrush();
            ::SetBrushOrgEx(dc, target.left, target.top, nullptr);
            ::FillRect(dc, &client, checkerboard.Get());
        }
        Gdiplus::Graphics graphics(dc);
        graphics.DrawImage(image, Gdiplus::Rect(target.left, target.top, target.Width(), target.Height()), 0, 0,
                           static_cast<INT>(image->GetWidth()), static_cast<INT>(image->GetHeight()),
                           Gdiplus::UnitPixel);
    } else if (HBITMAP bitmap = image_->GetHBitmap()) {
        win::MemoryDC source(dc);
        win::SelectGuard select(source.Get(), bitmap);
        ::SetStretchBltMode(dc, HALFTONE);
        ::SetBrushOrgEx(dc, 0, 0, nullptr);
        ::StretchBlt(dc, target.left, target.top, target.Width(), target.Height(), source.Get(), 0, 0,
                     image_->GetWidth(), image_->GetHeight(), SRCCOPY);
    }
}

// --- PreviewRegion ------------------------------------------------------------------------

bool PreviewRegion::Create(HWND parent, const RECT& rect, int id, DWORD style) {
    return CreateChildWindow(*this, parent, rect, id, style);
}

void PreviewRegion::Repaint() { Redraw(Handle()); }

void PreviewRegion::SetRegion(const CImageRgn* region, SIZE canvas) {
    region_.reset();
    painted_.Reset();
    paintedSize_ = SIZE{0, 0};
    if (region && region->GetHRgn() && IsRegionCanvasSize(canvas.cx, canvas.cy)) {
        region_ = region->Duplicate();
        region_->SetSize(region->GetWidth(), region->GetHeight());
        CImageRgn sized(platform::DuplicateRegion(region->GetHRgn()), canvas.cx, canvas.cy);
        painted_.Reset(RenderRegionBitmap(&sized));
        if (painted_) paintedSize_ = canvas;
    }
    Repaint();
}

LRESULT PreviewRegion::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    return fw::Window::WindowProc(msg, wp, lp);
}

bool PreviewRegion::OnEraseBackground(HDC dc) {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    win::MemoryDC memory(dc);
    win::Bitmap canvas(win::CreateScreenBitmap(std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1)));
    win::SelectGuard select(memory.Get(), canvas.Get());
    ::FillRect(memory.Get(), &client, ::GetSysColorBrush(COLOR_WINDOW));
    if (painted_) {
        win::MemoryDC source(dc);
        win::SelectGuard picture(source.Get(), painted_.Get());
        const Rect at = CentredImageRect({client.right, client.bottom}, {paintedSize_.cx, paintedSize_.cy});
        ::BitBlt(memory.Get(), at.left, at.top, at.Width(), at.Height(), source.Get(), 0, 0, SRCCOPY);
    }
    ::BitBlt(dc, 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
    return true;
}

bool PreviewRegion::OnPaint() {
    win::PaintScope paint(Handle());
    return true;
}

} // namespace hexmoor::preview
