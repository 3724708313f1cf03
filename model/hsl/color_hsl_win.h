#pragma once

// Windows images under the shared pixel loop: GDI+ bitmaps locked in 32-bit
// ARGB and GDI bitmaps read into 32-bit DIB sections. Pixels are never drawn
// through Graphics::DrawImage, which scales by the image's resolution.

#ifdef _WIN32

#include "model/hsl/hsl_arithmetic.h"
#include "model/platform/types.h"

namespace hsl::win {

// One LockBits of a whole rectangle in 32-bit ARGB, released on scope exit.
class ArgbLock {
public:
    ArgbLock(Gdiplus::Bitmap* bitmap, UINT width, UINT height, UINT mode) : bitmap_(bitmap) {
        Gdiplus::Rect rect(0, 0, static_cast<INT>(width), static_cast<INT>(height));
        locked_ = bitmap_->LockBits(&rect, mode, PixelFormat32bppARGB, &data_) == Gdiplus::Ok;
    }
    ~ArgbLock() {
        if (locked_) bitmap_->UnlockBits(&data_);
    }
    ArgbLock(const ArgbLock&) = delete;
    ArgbLock& operator=(const ArgbLock&) = delete;

    bool Locked() const { return locked_; }
    PixelView View() const {
        return {static_cast<std::uint32_t*>(data_.Scan0), static_cast<int>(data_.Width), static_cast<int>(data_.Height),
                data_.Stride};
    }

private:
    Gdiplus::Bitmap* bitmap_;
    Gdiplus::BitmapData data_{};
    bool locked_ = false;
};

// The adjusted pixels of src written into the top-left of dst (dst may be
// src itself). False, with dst unchanged, when a bitmap is null, cannot be
// locked, or dst is smaller than src.
bool AdjustGdiplusBitmap(Gdiplus::Bitmap* dst, Gdiplus::Bitmap* src, PixelAdjuster& adjuster);

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
