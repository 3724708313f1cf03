// The colour adjustment of one image-map entry, rebuilt from its saved copy.

#include <utility>

#include "model/hsl/hsl_arithmetic.h"
#include "model/hsl/image_adjust.h"
#include "model/mrg_bitmap.h"

namespace platform = hexmoor::platform;

int CMrgBitmap::ApplyHSL(double hue, double saturation, double lightness, double opacity) {
    const HSLValues values(hue, saturation, lightness, opacity);
    if (IsPlainValue()) {
        // Without a saved copy there is nothing to start from: keep the value.
        if (!hasSavedValue_) return 0;
        value_ = hsl::AdjustColorRef(savedValue_, values);
        return 1;
    }
    if (!HasSavedCopy()) return 0;
    const std::unique_ptr<hsl::ImageAdjustment> adjustment = StartHSL(values);
    adjustment->AdjustRows(0, adjustment->Rows());
    return FinishHSL(*adjustment);
}

namespace {

// The target made ahead when there is one (used once), else the current
// image; the current image stays in place until the result replaces it.
template <class Handle>
Handle TargetFor(Handle& current, Handle& first) {
    return first ? std::move(first) : std::move(current);
}

} // namespace

void CMrgBitmap::PrepareFirstTargets() {
    firstBitmapTarget_.Reset();
    firstGdiplusTarget_.reset();
    replacedBitmap_.Reset();
    replacedGdiplus_.reset();
    if (savedIsGdiplus_) {
        firstGdiplusTarget_ = hsl::PrepareGdiplusTarget(gdiplus_.get(), savedGdiplus_.get());
    } else if (savedBitmap_) {
        firstBitmapTarget_ = hsl::PrepareBitmapTarget(bitmap_.Get(), savedBitmap_.Get());
    }
}

std::unique_ptr<hsl::ImageAdjustment> CMrgBitmap::StartHSL(const HSLValues& values) {
    // The form follows the saved copy and the opacity: a GDI bitmap turns into
    // a GDI+ image while it needs per-pixel alpha, and back again at 100. The
    // current image (or the target made with the saved copy) is handed over
    // for reuse when it has the result's form.
    std::unique_ptr<hsl::ImageAdjustment> adjustment;
    if (savedIsGdiplus_) {
        adjustment = hsl::StartGdiplusImage(savedGdiplus_.get(), TargetFor(gdiplus_, firstGdiplusTarget_), values,
                                            savedArgb_.get());
    } else if (values.KeepsAlpha()) {
        adjustment = hsl::StartBitmapImage(savedBitmap_.Get(), TargetFor(bitmap_, firstBitmapTarget_), values);
    } else {
        adjustment = hsl::StartBitmapToGdiplusImage(savedBitmap_.Get(), std::move(gdiplus_), values);
    }
    // What is left of the current image is replaced by the result: kept
    // with the saved copy rather than freed by the finish.
    if (bitmap_) replacedBitmap_ = std::move(bitmap_);
    if (gdiplus_) replacedGdiplus_ = std::move(gdiplus_);
    return adjustment;
}

int CMrgBitmap::FinishHSL(hsl::ImageAdjustment& adjustment) {
    if (savedIsGdiplus_ || !adjustment.Values().KeepsAlpha()) {
        SetGdiplusBitmap(hsl::FinishGdiplusImage(adjustment));
        return gdiplus_ ? 1 : 0;
    }
    SetBitmap(hsl::FinishBitmapImage(adjustment));
    return bitmap_ ? 1 : 0;
}
