// The build-independent steps of an image's adjustment, and the one-call
// forms made of them.

#include "model/hsl/image_adjust.h"

#include <cstdint>

namespace hsl {
namespace platform = hexmoor::platform;

void ImageAdjustment::SetPixels(const ConstPixelView& source, const PixelView& target, bool opaque_source) {
    source_ = source;
    target_ = target;
    opaque_source_ = opaque_source;
    if (target_.width < source_.width || target_.height < source_.height) Fail();
}

void ImageAdjustment::AdjustRows(int first, int count) {
    if (Failed() || first < 0 || count <= 0 || first >= source_.height) return;
    if (count > source_.height - first) count = source_.height - first;
    // A band of rows is a view of its own: the first row moved, the stride
    // kept (negative for bottom-up storage).
    const auto* src = reinterpret_cast<const unsigned char*>(source_.bits) + source_.stride * first;
    auto* dst = reinterpret_cast<unsigned char*>(target_.bits) + target_.stride * first;
    const ConstPixelView band_source{reinterpret_cast<const std::uint32_t*>(src), source_.width, count, source_.stride};
    const PixelView band_target{reinterpret_cast<std::uint32_t*>(dst), target_.width, count, target_.stride};
    if (AdjustPixels(band_source, band_target, ReusableAdjuster(values_), opaque_source_) != AdjustStatus::kDone) {
        Fail();
    }
}

namespace {

template <typename Start, typename Finish>
auto InOneCall(Start start, Finish finish) {
    std::unique_ptr<ImageAdjustment> adjustment = start();
    adjustment->AdjustRows(0, adjustment->Rows());
    return finish(*adjustment);
}

} // namespace

platform::GdiplusBitmapHandle AdjustGdiplusImage(Gdiplus::Bitmap* saved, platform::GdiplusBitmapHandle current,
                                                 const HSLValues& values) {
    return InOneCall([&] { return StartGdiplusImage(saved, std::move(current), values); }, FinishGdiplusImage);
}

platform::BitmapHandle AdjustBitmapImage(HBITMAP saved, platform::BitmapHandle current, const HSLValues& values) {
    return InOneCall([&] { return StartBitmapImage(saved, std::move(current), values); }, FinishBitmapImage);
}

platform::GdiplusBitmapHandle AdjustBitmapToGdiplusImage(HBITMAP saved, platform::GdiplusBitmapHandle current,
                                                         const HSLValues& values) {
    return InOneCall([&] { return StartBitmapToGdiplusImage(saved, std::move(current), values); }, FinishGdiplusImage);
}

} // namespace hsl
