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

    // The form follows the saved copy and the opacity: a GDI bitmap turns into
    // a GDI+ image while it needs per-pixel alpha, and back again at 100. The
    // current image is handed over for reuse when it has the result's form.
    if (savedIsGdiplus_) {
        SetGdiplusBitmap(hsl::AdjustGdiplusImage(savedGdiplus_.get(), std::move(gdiplus_), values));
        return gdiplus_ ? 1 : 0;
    }
    if (values.KeepsAlpha()) {
        SetBitmap(hsl::AdjustBitmapImage(savedBitmap_.Get(), std::move(bitmap_), values));
        return bitmap_ ? 1 : 0;
    }
    SetGdiplusBitmap(hsl::AdjustBitmapToGdiplusImage(savedBitmap_.Get(), std::move(gdiplus_), values));
    return gdiplus_ ? 1 : 0;
}
