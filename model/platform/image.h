// The image seam of the skin model: the few operations on skin images that
// the model needs, implemented with GDI DIB sections and GDI+ bitmaps in the
// Windows tree (platform/win) and with plain pixel buffers in the native tree
// (platform/native). Every handle returned here is owned by the caller and is
// handed back through the RAII types below.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <type_traits>
#include <vector>

#include "model/platform/handles.h"

namespace hexmoor::platform {

struct GdiplusBitmapDeleter {
    void operator()(Gdiplus::Bitmap* bitmap) const noexcept;
};

// An owned GDI+ bitmap (images read from PNG data keep their alpha this way).
using GdiplusBitmapHandle = std::unique_ptr<Gdiplus::Bitmap, GdiplusBitmapDeleter>;

// Pixels of an image as top-down rows of 32-bit words 0xAARRGGBB (the
// B, G, R, A byte order of a 32-bit DIB section).
struct ImagePixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb; // width * height words, row after row
};

// A rectangle of pixels read in place: width x height words, each row
// stride words after the one before (an image's own rows, or a part of
// them). It holds no pixels; the image it reads must outlive it.
struct ImagePixelsView {
    const std::uint32_t* first = nullptr;
    int width = 0;
    int height = 0;
    std::size_t stride = 0;

    const std::uint32_t* Row(int y) const { return first + static_cast<std::size_t>(y) * stride; }
};
// All of an image; an empty view when the buffer does not hold width x
// height words.
inline ImagePixelsView ViewOf(const ImagePixels& pixels) {
    if (pixels.width <= 0 || pixels.height <= 0 ||
        pixels.argb.size() != static_cast<std::size_t>(pixels.width) * static_cast<std::size_t>(pixels.height)) {
        return {};
    }
    return {pixels.argb.data(), pixels.width, pixels.height, static_cast<std::size_t>(pixels.width)};
}

// --- GDI bitmaps -----------------------------------------------------------

// A new 32-bit DIB section of the source's size holding its contents; the
// source stays the caller's. Null when the source is not a bitmap.
BitmapHandle CopyBitmapAs32(HBITMAP source);
// Width and height of a bitmap; false when it is not one.
bool GetBitmapSize(HBITMAP bitmap, LONG* width, LONG* height);
// A 32-bit DIB section made from pixels (alpha kept). Null for an empty image.
BitmapHandle CreateBitmapFromPixels(const ImagePixels& pixels);
// Reads a bitmap's pixels (any depth) as 32-bit words.
bool ReadBitmapPixels(HBITMAP bitmap, ImagePixels* out);

// --- GDI+ bitmaps ----------------------------------------------------------

// A full copy of a GDI+ bitmap (GDI+ Clone); null when cloning fails.
GdiplusBitmapHandle CloneGdiplusBitmap(Gdiplus::Bitmap* bitmap);
bool GetGdiplusBitmapSize(Gdiplus::Bitmap* bitmap, LONG* width, LONG* height);
// A 32 bpp ARGB GDI+ bitmap made from pixels. Null for an empty image.
GdiplusBitmapHandle CreateGdiplusBitmapFromPixels(const ImagePixels& pixels);
GdiplusBitmapHandle CreateGdiplusBitmapFromPixels(const ImagePixelsView& pixels);
bool ReadGdiplusBitmapPixels(Gdiplus::Bitmap* bitmap, ImagePixels* out);
// A 32 bpp ARGB copy of a bitmap's pixels as ReadGdiplusBitmapPixels gives
// them, for a bitmap read many times: a lock in the bitmap's own format hands
// out its bits, a lock in another converts a new copy each time. Null when
// the bitmap is already in that form (the native build's always are) or the
// copy cannot be made.
GdiplusBitmapHandle ArgbCopyForReading(Gdiplus::Bitmap* bitmap);

// --- Image streams of the skin file ----------------------------------------

// A GDI+ bitmap as a PNG file image; false when encoding fails.
bool EncodePng(Gdiplus::Bitmap* bitmap, std::vector<std::uint8_t>* out);
// A GDI bitmap as a BMP file image; false when encoding fails.
bool EncodeBmp(HBITMAP bitmap, std::vector<std::uint8_t>* out);

// The result of decoding an image stream: a PNG stays a GDI+ bitmap; any
// other format becomes a 32-bit DIB section drawn over opaque black. Both
// empty when the bytes do not decode.
struct DecodedImage {
    GdiplusBitmapHandle png;
    BitmapHandle bitmap;
    explicit operator bool() const { return png || bitmap; }
};
DecodedImage DecodeImageStream(std::span<const std::uint8_t> data);
// A GDI+ bitmap decoded from image bytes in memory (any format GDI+ reads,
// through a stream on a global memory block, never a file; the native tree
// reads PNG only); null when the bytes do not decode to a non-empty image.
GdiplusBitmapHandle DecodeGdiplusImage(std::span<const std::uint8_t> data);

// A packed device-independent bitmap (BITMAPINFOHEADER, colour table, pixel
// rows) as a 32-bit DIB section. The header, colour table and pixel size are
// checked against the bytes given; null when they do not fit.
BitmapHandle DecodePackedDib(std::span<const std::uint8_t> data);

} // namespace hexmoor::platform
