#pragma once

// Adjusted skin images made from saved copies. Each function takes the
// entry's current image of the result's form (null when it holds none): the
// Windows build writes the new pixels straight into it when it has the
// result's size and pixel format, so that repeated adjustments allocate
// nothing, and makes a new image otherwise. The native build goes through
// the model's image seam. Each returns null when the saved copy cannot be
// read or the result cannot be made.
//
// Neutral values give back the saved copy exactly, in its own pixel format.
// The pixel work goes through the thread's reusable adjuster, shared by all
// images of one pass (ReusableAdjuster).

#include "model/hsl/hsl_values.h"
#include "model/platform/image.h"

namespace hsl {

// A GDI+ image from a GDI+ saved copy: colours and alpha adjusted; 32 bpp
// ARGB unless the values are neutral.
hexmoor::platform::GdiplusBitmapHandle AdjustGdiplusImage(Gdiplus::Bitmap* saved,
                                                          hexmoor::platform::GdiplusBitmapHandle current,
                                                          const HSLValues& values);

// A 32-bit DIB section from a GDI bitmap saved copy: colours adjusted; the
// fourth byte of each pixel is kept and the opacity not used, since a GDI
// bitmap is drawn without alpha.
hexmoor::platform::BitmapHandle AdjustBitmapImage(HBITMAP saved, hexmoor::platform::BitmapHandle current,
                                                  const HSLValues& values);

// A 32 bpp ARGB GDI+ image from a GDI bitmap saved copy, which counts as
// opaque: every alpha starts at 255 and then follows the opacity.
hexmoor::platform::GdiplusBitmapHandle AdjustBitmapToGdiplusImage(HBITMAP saved,
                                                                  hexmoor::platform::GdiplusBitmapHandle current,
                                                                  const HSLValues& values);

} // namespace hsl
