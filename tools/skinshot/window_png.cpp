#include "tools/skinshot/window_png.h"

#include <memory>

#include "model/platform/types.h"
#include "model/platform/win/gdiplus_codec.h"
#include "base/win/gdi.h"
#include "base/win/dib.h"

bool WriteWindowPng(HWND hwnd, const std::wstring& path) {
    RECT r{};
    if (!GetWindowRect(hwnd, &r)) return false;
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return false;
    BITMAPINFO bi = hexmoor::win::TopDown32BitInfo(w, h);
    void* bits = nullptr;
    hexmoor::win::Bitmap dib(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib || !bits) return false;
    {
        hexmoor::win::WindowDC source(hwnd, true);
        hexmoor::win::MemoryDC memory(source.Get());
        hexmoor::win::SelectGuard select(memory.Get(), dib.Get());
        if (!BitBlt(memory.Get(), 0, 0, w, h, source.Get(), 0, 0, SRCCOPY)) return false;
        GdiFlush();
    }
    // Opaque pixels: the screen has no alpha to speak of.
    auto* px = static_cast<DWORD*>(bits);
    for (int i = 0; i < w * h; ++i) px[i] |= 0xFF000000u;
    Gdiplus::Bitmap bitmap(w, h, w * 4, PixelFormat32bppARGB, static_cast<BYTE*>(bits));
    CLSID png{};
    if (GetImageEncoderClsid(L"image/png", &png) < 0) return false;
    return bitmap.Save(path.c_str(), &png, nullptr) == Gdiplus::Ok;
}
