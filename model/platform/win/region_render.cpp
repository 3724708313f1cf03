// Painting a region on its canvas for display.
#include "base/win/gdi.h"
#include "model/image_rgn.h"

namespace win = hexmoor::win;

HBITMAP RenderRegionBitmap(const CImageRgn* region) {
    if (!region) return nullptr;
    if (!IsRegionCanvasSize(region->GetWidth(), region->GetHeight())) return nullptr;
    HBITMAP bitmap = nullptr;
    win::MemoryDC dc;
    {
        const win::WindowDC screen(nullptr);
        bitmap = ::CreateCompatibleBitmap(screen.Get(), region->GetWidth(), region->GetHeight());
        dc = win::MemoryDC(screen.Get());
    }
    if (!bitmap || !dc) return bitmap;
    const win::SelectGuard select(dc.Get(), bitmap);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    RECT canvas{0, 0, region->GetWidth(), region->GetHeight()};
    ::FillRect(dc.Get(), &canvas, win::Brush(::CreateSolidBrush(face)).Get());
    if (region->GetHRgn())
        ::FillRgn(dc.Get(), region->GetHRgn(), win::Brush(::CreateSolidBrush(~face & 0x00FFFFFF)).Get());
    return bitmap;
}
