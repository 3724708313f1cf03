#pragma once

// Windows images under the shared pixel loop: GDI+ bitmaps locked in 32-bit
// ARGB and GDI bitmaps read into 32-bit DIB sections. Pixels are never drawn
// through Graphics::DrawImage, which scales by the image's resolution.

#ifdef _WIN32

#include "model/hsl/hsl_arithmetic.h"
#include "model/platform/types.h"

namespace hsl::win {

// The adjusted pixels of src written into the top-left of dst (dst may be
// src itself). False, with dst unchanged, when a bitmap is null, cannot be
// locked, or dst is smaller than src.
bool AdjustGdiplusBitmap(Gdiplus::Bitmap* dst, Gdiplus::Bitmap* src, PixelAdjuster& adjuster);

// The adjusted pixels of src written into the top-left of dst (an opaque
// source as in PixelAdjuster::AdjustRow). False, with dst unchanged, when
// dst is null, cannot be locked or is smaller than src.
bool AdjustPixelsIntoGdiplus(Gdiplus::Bitmap* dst, const ConstPixelView& src, PixelAdjuster& adjuster,
                             bool opaque_source);

// The pixels of a 32-bit DIB section with red, green and blue in their usual
// places, top row first (a bottom-up section gets a negative stride). False
// for any other bitmap. Call GdiFlush before touching them.
bool DibSectionPixels(HBITMAP bitmap, PixelView* view);

// A new top-down 32-bit DIB section holding src's pixels adjusted as an
// opaque image (a GDI bitmap has no alpha: every pixel starts at alpha 255,
// whatever its fourth byte holds, and then follows the opacity), composed on
// opaque white; every pixel of the result is opaque. Null when src is not a
// bitmap or memory runs out.
HBITMAP AdjustBitmapToDib(HBITMAP src, PixelAdjuster& adjuster);

} // namespace hsl::win

#endif // _WIN32
