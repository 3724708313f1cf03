#include "tools/skinshot/window_png.h"

#include <memory>

#include "model/platform/types.h"
#include "base/win/dib.h"
#include "model/platform/win/gdiplus_codec.h"

Sheet::Sheet(int width, int height) : width_(width), height_(height), memory_(nullptr) {
    BITMAPINFO bi = hexmoor::win::TopDown32BitInfo(width, height);
    dib_.Reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits_, nullptr, 0));
    if (!dib_ || !memory_) {
        bits_ = nullptr;
        return;
    }
    select_ = hexmoor::win::SelectGuard(memory_.Get(), dib_.Get());
}

bool Sheet::CopyWindow(HWND hwnd, int x, int y) {
    RECT r{};
    if (!bits_ || !GetWindowRect(hwnd, &r)) return false;
    hexmoor::win::WindowDC source(hwnd, true);
    return BitBlt(memory_.Get(), x, y, r.right - r.left, r.bottom - r.top, source.Get(), 0, 0, SRCCOPY) != FALSE;
}

void Sheet::CopyBitmap(HBITMAP bitmap, int width, int height, int x, int y) {
    if (!bits_ || !bitmap) return;
    hexmoor::win::MemoryDC source(memory_.Get());
    hexmoor::win::SelectGuard select(source.Get(), bitmap);
    BitBlt(memory_.Get(), x, y, width, height, source.Get(), 0, 0, SRCCOPY);
}

bool Sheet::WritePng(const std::wstring& path) {
    if (!bits_ || width_ <= 0 || height_ <= 0) return false;
    GdiFlush();
    // Opaque pixels: the screen has no alpha to speak of.
    auto* px = static_cast<DWORD*>(bits_);
    for (int i = 0; i < width_ * height_; ++i) px[i] |= 0xFF000000u;
    Gdiplus::Bitmap bitmap(width_, height_, width_ * 4, PixelFormat32bppARGB, static_cast<BYTE*>(bits_));
    CLSID png{};
    if (GetImageEncoderClsid(L"image/png", &png) < 0) return false;
    return bitmap.Save(path.c_str(), &png, nullptr) == Gdiplus::Ok;
}
