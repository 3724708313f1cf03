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
//
// Each function also comes in steps (Start..., ImageAdjustment::AdjustRows,
// Finish...), so that the rows of many images can be shared out among
// threads in even pieces.

#include <atomic>
#include <memory>

#include "model/hsl/hsl_arithmetic.h"
#include "model/hsl/hsl_values.h"
#include "model/platform/image.h"

namespace hsl {

// One image's adjustment between its start and its finish: where its pixels
// come from and go to, and what must stay alive (locks, buffers, the result)
// until every row is done.
class ImageAdjustment {
public:
    struct Parts; // the build's own: buffers, locks and the result

    ImageAdjustment(const HSLValues& values, std::unique_ptr<Parts> parts);
    ~ImageAdjustment();
    ImageAdjustment(const ImageAdjustment&) = delete;
    ImageAdjustment& operator=(const ImageAdjustment&) = delete;

    // Sets the pixels to adjust (none before: the result needs no pixel work).
    void SetPixels(const ConstPixelView& source, const PixelView& target, bool opaque_source);
    // Marks the adjustment as failed: the finish gives null.
    void Fail() { failed_.store(true, std::memory_order_relaxed); }

    const HSLValues& Values() const { return values_; }
    int Width() const { return source_.width; }
    int Rows() const { return source_.height; }
    bool Failed() const { return failed_.load(std::memory_order_relaxed); }
    Parts& GetParts() { return *parts_; }

    // Adjusts rows [first, first + count) through the calling thread's
    // reusable adjuster. Bands that do not overlap may be adjusted at the same
    // time on different threads; each pixel's result does not depend on how
    // the rows are cut.
    void AdjustRows(int first, int count);

private:
    HSLValues values_;
    std::unique_ptr<Parts> parts_;
    ConstPixelView source_;
    PixelView target_;
    bool opaque_source_ = false;
    std::atomic<bool> failed_{false};
};

// The steps of the three functions below. A start never returns null; its
// finish gives what the function gives, null when any step failed.
// `saved_argb`, when given, holds the saved copy's pixels in 32 bpp ARGB
// (platform::ArgbCopyForReading) and is read in its place.
std::unique_ptr<ImageAdjustment> StartGdiplusImage(Gdiplus::Bitmap* saved,
                                                   hexmoor::platform::GdiplusBitmapHandle current,
                                                   const HSLValues& values, Gdiplus::Bitmap* saved_argb = nullptr);
std::unique_ptr<ImageAdjustment> StartBitmapImage(HBITMAP saved, hexmoor::platform::BitmapHandle current,
                                                  const HSLValues& values);
std::unique_ptr<ImageAdjustment> StartBitmapToGdiplusImage(HBITMAP saved,
                                                           hexmoor::platform::GdiplusBitmapHandle current,
                                                           const HSLValues& values);
// Targets made ahead, with the saved copy, for an entry's first adjustment,
// so that the first pass of a drag makes no image: the form StartBitmapImage
// (a 32-bit DIB section) or StartGdiplusImage (32 bpp ARGB) writes into, in
// the saved copy's size. Null when `current` already has that form and size
// (it is reused), when the saved copy is missing, and in the native build,
// whose adjustments make their results at the finish.
hexmoor::platform::BitmapHandle PrepareBitmapTarget(HBITMAP current, HBITMAP saved);
hexmoor::platform::GdiplusBitmapHandle PrepareGdiplusTarget(Gdiplus::Bitmap* current, Gdiplus::Bitmap* saved);
// For StartGdiplusImage and StartBitmapToGdiplusImage.
hexmoor::platform::GdiplusBitmapHandle FinishGdiplusImage(ImageAdjustment& adjustment);
// For StartBitmapImage.
hexmoor::platform::BitmapHandle FinishBitmapImage(ImageAdjustment& adjustment);

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
