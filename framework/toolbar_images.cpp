#include "framework/toolbar_images.h"

#include "base/win/gdi.h"
#include "framework/window.h"

namespace hexmoor::fw {

void ReplaceKeyColor(std::span<std::uint8_t> pixels, KeyColor key, COLORREF replacement) {
    for (std::size_t i = 0; i + 2 < pixels.size(); i += 3) {
        if (pixels[i] == key.b && pixels[i + 1] == key.g && pixels[i + 2] == key.r) {
            pixels[i] = GetBValue(replacement);
            pixels[i + 1] = GetGValue(replacement);
            pixels[i + 2] = GetRValue(replacement);
        }
    }
}

namespace {

void RecolorKey(HBITMAP bmp, KeyColor key, COLORREF replacement) {
    DIBSECTION ds{};
    if (GetObjectW(bmp, sizeof ds, &ds) != sizeof ds || ds.dsBm.bmBitsPixel != 24 || !ds.dsBm.bmBits) return;
    // Rows are padded to four bytes; recolour row by row so padding never
    // joins a pixel.
    auto* bits = static_cast<std::uint8_t*>(ds.dsBm.bmBits);
    const std::size_t row = static_cast<std::size_t>(ds.dsBm.bmWidthBytes);
    for (LONG y = 0; y < ds.dsBm.bmHeight; ++y)
        ReplaceKeyColor({bits + row * static_cast<std::size_t>(y), static_cast<std::size_t>(ds.dsBm.bmWidth) * 3}, key,
                        replacement);
}

} // namespace

win::ImageList LoadToolbarImageList(UINT bitmapId, const ToolbarImageOptions& options) {
    if (!bitmapId) return {};
    const win::Bitmap bmp(static_cast<HBITMAP>(
        LoadImageW(ResourceModule(), MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0, options.loadFlags)));
    if (!bmp) return {};
    if (options.key) RecolorKey(bmp.Get(), *options.key, options.keyReplacement);
    const UINT flags = ILC_COLOR24 | (options.transparent ? ILC_MASK : 0);
    win::ImageList list(ImageList_Create(options.imageSize.cx, options.imageSize.cy, flags, options.initialCount, 1));
    if (options.transparent)
        ImageList_AddMasked(list.Get(), bmp.Get(), *options.transparent);
    else
        ImageList_Add(list.Get(), bmp.Get(), nullptr);
    return list;
}

void ToolbarImageLists::Load(UINT normalId, UINT hotId, UINT disabledId, const ToolbarImageOptions& options) {
    normal.Reset();
    hot.Reset();
    disabled.Reset();
    normal = LoadToolbarImageList(normalId, options);
    hot = LoadToolbarImageList(hotId, options);
    disabled = LoadToolbarImageList(disabledId, options);
}

void ToolbarImageLists::ApplyTo(HWND toolbar) const {
    SendMessageW(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(normal.Get()));
    SendMessageW(toolbar, TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(hot.Get()));
    SendMessageW(toolbar, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(disabled.Get()));
}

} // namespace hexmoor::fw
