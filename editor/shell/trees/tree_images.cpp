#include "editor/shell/trees/tree_images.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "base/win/dib.h"
#include "base/win/gdi.h"
#include "resources/toolbar_images_ids.h"

namespace hexmoor::shell {

namespace {

void CopyCell(const PixelStrip& from, int fromX, PixelStrip& to, int toX, int width) {
    for (int y = 0; y < to.height && y < from.height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = from.pixels[static_cast<std::size_t>(y) * from.width + fromX + x] & 0xFFFFFF;
            to.pixels[static_cast<std::size_t>(y) * to.width + toX + x] = p == kTreeImageKey ? kTreeImageBackground : p;
        }
    }
}

// A bitmap resource as top-down 32-bit pixels; empty when it is missing.
PixelStrip ReadStrip(HINSTANCE module, UINT id) {
    PixelStrip strip;
    hexmoor::win::Bitmap bitmap(
        static_cast<HBITMAP>(LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP bm{};
    if (!bitmap || !GetObjectW(bitmap.Get(), sizeof bm, &bm)) return strip;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(bm.bmWidth) * bm.bmHeight);
    BITMAPINFO info = hexmoor::win::TopDown32BitInfo(bm.bmWidth, bm.bmHeight);
    hexmoor::win::WindowDC screen(nullptr);
    if (GetDIBits(screen.Get(), bitmap.Get(), 0, static_cast<UINT>(bm.bmHeight), pixels.data(), &info,
                  DIB_RGB_COLORS) != bm.bmHeight)
        return strip;
    strip.width = bm.bmWidth;
    strip.height = bm.bmHeight;
    strip.pixels = std::move(pixels);
    return strip;
}

// An image list of `cell`-wide images cut from the strip, in one call.
hexmoor::win::ImageList MakeList(const PixelStrip& strip, int cell, bool masked) {
    const int count = strip.width / cell;
    hexmoor::win::ImageList list(ImageList_Create(cell, strip.height, ILC_COLOR24 | (masked ? ILC_MASK : 0), count, 1));
    if (!list || count == 0) return list;
    BITMAPINFO info = hexmoor::win::TopDown32BitInfo(strip.width, strip.height);
    void* bits = nullptr;
    hexmoor::win::Bitmap dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib || !bits) return list;
    std::memcpy(bits, strip.pixels.data(), strip.pixels.size() * sizeof(std::uint32_t));
    if (masked) {
        ImageList_AddMasked(list.Get(), dib.Get(), RGB(0xFF, 0x00, 0xFF));
    } else {
        ImageList_Add(list.Get(), dib.Get(), nullptr);
    }
    return list;
}

} // namespace

PixelStrip ComposeMarkedIcons(const PixelStrip& icons, const PixelStrip& marks) {
    const int iconCount = icons.width / kTreeIconSide;
    const int markCount = marks.width / kTreeIconSide;
    PixelStrip out;
    out.width = kMarkedIconWidth * iconCount * markCount;
    out.height = kTreeIconSide;
    out.pixels.assign(static_cast<std::size_t>(out.width) * out.height, kTreeImageBackground);
    for (int m = 0; m < markCount; ++m) {
        for (int i = 0; i < iconCount; ++i) {
            const int x = (m * iconCount + i) * kMarkedIconWidth;
            CopyCell(marks, m * kTreeIconSide, out, x, kTreeIconSide);
            CopyCell(icons, i * kTreeIconSide, out, x + kMarkedIconX, kTreeIconSide);
        }
    }
    return out;
}

PixelStrip RepeatStrip(const PixelStrip& strip, int times) {
    PixelStrip out;
    out.width = strip.width * times;
    out.height = strip.height;
    out.pixels.resize(static_cast<std::size_t>(out.width) * out.height);
    for (int y = 0; y < strip.height; ++y)
        for (int t = 0; t < times; ++t)
            std::copy_n(strip.pixels.begin() + static_cast<std::ptrdiff_t>(y) * strip.width, strip.width,
                        out.pixels.begin() + static_cast<std::ptrdiff_t>(y) * out.width + t * strip.width);
    return out;
}

bool TreeImages::Load(HINSTANCE module) {
    module_ = module;
    iconPixels_ = ReadStrip(module, IDB_ELEMENT_ICONS);
    if (iconPixels_.pixels.empty()) return false;
    // Items name an icon with their mark: every mark shows the plain icon.
    icons_ = MakeList(RepeatStrip(iconPixels_, kMarkStates), kTreeIconSide, true);
    return static_cast<bool>(icons_);
}

HIMAGELIST TreeImages::Marked(bool running) {
    hexmoor::win::ImageList& list = running ? running_ : marked_;
    if (list || iconPixels_.pixels.empty()) return list.Get();
    // The marks are read when a list with marks is first asked for.
    PixelStrip marks = ReadStrip(module_, running ? IDB_ADJUST_MARKS_RUNNING : IDB_ADJUST_MARKS);
    if (!marks.pixels.empty()) list = MakeList(ComposeMarkedIcons(iconPixels_, marks), kMarkedIconWidth, false);
    return list.Get();
}

} // namespace hexmoor::shell
