#include "model/hsl/image_adjust.h"

#include <cstdint>

namespace hsl {
namespace platform = hexmoor::platform;

namespace {

// Adjusts an image's pixels where they are.
bool AdjustInPlace(platform::ImagePixels& pixels, PixelAdjuster& adjuster) {
  const PixelView view{pixels.argb.data(), pixels.width, pixels.height,
                       static_cast<std::ptrdiff_t>(pixels.width) * 4};
  if (pixels.argb.size() != static_cast<std::size_t>(pixels.width) * static_cast<std::size_t>(pixels.height)) {
    return false;
  }
  return AdjustPixels(ConstPixelView{view.bits, view.width, view.height, view.stride}, view, adjuster) ==
         AdjustStatus::kDone;
}

}  // namespace

platform::GdiplusBitmapHandle AdjustGdiplusImage(Gdiplus::Bitmap* source, const HSLValues& values) {
  platform::ImagePixels pixels;
  if (!source || !platform::ReadGdiplusBitmapPixels(source, &pixels)) return nullptr;
  if (!AdjustInPlace(pixels, ReusableAdjuster(values))) return nullptr;
  return platform::CreateGdiplusBitmapFromPixels(pixels);
}

platform::BitmapHandle AdjustBitmapImage(HBITMAP source, const HSLValues& values) {
  platform::ImagePixels pixels;
  if (!source || !platform::ReadBitmapPixels(source, &pixels)) return nullptr;
  const HSLValues colours_only(values.hue, values.saturation, values.lightness, 100.0);
  if (!AdjustInPlace(pixels, ReusableAdjuster(colours_only))) return nullptr;
  return platform::CreateBitmapFromPixels(pixels);
}

platform::GdiplusBitmapHandle AdjustBitmapToGdiplusImage(HBITMAP source, const HSLValues& values) {
  platform::ImagePixels pixels;
  if (!source || !platform::ReadBitmapPixels(source, &pixels)) return nullptr;
  for (std::uint32_t& p : pixels.argb) p |= 0xFF000000u;
  if (!AdjustInPlace(pixels, ReusableAdjuster(values))) return nullptr;
  return platform::CreateGdiplusBitmapFromPixels(pixels);
}

}  // namespace hsl
