// Painting a region on its canvas for display.
#include "model/image_rgn.h"

HBITMAP RenderRegionBitmap(const CImageRgn* region) {
    if (!region) return nullptr;
    if (!IsRegionCanvasSize(region->GetWidth(), region->GetHeight())) return nullptr;
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, region->GetWidth(), region->GetHeight());
    HDC dc = ::CreateCompatibleDC(screen);
    ::ReleaseDC(nullptr, screen);
    if (!bitmap || !dc) {
        if (dc) ::DeleteDC(dc);
        return bitmap;
    }
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    RECT canvas{0, 0, region->GetWidth(), region->GetHeight()};
    HBRUSH background = ::CreateSolidBrush(face);
    ::FillRect(dc, &canvas, background);
    ::DeleteObject(background);
    if (region->GetHRgn()) {
        HBRUSH inverse = ::CreateSolidBrush(~face & 0x00FFFFFF);
        ::FillRgn(dc, region->GetHRgn(), inverse);
        ::DeleteObject(inverse);
    }
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    return bitmap;
}
