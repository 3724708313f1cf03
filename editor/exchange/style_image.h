// Pixel work of the visual-style import on portable 32-bit ARGB buffers:
// decoding the style's bitmaps with size caps, fills, colour keying, cutting
// image strips into frames and drawing glyphs centred onto frames.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include "model/platform/image.h"

namespace hexmoor::exchange {

using Pixels = hexmoor::platform::ImagePixels;

inline constexpr int kMaxBitmapSide = 16384;
inline constexpr std::uint64_t kMaxBitmapPixels = 64ull << 20;

// A bitmap resource (a packed DIB) as pixels. A 32-bit image without a
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
void DrawCentered(Pixels& frame, const Pixels& glyph);
// The image drawn on a transparent black background, as a GDI bitmap made
// from it holds it: every colour channel multiplied by the pixel's alpha
// (rounded), the alpha kept. Frame sides and MDI buttons are kept this way,
// since layered windows and alpha blending take premultiplied pixels.
Pixels OnTransparentBlack(Pixels image);
// A copy of a rectangle; nullopt when it is empty or not wholly inside.
std::optional<Pixels> CopyRect(const Pixels& image, std::int64_t x, std::int64_t y, std::int64_t width,
                               std::int64_t height);

// An image strip as the style keeps it: count images side by side, or
// stacked when vertical. A count of 0 counts as 1; a negative count has no
// frames.
struct Strip {
    // Shared: the import decodes each bitmap once, and strips cut from the
    // same bitmap read the same pixels.
    std::shared_ptr<const Pixels> pixels = std::make_shared<const Pixels>();
    int count = 1;
    bool vertical = false;

    int FrameCount() const { return count == 0 ? 1 : count; }
    int FrameWidth() const;
    int FrameHeight() const;
    // Frame k; nullopt when the count is negative or the frame is not
    // wholly inside the strip.
    std::optional<Pixels> Frame(int k) const;
};

} // namespace hexmoor::exchange
