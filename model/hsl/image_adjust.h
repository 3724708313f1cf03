#pragma once

// Adjusted copies of skin images, made through the model's image seam so
// that the same code serves the Windows tree (DIB sections, GDI+ bitmaps)
// and the native tree. Each returns null when the source cannot be read or
// the result cannot be made. The pixel work goes through the thread's
// reusable adjuster (ReusableAdjuster), shared by all images of one pass.

#include "model/hsl/hsl_arithmetic.h"
#include "model/platform/image.h"

namespace hsl {

// A 32 bpp ARGB GDI+ image: colours and alpha adjusted.
hexmoor::platform::GdiplusBitmapHandle AdjustGdiplusImage(Gdiplus::Bitmap* source, const HSLValues& values);

// A 32-bit DIB section: colours adjusted; the fourth byte of each pixel is
// kept and the opacity not used, since a GDI bitmap is drawn without alpha.
hexmoor::platform::BitmapHandle AdjustBitmapImage(HBITMAP source, const HSLValues& values);

// A 32 bpp ARGB GDI+ image made from a GDI bitmap, which counts as opaque:
// every alpha starts at 255 and then follows the opacity.
hexmoor::platform::GdiplusBitmapHandle AdjustBitmapToGdiplusImage(HBITMAP source, const HSLValues& values);

}  // namespace hsl
