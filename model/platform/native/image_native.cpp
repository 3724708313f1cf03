// Native images: pixel buffers behind HBITMAP and Gdiplus::Bitmap.
#include <memory>

#include "model/platform/image.h"
#include "model/platform/native/records.h"

namespace hexmoor::platform {

template <>
void NativeHandleTraits<HBITMAP>::Close(HBITMAP bitmap) noexcept {
    delete bitmap;
}
void GdiplusBitmapDeleter::operator()(Gdiplus::Bitmap* bitmap) const noexcept { delete bitmap; }

namespace {
bool IsValid(const ImagePixels& pixels) {
    return pixels.width > 0 && pixels.height > 0 &&
           pixels.argb.size() == static_cast<size_t>(pixels.width) * static_cast<size_t>(pixels.height);
}
} // namespace

BitmapHandle CopyBitmapAs32(HBITMAP source) {
    if (!source || !IsValid(source->pixels)) return nullptr;
    return BitmapHandle(new HBITMAP__{source->pixels});
}

bool GetBitmapSize(HBITMAP bitmap, LONG* width, LONG* height) {
    if (!bitmap) return false;
    if (width) *width = bitmap->pixels.width;
    if (height) *height = bitmap->pixels.height;
    return true;
}

BitmapHandle CreateBitmapFromPixels(const ImagePixels& pixels) {
    if (!IsValid(pixels)) return nullptr;
    return BitmapHandle(new HBITMAP__{pixels});
}

bool ReadBitmapPixels(HBITMAP bitmap, ImagePixels* out) {
    if (!bitmap || !out) return false;
    *out = bitmap->pixels;
    return true;
}

GdiplusBitmapHandle CloneGdiplusBitmap(Gdiplus::Bitmap* bitmap) {
    if (!bitmap) return nullptr;
    auto copy = std::make_unique<Gdiplus::Bitmap>();
    copy->pixels = bitmap->pixels;
    return GdiplusBitmapHandle(copy.release());
}

GdiplusBitmapHandle ArgbCopyForReading(Gdiplus::Bitmap*) { return nullptr; }

bool GetGdiplusBitmapSize(Gdiplus::Bitmap* bitmap, LONG* width, LONG* height) {
    if (!bitmap) return false;
    if (width) *width = bitmap->pixels.width;
    if (height) *height = bitmap->pixels.height;
    return true;
}

GdiplusBitmapHandle CreateGdiplusBitmapFromPixels(const ImagePixels& pixels) {
    if (!IsValid(pixels)) return nullptr;
    auto image = std::make_unique<Gdiplus::Bitmap>();
    image->pixels = pixels;
    return GdiplusBitmapHandle(image.release());
}

GdiplusBitmapHandle CreateGdiplusBitmapFromPixels(const ImagePixelsView& pixels) {
    if (!pixels.first || pixels.width <= 0 || pixels.height <= 0) return nullptr;
    auto image = std::make_unique<Gdiplus::Bitmap>();
    image->pixels.width = pixels.width;
    image->pixels.height = pixels.height;
    image->pixels.argb.reserve(static_cast<std::size_t>(pixels.width) * static_cast<std::size_t>(pixels.height));
    for (int y = 0; y < pixels.height; ++y)
        image->pixels.argb.insert(image->pixels.argb.end(), pixels.Row(y), pixels.Row(y) + pixels.width);
    return GdiplusBitmapHandle(image.release());
}

bool ReadGdiplusBitmapPixels(Gdiplus::Bitmap* bitmap, ImagePixels* out) {
    if (!bitmap || !out) return false;
    *out = bitmap->pixels;
    return true;
}

} // namespace hexmoor::platform
