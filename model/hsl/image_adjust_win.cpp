// Adjusted images in the Windows build: pixels read from DIB sections and
// locked GDI+ bitmaps, written into the entry's current image when it fits.
#ifdef _WIN32

#include "model/hsl/image_adjust.h"

#include <cstdint>
#include <vector>

#include "model/hsl/color_hsl_win.h"
#include "model/hsl/hsl_arithmetic.h"
#include "model/platform/win/dib.h"

namespace hsl {
namespace platform = hexmoor::platform;

namespace {

// The current GDI+ image when it can take the result as it is, else a new
// 32 bpp ARGB bitmap of the size.
platform::GdiplusBitmapHandle ArgbTarget(platform::GdiplusBitmapHandle current, UINT width, UINT height) {
    if (current && current->GetPixelFormat() == PixelFormat32bppARGB && current->GetWidth() == width &&
        current->GetHeight() == height) {
        return current;
    }
    platform::GdiplusBitmapHandle bitmap(
        new Gdiplus::Bitmap(static_cast<INT>(width), static_cast<INT>(height), PixelFormat32bppARGB));
    if (!bitmap || bitmap->GetLastStatus() != Gdiplus::Ok) return nullptr;
    return bitmap;
}

// A GDI bitmap's pixels: its own bits for a 32-bit DIB section, otherwise a
// 32-bit copy kept in `storage`.
bool BitmapSource(HBITMAP bitmap, platform::ImagePixels& storage, ConstPixelView* view) {
    PixelView own;
    if (win::DibSectionPixels(bitmap, &own)) {
        *view = {own.bits, own.width, own.height, own.stride};
        return true;
    }
    if (!platform::ReadBitmapPixels(bitmap, &storage) || storage.width <= 0 || storage.height <= 0) return false;
    *view = {storage.argb.data(), storage.width, storage.height, static_cast<std::ptrdiff_t>(storage.width) * 4};
    return true;
}

} // namespace

platform::GdiplusBitmapHandle AdjustGdiplusImage(Gdiplus::Bitmap* saved, platform::GdiplusBitmapHandle current,
                                                 const HSLValues& values) {
    if (saved == nullptr) return nullptr;
    // Undo: an exact copy, in the saved image's own pixel format.
    if (values.IsNeutral()) return platform::CloneGdiplusBitmap(saved);
    platform::GdiplusBitmapHandle target = ArgbTarget(std::move(current), saved->GetWidth(), saved->GetHeight());
    if (!target || !win::AdjustGdiplusBitmap(target.get(), saved, ReusableAdjuster(values))) return nullptr;
    return target;
}

platform::BitmapHandle AdjustBitmapImage(HBITMAP saved, platform::BitmapHandle current, const HSLValues& values) {
    const HSLValues colours(values.hue, values.saturation, values.lightness, 100.0);
    if (colours.IsNeutral()) return platform::CopyBitmapAs32(saved);
    platform::ImagePixels storage;
    ConstPixelView source;
    if (saved == nullptr || !BitmapSource(saved, storage, &source)) return nullptr;

    PixelView target;
    if (!current || !win::DibSectionPixels(current.Get(), &target) || target.width != source.width ||
        target.height != source.height) {
        current.Reset(CreateStandardDibSection(source.width, source.height, 32));
        if (!current || !win::DibSectionPixels(current.Get(), &target)) return nullptr;
    }
    ::GdiFlush();
    if (AdjustPixels(source, target, ReusableAdjuster(colours)) != AdjustStatus::kDone) return nullptr;
    return current;
}

platform::GdiplusBitmapHandle AdjustBitmapToGdiplusImage(HBITMAP saved, platform::GdiplusBitmapHandle current,
                                                         const HSLValues& values) {
    platform::ImagePixels storage;
    ConstPixelView source;
    if (saved == nullptr || !BitmapSource(saved, storage, &source)) return nullptr;
    ::GdiFlush();
    platform::GdiplusBitmapHandle target =
        ArgbTarget(std::move(current), static_cast<UINT>(source.width), static_cast<UINT>(source.height));
    if (!target || !win::AdjustPixelsIntoGdiplus(target.get(), source, ReusableAdjuster(values), true)) return nullptr;
    return target;
}

} // namespace hsl

#endif // _WIN32
