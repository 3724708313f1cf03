#include "tests/harness/capture.h"
#include "base/win/dib.h"

namespace hexmoor::test {

PixelBuffer CaptureDC(HDC source, int x, int y, int width, int height) {
    if (width <= 0 || height <= 0) return {};
    BITMAPINFO bi = hexmoor::win::TopDown32BitInfo(width, height);
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(source);
    HBITMAP dib = CreateDIBSection(source, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    PixelBuffer out;
    if (memory && dib && bits) {
        HGDIOBJ old = SelectObject(memory, dib);
        BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
        GdiFlush();
        out = PixelBuffer::FromBgra(static_cast<const std::uint8_t*>(bits), width, height, width * 4);
        SelectObject(memory, old);
    }
    if (dib) DeleteObject(dib);
    if (memory) DeleteDC(memory);
    return out;
}

namespace {
// Reads a window-relative rectangle of `dc`, which belongs to `hwnd`.
PixelBuffer CaptureAndRelease(HWND hwnd, HDC dc, const RECT& r) {
    PixelBuffer out = CaptureDC(dc, 0, 0, r.right - r.left, r.bottom - r.top);
    ReleaseDC(hwnd, dc);
    return out;
}
} // namespace

PixelBuffer CaptureClient(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return CaptureAndRelease(hwnd, GetDC(hwnd), r);
}

PixelBuffer CaptureWindow(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return CaptureAndRelease(hwnd, GetWindowDC(hwnd), r);
}

} // namespace hexmoor::test
