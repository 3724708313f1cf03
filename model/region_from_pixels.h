// Window regions from pictures by colour keying: every pixel that does not
// match the key colour (or, inverted, every pixel that does) becomes part of
// the region, one rectangle per horizontal run of such pixels. The region
// editor builds its regions this way, and the visual-style import cuts the
// top frame side's shape out of its magenta background with it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "model/image_rgn.h"
#include "model/platform/image.h"

// How the range colour widens the key colour into a band per channel.
enum class RegionRange {
    Off,         // exact match of the key colour; the range colour is not read
    Tolerance,   // the range colour's R, G, B are plus/minus tolerances
    Destination, // the band runs between the key colour and the range colour
};

struct RegionKey {
    COLORREF key = 0xFFFFFF; // 0x00BBGGRR
    COLORREF range = 0;      // tolerance triple or destination colour
    RegionRange mode = RegionRange::Off;
    bool invert = false;       // keep the matching pixels instead
    bool useUpperLeft = false; // key = the picture's upper-left pixel; a
                               // destination colour then acts as tolerances
};

// Inclusive per-channel bounds of the matching colours, index 0 red, 1 green,
// 2 blue. The key colour is the one actually used (the upper-left pixel's
// colour when the key asks for it).
struct ChannelBands {
    std::array<std::uint8_t, 3> low{};
    std::array<std::uint8_t, 3> high{};
    bool Matches(std::uint32_t argb) const {
        const std::uint8_t r = static_cast<std::uint8_t>(argb >> 16);
        const std::uint8_t g = static_cast<std::uint8_t>(argb >> 8);
        const std::uint8_t b = static_cast<std::uint8_t>(argb);
        return r >= low[0] && r <= high[0] && g >= low[1] && g <= high[1] && b >= low[2] && b <= high[2];
    }
};
ChannelBands ComputeChannelBands(COLORREF key, const RegionKey& options);

// The region of the kept pixels of a picture (top-down 32-bit rows, the
// alpha byte ignored), with the picture's width and height: one rectangle
// per run, rows with the same runs as the row above joined into one band,
// made in one piece in time linear in its rectangles. A picture whose every
// pixel is dropped gives an empty region, never null. Null when the pixel
// buffer does not hold width x height words, when the region cannot be
// made, or when it would need more than kMaxRegionRects rectangles (then
// *overCap, when given, is set; the scan stops there).
std::unique_ptr<CImageRgn> CreateRegionFromBitmap(const hexmoor::platform::ImagePixels& pixels, const RegionKey& key,
                                                  bool* overCap = nullptr);
// The same from a rectangle of a picture read in place.
std::unique_ptr<CImageRgn> CreateRegionFromBitmap(const hexmoor::platform::ImagePixelsView& pixels,
                                                  const RegionKey& key, bool* overCap = nullptr);

// The same from a bitmap of any depth; null without a readable bitmap.
std::unique_ptr<CImageRgn> CreateRegionFromBitmap(HBITMAP source, const RegionKey& key, bool* overCap = nullptr);
