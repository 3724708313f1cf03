#pragma once
// Colour swatch bands and colour-list selection, free of windows.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "base/geometry.h"

namespace hexmoor::preview {

using ColorRef = std::uint32_t; // 0x00BBGGRR

inline constexpr ColorRef kInvertColorItem = 0xFFFFFFFF;
inline constexpr ColorRef kEmptyCustomItem = 0xFFFFFFFE;

// What a colour swatch shows.
struct SwatchState {
    bool solid = false;     // one plain colour instead of a gradient
    bool tolerance = false; // the triple holds tolerances, not a second colour
    ColorRef main = 0xFFFFFF;
    int red = 0, green = 0, blue = 0; // second colour or tolerances
};

struct SwatchBand {
    Rect rect;
    ColorRef color = 0;
};

inline constexpr int kSwatchBands = 64;

// The filled bands of a swatch in client rectangle client: one band in the
// main colour when solid; otherwise 64 bands from the main colour to the
// second colour, or from main - tolerance to main + tolerance per channel.
// A channel that would pass 255 stays where it is.
std::vector<SwatchBand> SwatchBands(const SwatchState& state, Rect client);

// The entry a colour list selects for a colour: the invert entry for the
// invert value, the custom entry for the empty-custom value, else the first
// entry holding the colour, else the custom entry, which then holds the
// colour (newCustomData). Without a fitting entry nothing is selected.
struct ColorSelection {
    std::optional<int> index;
    std::optional<ColorRef> newCustomData;
};
ColorSelection SelectColorEntry(std::span<const ColorRef> itemData, int customIndex, int invertIndex, ColorRef color);

} // namespace hexmoor::preview
