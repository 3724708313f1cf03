// Pixel work of the visual-style import on portable 32-bit ARGB buffers:
// decoding the style's bitmaps with size caps, fills, colour keying, cutting
// image strips into frames and drawing glyphs centred onto frames.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>

#include "model/platform/image.h"

namespace hexmoor::exchange {

using Pixels = hexmoor::platform::ImagePixels;

inline constexpr int kMaxBitmapSide = 16384;
inline constexpr std::uint64_t kMaxBitmapPixels = 64ull << 20;

// What a bitmap resource's header promises, read before any pixel is
// decoded: its size, and whether its fourth byte is alpha (32 bits, no
// colour table). Nothing for a header that cannot be read or a size over
// the caps.
struct StyleBitmapHeader {
    int width = 0;
    int height = 0;
    bool alpha = false;
    std::uint64_t Area() const { return static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height); }
};
std::optional<StyleBitmapHeader> ReadStyleBitmapHeader(std::span<const std::uint8_t> dib);

// A bitmap resource (a packed DIB, any format the model's decoder reads) as
// pixels. A 32-bit image without a
// colour table keeps its fourth byte as straight alpha when keepAlpha is set;
// every other image comes out opaque. False for a block that does not decode
// or exceeds the caps.
bool DecodeStyleBitmap(std::span<const std::uint8_t> dib, bool keepAlpha, Pixels* out);

// A width x height image of one colour; empty for a size below 1.
Pixels SolidImage(int width, int height, std::uint32_t argb);
// Pixels inside the borders get the inner colour, the others the border colour.
void FillWithBorder(Pixels& image, std::uint32_t inner, std::uint32_t border, int left, int top, int right, int bottom);
// Every pixel equal to the colour becomes 0 (transparent black).
void MakeColorTransparent(Pixels& image, std::uint32_t argb);
// Draws the glyph over the frame (source over), centred with signed offsets
// and clipped to the frame; the frame keeps its size.
void DrawCentered(Pixels& frame, const hexmoor::platform::ImagePixelsView& glyph);
inline void DrawCentered(Pixels& frame, const Pixels& glyph) { DrawCentered(frame, hexmoor::platform::ViewOf(glyph)); }
// The image drawn on a transparent black background, as a GDI bitmap made
// from it holds it: every colour channel multiplied by the pixel's alpha
// (rounded), the alpha kept. Frame sides and MDI buttons are kept this way,
// since layered windows and alpha blending take premultiplied pixels.
Pixels OnTransparentBlack(const hexmoor::platform::ImagePixelsView& image);

// An image on its way to the skin: a rectangle of a decoded bitmap, read in
// place, or pixels of its own. Most images are stored as they were cut, so a
// cut is copied only once, into the skin's bitmap; it takes pixels of its
// own only when something is drawn on it.
class ImageCut {
public:
    // Pixels of its own (fills, drawn images).
    ImageCut(Pixels pixels) : own_(std::move(pixels)) {}
    // A rectangle wholly inside source (the caller checks).
    ImageCut(std::shared_ptr<const Pixels> source, int x, int y, int width, int height)
        : source_(std::move(source)), x_(x), y_(y), width_(width), height_(height) {}

    int Width() const { return source_ ? width_ : own_.width; }
    int Height() const { return source_ ? height_ : own_.height; }
    // The pixels as they are; valid while the cut lives and is not edited.
    hexmoor::platform::ImagePixelsView View() const;
    // The pixels to draw on: a cut first becomes pixels of its own.
    Pixels& Edit();
    // The pixels as an image of their own (a copy).
    Pixels ToPixels() const;

private:
    std::shared_ptr<const Pixels> source_; // null: the pixels are own_
    int x_ = 0, y_ = 0, width_ = 0, height_ = 0;
    Pixels own_;
};

// The pixels one import may hold: every bitmap it decoded (kept for reuse
// until the import ends) and every image cut from them on its way to the
// skin. Real styles need a few megapixels; the budget bounds the memory and
// the skin a hostile style can make, whatever the bitmaps' caps allow.
inline constexpr std::uint64_t kImportPixelBudget = 32ull << 20;

class PixelBudget {
public:
    explicit PixelBudget(std::uint64_t limit = kImportPixelBudget) : limit_(limit) {}
    // Takes pixels; false, taking nothing, when they would pass the limit.
    bool Take(std::uint64_t pixels) {
        if (pixels > limit_ - used_) return false;
        used_ += pixels;
        return true;
    }
    void Give(std::uint64_t pixels) { used_ -= std::min(pixels, used_); }
    std::uint64_t Used() const { return used_; }

private:
    std::uint64_t limit_;
    std::uint64_t used_ = 0;
};

// Where the images cut from one strip are counted: the import's budget
// (none: no limit) and what is done the first time a cut would pass it.
struct StripAccount {
    PixelBudget* budget = nullptr;
    std::function<void()> onRefused;
    bool refused = false;

    bool Take(std::uint64_t pixels);
};

// An image strip as the style keeps it: count images side by side, or
// stacked when vertical. A count of 0 counts as 1; a negative count has no
// frames. Every image cut from it is taken from the account's budget, as
// the copy the skin will hold; a cut the budget cannot pay for gives nothing.
struct Strip {
    // Shared: the import decodes each bitmap once, and strips cut from the
    // same bitmap read the same pixels.
    std::shared_ptr<const Pixels> pixels = std::make_shared<const Pixels>();
    int count = 1;
    bool vertical = false;
    std::shared_ptr<StripAccount> account;

    int FrameCount() const { return count == 0 ? 1 : count; }
    int FrameWidth() const;
    int FrameHeight() const;
    // Frame k; nullopt when the count is negative or the frame is not
    // wholly inside the strip.
    std::optional<ImageCut> Frame(int k) const;
    // The whole strip; nullopt for an empty one.
    std::optional<ImageCut> Whole() const;
    // A rectangle; nullopt when it is empty or not wholly inside.
    std::optional<ImageCut> Piece(std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height) const;
};

} // namespace hexmoor::exchange
