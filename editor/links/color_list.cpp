#include "editor/links/color_list.h"

namespace hexmoor::links {

const std::vector<NamedColor>& StandardColors() {
    static const std::vector<NamedColor> colors = {
        {0x000000, L"Black"},  {0x000080, L"Maroon"},  {0x008000, L"Green"}, {0x008080, L"Olive"},
        {0x800000, L"Navy"},   {0x800080, L"Purple"},  {0x808000, L"Teal"},  {0x808080, L"Grey"},
        {0xC0C0C0, L"Silver"}, {0x0000FF, L"Red"},     {0x00FF00, L"Lime"},  {0x00FFFF, L"Yellow"},
        {0xFF0000, L"Blue"},   {0xFF00FF, L"Fuchsia"}, {0xFFFF00, L"Aqua"},  {0xFFFFFF, L"White"},
    };
    return colors;
}

ColorSelection SelectColorEntry(std::span<const ColorRef> itemData, int customIndex, int invertIndex, ColorRef color) {
    const int count = static_cast<int>(itemData.size());
    const bool hasCustom = customIndex >= 0 && customIndex < count;
    ColorSelection result;
    if (color == kInvertColorItem) {
        if (invertIndex >= 0 && invertIndex < count) result.index = invertIndex;
        return result;
    }
    if (color == kEmptyCustomItem) {
        if (hasCustom) result.index = customIndex;
        return result;
    }
    for (int i = 0; i < count; ++i) {
        if (itemData[i] == color) {
            result.index = i;
            return result;
        }
    }
    if (hasCustom) {
        result.index = customIndex;
        result.newCustomData = color;
    }
    return result;
}

} // namespace hexmoor::links
