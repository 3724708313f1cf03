#pragma once
// The description of a 32-bit DIB whose rows run top row first, as pixel
// loops and captures address them.

#include <windows.h>

namespace hexmoor::win {

inline BITMAPINFO TopDown32BitInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A 32-bit top-down DIB section for off-screen drawing that ends on the
// screen (buffers, cached backgrounds). Under Wine every creation and every
// selection of a device-dependent bitmap asks the display driver for its
// colour depth, which costs several server round trips; a DIB section
// does not.
inline HBITMAP CreateScreenBitmap(int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    const BITMAPINFO info = TopDown32BitInfo(width, height);
    void* bits = nullptr;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

} // namespace hexmoor::win
