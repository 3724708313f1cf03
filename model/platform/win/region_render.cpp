// Painting a region on its canvas for display.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/win/gdi.h"
#include "model/image_rgn.h"

namespace win = hexmoor::win;

SIZE RenderedRegionSize(int width, int height) {
    if (width <= 0 || height <= 0) return SIZE{std::max(width, 0), std::max(height, 0)};
    const double pixels = static_cast<double>(width) * height;
    if (pixels <= static_cast<double>(kMaxRenderedRegionPixels)) return SIZE{width, height};
    const double scale = std::sqrt(static_cast<double>(kMaxRenderedRegionPixels) / pixels);
    return SIZE{std::max(1, static_cast<int>(width * scale)), std::max(1, static_cast<int>(height * scale))};
}

HBITMAP RenderRegionBitmap(const CImageRgn* region) {
    if (!region) return nullptr;
    if (!IsRegionCanvasSize(region->GetWidth(), region->GetHeight())) return nullptr;
    const SIZE size = RenderedRegionSize(region->GetWidth(), region->GetHeight());
    HBITMAP bitmap = nullptr;
    win::MemoryDC dc;
    {
        const win::WindowDC screen(nullptr);
        bitmap = ::CreateCompatibleBitmap(screen.Get(), size.cx, size.cy);
        dc = win::MemoryDC(screen.Get());
    }
    if (!bitmap || !dc) return bitmap;
    const win::SelectGuard select(dc.Get(), bitmap);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    RECT canvas{0, 0, size.cx, size.cy};
    ::FillRect(dc.Get(), &canvas, win::Brush(::CreateSolidBrush(face)).Get());
    if (!region->GetHRgn()) return bitmap;
    const win::Brush inverse(::CreateSolidBrush(~face & 0x00FFFFFF));
    if (size.cx == region->GetWidth() && size.cy == region->GetHeight()) {
        ::FillRgn(dc.Get(), region->GetHRgn(), inverse.Get());
        return bitmap;
    }
    // Scaled down: each rectangle covers at least the pixels it touches.
    const std::vector<std::uint8_t> data = region->GetRegionData();
    if (data.size() < sizeof(RGNDATAHEADER)) return bitmap;
    RGNDATAHEADER header;
    std::memcpy(&header, data.data(), sizeof header);
    const double sx = static_cast<double>(size.cx) / region->GetWidth();
    const double sy = static_cast<double>(size.cy) / region->GetHeight();
    for (DWORD i = 0; i < header.nCount && sizeof header + 16ull * (i + 1) <= data.size(); ++i) {
        RECT r;
        std::memcpy(&r, data.data() + sizeof header + 16ull * i, sizeof r);
        RECT scaled{static_cast<LONG>(std::floor(r.left * sx)), static_cast<LONG>(std::floor(r.top * sy)),
                    static_cast<LONG>(std::ceil(r.right * sx)), static_cast<LONG>(std::ceil(r.bottom * sy))};
        ::FillRect(dc.Get(), &scaled, inverse.Get());
    }
    return bitmap;
}
