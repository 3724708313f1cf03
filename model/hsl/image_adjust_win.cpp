// Adjusted images in the Windows build: pixels read from DIB sections and
// locked GDI+ bitmaps, written into the entry's current image when it fits.
#ifdef _WIN32

#include "model/hsl/image_adjust.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "model/hsl/color_hsl_win.h"
#include "model/hsl/hsl_arithmetic.h"
#include "model/platform/win/dib.h"

namespace hsl {
namespace platform = hexmoor::platform;

namespace {

// True when the GDI+ image can take a result of the size as it is.
bool IsArgbTarget(Gdiplus::Bitmap* bitmap, UINT width, UINT height) {
    return bitmap && bitmap->GetPixelFormat() == PixelFormat32bppARGB && bitmap->GetWidth() == width &&
           bitmap->GetHeight() == height;
}

// The current GDI+ image when it can take the result as it is, else a new
// 32 bpp ARGB bitmap of the size.
platform::GdiplusBitmapHandle ArgbTarget(platform::GdiplusBitmapHandle current, UINT width, UINT height) {
    if (IsArgbTarget(current.get(), width, height)) return current;
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

// True when the bitmap is a 32-bit DIB section of the size, whose bits a
// result can be written into; `view` then shows them.
bool IsDibTarget(HBITMAP bitmap, int width, int height, PixelView* view) {
    return bitmap && win::DibSectionPixels(bitmap, view) && view->width == width && view->height == height;
}

} // namespace

// The results and what must stay alive while the rows are adjusted: the
// locks are declared last so that they are released before the bitmaps.
struct ImageAdjustment::Parts {
    platform::GdiplusBitmapHandle gdiplus;
    platform::BitmapHandle bitmap;
    platform::ImagePixels storage;
    std::optional<win::ArgbLock> source_lock;
    std::optional<win::ArgbLock> target_lock;
};

ImageAdjustment::ImageAdjustment(const HSLValues& values, std::unique_ptr<Parts> parts)
    : values_(values), parts_(std::move(parts)) {}

ImageAdjustment::~ImageAdjustment() = default;

namespace {

std::unique_ptr<ImageAdjustment> NewAdjustment(const HSLValues& values) {
    return std::make_unique<ImageAdjustment>(values, std::make_unique<ImageAdjustment::Parts>());
}

std::unique_ptr<ImageAdjustment> Failed(std::unique_ptr<ImageAdjustment> adjustment) {
    adjustment->Fail();
    return adjustment;
}

ConstPixelView AsConst(const PixelView& view) { return {view.bits, view.width, view.height, view.stride}; }

} // namespace

std::unique_ptr<ImageAdjustment> StartGdiplusImage(Gdiplus::Bitmap* saved, platform::GdiplusBitmapHandle current,
                                                   const HSLValues& values, Gdiplus::Bitmap* saved_argb) {
    auto adjustment = NewAdjustment(values);
    ImageAdjustment::Parts& parts = adjustment->GetParts();
    if (saved == nullptr) return Failed(std::move(adjustment));
    // Undo: an exact copy, in the saved image's own pixel format.
    if (values.IsNeutral()) {
        parts.gdiplus = platform::CloneGdiplusBitmap(saved);
        return adjustment;
    }
    // The pixels read: the ARGB copy, whose lock hands out its own bits.
    Gdiplus::Bitmap* const source = saved_argb ? saved_argb : saved;
    const UINT width = source->GetWidth();
    const UINT height = source->GetHeight();
    parts.gdiplus = ArgbTarget(std::move(current), width, height);
    if (!parts.gdiplus) return Failed(std::move(adjustment));
    if (width == 0 || height == 0) {
        if (source->GetLastStatus() != Gdiplus::Ok) adjustment->Fail();
        return adjustment;
    }
    parts.source_lock.emplace(source, width, height, Gdiplus::ImageLockModeRead);
    if (!parts.source_lock->Locked()) return Failed(std::move(adjustment));
    parts.target_lock.emplace(parts.gdiplus.get(), width, height, Gdiplus::ImageLockModeWrite);
    if (!parts.target_lock->Locked()) return Failed(std::move(adjustment));
    adjustment->SetPixels(AsConst(parts.source_lock->View()), parts.target_lock->View(), false);
    return adjustment;
}

std::unique_ptr<ImageAdjustment> StartBitmapImage(HBITMAP saved, platform::BitmapHandle current,
                                                  const HSLValues& values) {
    const HSLValues colours(values.hue, values.saturation, values.lightness, 100.0);
    auto adjustment = NewAdjustment(colours);
    ImageAdjustment::Parts& parts = adjustment->GetParts();
    if (colours.IsNeutral()) {
        parts.bitmap = platform::CopyBitmapAs32(saved);
        return adjustment;
    }
    ConstPixelView source;
    if (saved == nullptr || !BitmapSource(saved, parts.storage, &source)) return Failed(std::move(adjustment));

    PixelView target;
    if (!IsDibTarget(current.Get(), source.width, source.height, &target)) {
        current.Reset(CreateStandardDibSection(source.width, source.height, 32));
        if (!current || !win::DibSectionPixels(current.Get(), &target)) return Failed(std::move(adjustment));
    }
    parts.bitmap = std::move(current);
    ::GdiFlush();
    adjustment->SetPixels(source, target, false);
    return adjustment;
}

std::unique_ptr<ImageAdjustment> StartBitmapToGdiplusImage(HBITMAP saved, platform::GdiplusBitmapHandle current,
                                                           const HSLValues& values) {
    auto adjustment = NewAdjustment(values);
    ImageAdjustment::Parts& parts = adjustment->GetParts();
    ConstPixelView source;
    if (saved == nullptr || !BitmapSource(saved, parts.storage, &source)) return Failed(std::move(adjustment));
    ::GdiFlush();
    const UINT width = static_cast<UINT>(source.width);
    const UINT height = static_cast<UINT>(source.height);
    parts.gdiplus = ArgbTarget(std::move(current), width, height);
    if (!parts.gdiplus) return Failed(std::move(adjustment));
    parts.target_lock.emplace(parts.gdiplus.get(), width, height, Gdiplus::ImageLockModeWrite);
    if (!parts.target_lock->Locked()) return Failed(std::move(adjustment));
    adjustment->SetPixels(source, parts.target_lock->View(), true);
    return adjustment;
}

platform::BitmapHandle PrepareBitmapTarget(HBITMAP current, HBITMAP saved) {
    LONG width = 0;
    LONG height = 0;
    if (!platform::GetBitmapSize(saved, &width, &height) || width <= 0 || height <= 0) return {};
    PixelView view;
    if (IsDibTarget(current, width, height, &view)) return {};
    return platform::BitmapHandle(CreateStandardDibSection(width, height, 32));
}

platform::GdiplusBitmapHandle PrepareGdiplusTarget(Gdiplus::Bitmap* current, Gdiplus::Bitmap* saved) {
    if (!saved) return nullptr;
    const UINT width = saved->GetWidth();
    const UINT height = saved->GetHeight();
    if (width == 0 || height == 0 || IsArgbTarget(current, width, height)) return nullptr;
    return ArgbTarget(nullptr, width, height);
}

platform::GdiplusBitmapHandle FinishGdiplusImage(ImageAdjustment& adjustment) {
    ImageAdjustment::Parts& parts = adjustment.GetParts();
    parts.target_lock.reset();
    parts.source_lock.reset();
    if (adjustment.Failed()) return nullptr;
    return std::move(parts.gdiplus);
}

platform::BitmapHandle FinishBitmapImage(ImageAdjustment& adjustment) {
    if (adjustment.Failed()) return nullptr;
    return std::move(adjustment.GetParts().bitmap);
}

} // namespace hsl

#endif // _WIN32
