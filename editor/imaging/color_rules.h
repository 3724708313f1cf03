#pragma once
// Colour swatch bands, free of windows.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "base/geometry.h"
#include "editor/links/color_list.h"

namespace hexmoor::preview {

// The colour list's values and selection rule are the pickers' own.
using links::ColorRef;
using links::ColorSelection;
using links::kEmptyCustomItem;
using links::kInvertColorItem;
using links::SelectColorEntry;

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

} // namespace hexmoor::preview
