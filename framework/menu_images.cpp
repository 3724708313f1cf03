#include "framework/menu_images.h"

#include "framework/window.h"
#include "base/win/dib.h"

namespace hexmoor::fw {

std::vector<std::uint32_t> MenuImagePixels(std::span<const std::uint32_t> strip, int stripWidth, int size, int index,
                                           COLORREF key) {
    std::vector<std::uint32_t> out;
    if (size <= 0 || index < 0 || stripWidth < (index + 1) * size) return out;
    if (strip.size() < static_cast<std::size_t>(stripWidth) * static_cast<std::size_t>(size)) return out;
    // BGRX in memory reads as 0x00RRGGBB.
    const std::uint32_t keyRgb = (static_cast<std::uint32_t>(GetRValue(key)) << 16) |
                                 (static_cast<std::uint32_t>(GetGValue(key)) << 8) | GetBValue(key);
    out.reserve(static_cast<std::size_t>(size) * static_cast<std::size_t>(size));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            std::uint32_t rgb = strip[static_cast<std::size_t>(y) * stripWidth + index * size + x] & 0xFFFFFFu;
            // Opaque pixels are their own premultiplied value.
            out.push_back(rgb == keyRgb ? 0u : (0xFF000000u | rgb));
        }
    return out;
}

namespace {

// The bitmap's pixels as 32-bit BGRX rows, top row first.
bool ReadStrip(HBITMAP bmp, int& width, int& height, std::vector<std::uint32_t>& pixels) {
    BITMAP info{};
    if (!GetObjectW(bmp, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return false;
    width = info.bmWidth;
    height = info.bmHeight;
    BITMAPINFO bi = hexmoor::win::TopDown32BitInfo(width, height);
    pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    hexmoor::win::WindowDC screen(nullptr, false);
    return GetDIBits(screen.Get(), bmp, 0, static_cast<UINT>(height), pixels.data(), &bi, DIB_RGB_COLORS) == height;
}

hexmoor::win::Bitmap MakeImage(const std::vector<std::uint32_t>& pixels, int size) {
    BITMAPINFO bi = hexmoor::win::TopDown32BitInfo(size, size);
    void* bits = nullptr;
    hexmoor::win::Bitmap bmp(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bmp && bits) std::copy(pixels.begin(), pixels.end(), static_cast<std::uint32_t*>(bits));
    return bmp;
}

} // namespace

bool MenuImages::AddToolBarImages(std::span<const unsigned> commands, UINT bitmapId, int size, COLORREF key) {
    hexmoor::win::Bitmap strip(static_cast<HBITMAP>(
        LoadImageW(ResourceModule(), MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!strip) return false;
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
    if (!ReadStrip(strip.Get(), width, height, pixels) || height < size) return false;
    if (static_cast<std::size_t>(width / size) < commands.size()) return false;
    std::map<unsigned, hexmoor::win::Bitmap> added;
    for (std::size_t i = 0; i < commands.size(); ++i) {
        hexmoor::win::Bitmap image = MakeImage(MenuImagePixels(pixels, width, size, static_cast<int>(i), key), size);
        if (!image) return false;
        added[commands[i]] = std::move(image);
    }
    for (auto& [id, image] : added) images_[id] = std::move(image);
    return true;
}

HBITMAP MenuImages::ImageFor(unsigned command) const {
    auto it = images_.find(command);
    return it == images_.end() ? nullptr : it->second.Get();
}

void MenuImages::Apply(HMENU menu, bool nested) const {
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_ID | MIIM_SUBMENU;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mii)) continue;
        if (mii.hSubMenu) {
            if (nested) Apply(mii.hSubMenu, true);
            continue;
        }
        HBITMAP image = ImageFor(mii.wID);
        if (!image) continue;
        MENUITEMINFOW set{};
        set.cbSize = sizeof set;
        set.fMask = MIIM_BITMAP;
        set.hbmpItem = image;
        SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &set);
    }
}

} // namespace hexmoor::fw
