#include "tests/harness/capture.h"
#include "base/win/dib.h"
#include "base/win/gdi.h"

namespace hexmoor::test {

PixelBuffer CaptureDC(HDC source, int x, int y, int width, int height) {
    if (width <= 0 || height <= 0) return {};
    BITMAPINFO bi = win::TopDown32BitInfo(width, height);
    void* bits = nullptr;
    const win::MemoryDC memory(source);
    const win::Bitmap dib(CreateDIBSection(source, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    PixelBuffer out;
    if (memory && dib && bits) {
        const win::SelectGuard select(memory.Get(), dib.Get());
        BitBlt(memory.Get(), 0, 0, width, height, source, x, y, SRCCOPY);
        GdiFlush();
        out = PixelBuffer::FromBgra(static_cast<const std::uint8_t*>(bits), width, height, width * 4);
    }
    return out;
}

PixelBuffer CaptureClient(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    const win::WindowDC dc(hwnd);
    return CaptureDC(dc.Get(), 0, 0, r.right - r.left, r.bottom - r.top);
}

PixelBuffer CaptureWindow(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    const win::WindowDC dc(hwnd, true);
    return CaptureDC(dc.Get(), 0, 0, r.right - r.left, r.bottom - r.top);
}

} // namespace hexmoor::test
