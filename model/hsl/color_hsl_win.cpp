#ifdef _WIN32

#include "model/hsl/color_hsl_win.h"

#include "model/hsl/color_hsl.h"
#include "model/platform/win/dib.h"

namespace hsl::win {
namespace {

ConstPixelView AsConst(const PixelView& view) { return {view.bits, view.width, view.height, view.stride}; }

} // namespace

bool AdjustGdiplusBitmap(Gdiplus::Bitmap* dst, Gdiplus::Bitmap* src, PixelAdjuster& adjuster) {
    if (dst == nullptr || src == nullptr) return false;
    const UINT width = src->GetWidth();
    const UINT height = src->GetHeight();
    if (width == 0 || height == 0) return src->GetLastStatus() == Gdiplus::Ok;
    if (dst->GetWidth() < width || dst->GetHeight() < height) return false;
    if (dst == src) {
        ArgbLock lock(src, width, height, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeWrite);
        return lock.Locked() && AdjustPixels(AsConst(lock.View()), lock.View(), adjuster) == AdjustStatus::kDone;
    }
    ArgbLock source(src, width, height, Gdiplus::ImageLockModeRead);
    if (!source.Locked()) return false;
    ArgbLock target(dst, width, height, Gdiplus::ImageLockModeWrite);
    if (!target.Locked()) return false;
    return AdjustPixels(AsConst(source.View()), target.View(), adjuster) == AdjustStatus::kDone;
}

bool DibSectionPixels(HBITMAP bitmap, PixelView* view) {
    DIBSECTION section{};
    if (bitmap == nullptr || view == nullptr || ::GetObjectW(bitmap, sizeof section, &section) != sizeof section) {
        return false;
    }
    const BITMAP& bm = section.dsBm;
    if (bm.bmBitsPixel != 32 || bm.bmPlanes != 1 || bm.bmBits == nullptr || bm.bmWidth <= 0 || bm.bmHeight <= 0) {
        return false;
    }
    if (section.dsBmih.biCompression == BI_BITFIELDS) {
        if (section.dsBitfields[0] != 0xFF0000u || section.dsBitfields[1] != 0x00FF00u ||
            section.dsBitfields[2] != 0x0000FFu) {
            return false;
        }
    } else if (section.dsBmih.biCompression != BI_RGB) {
        return false;
    }
    const std::ptrdiff_t stride = bm.bmWidthBytes;
    auto* bits = static_cast<unsigned char*>(bm.bmBits);
    if (section.dsBmih.biHeight > 0) { // bottom-up: the top row is stored last
        *view = {reinterpret_cast<std::uint32_t*>(bits + (bm.bmHeight - 1) * stride), bm.bmWidth, bm.bmHeight, -stride};
    } else {
        *view = {reinterpret_cast<std::uint32_t*>(bits), bm.bmWidth, bm.bmHeight, stride};
    }
    return true;
}

HBITMAP AdjustBitmapToDib(HBITMAP src, PixelAdjuster& adjuster) {
    BITMAP info{};
    if (src == nullptr || ::GetObjectW(src, sizeof info, &info) != sizeof info) return nullptr;
    if (info.bmWidth <= 0 || info.bmHeight <= 0) return nullptr;

    BITMAPINFO header = hexmoor::win::TopDown32BitInfo(info.bmWidth, info.bmHeight);
    void* bits = nullptr;
    hexmoor::win::Bitmap result(::CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!result || bits == nullptr) return nullptr;
    // Read the source's pixels straight into the new section, then adjust them
    // where they are.
    const int rows = ::GetDIBits(hexmoor::win::WindowDC(nullptr).Get(), src, 0, static_cast<UINT>(info.bmHeight), bits,
                                 &header, DIB_RGB_COLORS);
    if (rows != info.bmHeight) return nullptr;
    ::GdiFlush();
    const PixelView view{static_cast<std::uint32_t*>(bits), info.bmWidth, info.bmHeight,
                         static_cast<std::ptrdiff_t>(info.bmWidth) * 4};
    AdjustPixels(AsConst(view), view, adjuster, true);
    ComposeOnWhite(view);
    return result.Release();
}

} // namespace hsl::win

bool CColorHSL_TW::TransformBitmap(Gdiplus::Bitmap* dst, Gdiplus::Bitmap* src, double hue, double saturation,
                                   double lightness, double opacity) const {
    hsl::PixelAdjuster adjuster(HSLValues(hue, saturation, lightness, opacity));
    return hsl::win::AdjustGdiplusBitmap(dst, src, adjuster);
}

bool CColorHSL_TW::TransformHBitmap(HBITMAP& out, HBITMAP src, double hue, double saturation, double lightness,
                                    double opacity) const {
    hsl::PixelAdjuster adjuster(HSLValues(hue, saturation, lightness, opacity));
    out = hsl::win::AdjustBitmapToDib(src, adjuster);
    return out != nullptr;
}

bool CColorHSL::AdjustBitmapHSL(Gdiplus::Bitmap* dst, Gdiplus::Bitmap* src, const HSLValues& values) const {
    return CColorHSL_TW().TransformBitmap(dst, src, values.hue, values.saturation, values.lightness, values.opacity);
}

bool CColorHSL::AdjustHBitmapHSL(HBITMAP& out, HBITMAP in, const HSLValues& values) const {
    return CColorHSL_TW().TransformHBitmap(out, in, values.hue, values.saturation, values.lightness, values.opacity);
}

#endif // _WIN32
