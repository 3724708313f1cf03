#pragma once
// The entries of the colour pickers, free of windows: "Invert Color",
// "Custom Color ...", then sixteen named colours; and which entry a colour
// selects.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace hexmoor::links {

using ColorRef = std::uint32_t; // 0x00BBGGRR

// Item data of the two entries that are no plain colour.
inline constexpr ColorRef kInvertColorItem = 0xFFFFFFFF;
inline constexpr ColorRef kEmptyCustomItem = 0xFFFFFFFE; // "Custom Color ..." holding no colour yet

inline constexpr wchar_t kInvertColorText[] = L"Invert Color";
inline constexpr wchar_t kCustomColorText[] = L"Custom Color ...";

struct NamedColor {
    ColorRef color;
    const wchar_t* name;
};
// The sixteen named colours in list order.
const std::vector<NamedColor>& StandardColors();

// Where the two special entries sit in a picker's list: "Invert Color"
// first, "Custom Color ..." second, the named colours after them.
inline constexpr int kInvertEntry = 0;
inline constexpr int kCustomEntry = 1;

// The entry a colour list selects for a colour: the invert entry for the
// invert value, the custom entry for the empty-custom value, else the first
// entry holding the colour, else the custom entry, which then holds the
// colour (newCustomData). Without a fitting entry nothing is selected.
struct ColorSelection {
    std::optional<int> index;
    std::optional<ColorRef> newCustomData;
};
ColorSelection SelectColorEntry(std::span<const ColorRef> itemData, int customIndex, int invertIndex, ColorRef color);

} // namespace hexmoor::links
