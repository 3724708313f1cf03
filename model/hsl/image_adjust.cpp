// Adjusted images through the model's image seam (native build).
#ifndef _WIN32

#include "model/hsl/image_adjust.h"

#include <cstdint>

#include "model/hsl/hsl_arithmetic.h"

namespace hsl {
namespace platform = hexmoor::platform;

namespace {

bool AdjustInPlace(platform::ImagePixels& pixels, PixelAdjuster& adjuster, bool opaque_source = false) {
    if (pixels.argb.size() != static_cast<std::size_t>(pixels.width) * static_cast<std::size_t>(pixels.height)) {
        return false;
    }
    const PixelView view{pixels.argb.data(), pixels.width, pixels.height,
                         static_cast<std::ptrdiff_t>(pixels.width) * 4};
    return AdjustPixels(ConstPixelView{view.bits, view.width, view.height, view.stride}, view, adjuster,
                        opaque_source) == AdjustStatus::kDone;
}

} // namespace

platform::GdiplusBitmapHandle AdjustGdiplusImage(Gdiplus::Bitmap* saved, platform::GdiplusBitmapHandle,
                                                 const HSLValues& values) {
    if (values.IsNeutral()) return platform::CloneGdiplusBitmap(saved);
    platform::ImagePixels pixels;
    if (!saved || !platform::ReadGdiplusBitmapPixels(saved, &pixels)) return nullptr;
    if (!AdjustInPlace(pixels, ReusableAdjuster(values))) return nullptr;
    return platform::CreateGdiplusBitmapFromPixels(pixels);
}

platform::BitmapHandle AdjustBitmapImage(HBITMAP saved, platform::BitmapHandle, const HSLValues& values) {
    const HSLValues colours(values.hue, values.saturation, values.lightness, 100.0);
    if (colours.IsNeutral()) return platform::CopyBitmapAs32(saved);
    platform::ImagePixels pixels;
    if (!saved || !platform::ReadBitmapPixels(saved, &pixels)) return nullptr;
    if (!AdjustInPlace(pixels, ReusableAdjuster(colours))) return nullptr;
    return platform::CreateBitmapFromPixels(pixels);
}

platform::GdiplusBitmapHandle AdjustBitmapToGdiplusImage(HBITMAP saved, platform::GdiplusBitmapHandle,
                                                         const HSLValues& values) {
    platform::ImagePixels pixels;
    if (!saved || !platform::ReadBitmapPixels(saved, &pixels)) return nullptr;
    if (!AdjustInPlace(pixels, ReusableAdjuster(values), true)) return nullptr;
    return platform::CreateGdiplusBitmapFromPixels(pixels);
}

} // namespace hsl

#endif // !_WIN32
