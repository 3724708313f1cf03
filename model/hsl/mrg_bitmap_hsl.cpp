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

std::unique_ptr<hsl::ImageAdjustment> CMrgBitmap::StartHSL(const HSLValues& values) {
    // The form follows the saved copy and the opacity: a GDI bitmap turns into
    // a GDI+ image while it needs per-pixel alpha, and back again at 100. The
    // current image is handed over for reuse when it has the result's form.
    if (savedIsGdiplus_) {
        return hsl::StartGdiplusImage(savedGdiplus_.get(), std::move(gdiplus_), values, savedArgb_.get());
    }
    if (values.KeepsAlpha()) return hsl::StartBitmapImage(savedBitmap_.Get(), std::move(bitmap_), values);
    return hsl::StartBitmapToGdiplusImage(savedBitmap_.Get(), std::move(gdiplus_), values);
}

int CMrgBitmap::FinishHSL(hsl::ImageAdjustment& adjustment) {
    if (savedIsGdiplus_ || !adjustment.Values().KeepsAlpha()) {
        SetGdiplusBitmap(hsl::FinishGdiplusImage(adjustment));
        return gdiplus_ ? 1 : 0;
    }
    SetBitmap(hsl::FinishBitmapImage(adjustment));
    return bitmap_ ? 1 : 0;
}
