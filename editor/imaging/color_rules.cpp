#include "editor/imaging/color_rules.h"

#include <cmath>

namespace hexmoor::preview {

std::vector<SwatchBand> SwatchBands(const SwatchState& state, Rect client) {
    if (client.IsEmpty()) return {};
    if (state.solid) return {SwatchBand{client, state.main & 0xFFFFFF}};
    const float main[3] = {static_cast<float>(state.main & 0xFF), static_cast<float>((state.main >> 8) & 0xFF),
                           static_cast<float>((state.main >> 16) & 0xFF)};
    const float triple[3] = {static_cast<float>(state.red), static_cast<float>(state.green),
                             static_cast<float>(state.blue)};
    float value[3], step[3];
    for (int c = 0; c < 3; ++c) {
        if (state.tolerance) {
            value[c] = main[c] - triple[c];
            step[c] = triple[c] / 32.0f;
        } else {
            value[c] = main[c];
            step[c] = (triple[c] - main[c]) / 64.0f;
        }
    }
    const float bandWidth = static_cast<float>(client.Width()) / kSwatchBands;
    const int width = static_cast<int>(std::ceil(bandWidth));
    std::vector<SwatchBand> bands;
    bands.reserve(kSwatchBands);
    for (int i = 0; i < kSwatchBands; ++i) {
        const int x = static_cast<int>(client.left + i * bandWidth);
        ColorRef color = 0;
        for (int c = 0; c < 3; ++c) {
            const int channel = value[c] < 0 ? 0 : static_cast<int>(value[c]) & 0xFF;
            color |= static_cast<ColorRef>(channel) << (8 * c);
        }
        bands.push_back(SwatchBand{Rect{x, client.top, x + width, client.bottom}, color});
        for (int c = 0; c < 3; ++c) {
            if (value[c] + step[c] <= 255.0f) value[c] += step[c];
        }
    }
    return bands;
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

} // namespace hexmoor::preview
