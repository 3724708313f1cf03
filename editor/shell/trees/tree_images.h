#pragma once
// The element trees' images: the element icons and, while the colour-
// adjustment pane shows, each icon with its item's adjustment mark in front
// (34 x 16: the mark at x 0, the icon at x 18, on white). An item's image
// index names its icon and its mark together, and both image lists are laid
// out alike, so switching the marks on or off, or to the marks shown while
// an adjustment runs, swaps a list and touches no item. Each (icon, mark)
// picture exists once, whatever the number of items showing it.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "base/win/handles.h"

namespace hexmoor::shell {

inline constexpr int kElementIconCount = 53; // icon numbers 0-52
inline constexpr int kMarkStates = 3;        // 0 taken in, 1 left out, 2 locked
inline constexpr int kTreeIconSide = 16;
inline constexpr int kMarkedIconWidth = 34;
inline constexpr int kMarkedIconX = 18;

constexpr int ItemImage(int icon, int mark) { return mark * kElementIconCount + icon; }
constexpr int IconOfImage(int image) { return image % kElementIconCount; }
constexpr int MarkOfImage(int image) { return image / kElementIconCount; }

// Pixels 0x00RRGGBB, rows top first.
struct PixelStrip {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// The key colour of the trees' bitmaps, and the background marks and icons
// are composed on.
inline constexpr std::uint32_t kTreeImageKey = 0xFF00FF;
inline constexpr std::uint32_t kTreeImageBackground = 0xFFFFFF;

// Every (icon, mark) picture of the 16-pixel strips, at ItemImage(icon,
// mark) * 34: the mark at 0, the icon at 18, key pixels and the gap white.
PixelStrip ComposeMarkedIcons(const PixelStrip& icons, const PixelStrip& marks);
// The strip repeated `times` times side by side.
PixelStrip RepeatStrip(const PixelStrip& strip, int times);

// The lists a tree shows, made from bitmaps 130, 236 and 237. The lists
// with marks are read and composed when first asked for.
class TreeImages {
public:
    // False when the icons' bitmap is missing.
    bool Load(HINSTANCE module);
    // 16 x 16: each icon whatever the mark.
    HIMAGELIST Icons() const { return icons_.Get(); }
    // 34 x 16: icon and mark; `running`: the marks shown while an
    // adjustment runs. Null when a bitmap is missing.
    HIMAGELIST Marked(bool running);

private:
    HINSTANCE module_ = nullptr;
    PixelStrip iconPixels_;
    hexmoor::win::ImageList icons_, marked_, running_;
};

} // namespace hexmoor::shell
