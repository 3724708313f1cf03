// Adjusted images through the model's image seam (native build): the pixels
// are read out, adjusted where they are and made into a new image.
#ifndef _WIN32

#include "model/hsl/image_adjust.h"

#include <cstdint>
#include <utility>

namespace hsl {
namespace platform = hexmoor::platform;

struct ImageAdjustment::Parts {
    platform::ImagePixels pixels;
    bool to_gdiplus = false;
    bool made = false; // the result below is already made
    platform::GdiplusBitmapHandle gdiplus;
    platform::BitmapHandle bitmap;
};

ImageAdjustment::ImageAdjustment(const HSLValues& values, std::unique_ptr<Parts> parts)
    : values_(values), parts_(std::move(parts)) {}

ImageAdjustment::~ImageAdjustment() = default;

namespace {

std::unique_ptr<ImageAdjustment> NewAdjustment(const HSLValues& values, bool to_gdiplus) {
    auto parts = std::make_unique<ImageAdjustment::Parts>();
    parts->to_gdiplus = to_gdiplus;
    return std::make_unique<ImageAdjustment>(values, std::move(parts));
}

// Adjusts the read pixels where they are.
std::unique_ptr<ImageAdjustment> InPlace(std::unique_ptr<ImageAdjustment> adjustment, bool read,
                                         bool opaque_source = false) {
    platform::ImagePixels& pixels = adjustment->GetParts().pixels;
    if (!read ||
        pixels.argb.size() != static_cast<std::size_t>(pixels.width) * static_cast<std::size_t>(pixels.height)) {
        adjustment->Fail();
        return adjustment;
    }
    const PixelView view{pixels.argb.data(), pixels.width, pixels.height,
                         static_cast<std::ptrdiff_t>(pixels.width) * 4};
    adjustment->SetPixels(ConstPixelView{view.bits, view.width, view.height, view.stride}, view, opaque_source);
    return adjustment;
}

} // namespace

std::unique_ptr<ImageAdjustment> StartGdiplusImage(Gdiplus::Bitmap* saved, platform::GdiplusBitmapHandle,
                                                   const HSLValues& values, Gdiplus::Bitmap*) {
    auto adjustment = NewAdjustment(values, true);
    if (values.IsNeutral()) {
        adjustment->GetParts().gdiplus = platform::CloneGdiplusBitmap(saved);
        adjustment->GetParts().made = true;
        return adjustment;
    }
    const bool read = saved && platform::ReadGdiplusBitmapPixels(saved, &adjustment->GetParts().pixels);
    return InPlace(std::move(adjustment), read);
}

std::unique_ptr<ImageAdjustment> StartBitmapImage(HBITMAP saved, platform::BitmapHandle, const HSLValues& values) {
    const HSLValues colours(values.hue, values.saturation, values.lightness, 100.0);
    auto adjustment = NewAdjustment(colours, false);
    if (colours.IsNeutral()) {
        adjustment->GetParts().bitmap = platform::CopyBitmapAs32(saved);
        adjustment->GetParts().made = true;
        return adjustment;
    }
    const bool read = saved && platform::ReadBitmapPixels(saved, &adjustment->GetParts().pixels);
    return InPlace(std::move(adjustment), read);
}

std::unique_ptr<ImageAdjustment> StartBitmapToGdiplusImage(HBITMAP saved, platform::GdiplusBitmapHandle,
                                                           const HSLValues& values) {
    auto adjustment = NewAdjustment(values, true);
    const bool read = saved && platform::ReadBitmapPixels(saved, &adjustment->GetParts().pixels);
    return InPlace(std::move(adjustment), read, true);
}

platform::BitmapHandle PrepareBitmapTarget(HBITMAP, HBITMAP) { return {}; }

platform::GdiplusBitmapHandle PrepareGdiplusTarget(Gdiplus::Bitmap*, Gdiplus::Bitmap*) { return nullptr; }

platform::GdiplusBitmapHandle FinishGdiplusImage(ImageAdjustment& adjustment) {
    ImageAdjustment::Parts& parts = adjustment.GetParts();
    if (adjustment.Failed()) return nullptr;
    if (parts.made) return std::move(parts.gdiplus);
    return platform::CreateGdiplusBitmapFromPixels(parts.pixels);
}

platform::BitmapHandle FinishBitmapImage(ImageAdjustment& adjustment) {
    ImageAdjustment::Parts& parts = adjustment.GetParts();
    if (adjustment.Failed()) return nullptr;
    if (parts.made) return std::move(parts.bitmap);
    return platform::CreateBitmapFromPixels(parts.pixels);
}

} // namespace hsl

#endif // !_WIN32
