#include "framework/toolbar_images.h"

#include "base/win/gdi.h"
#include "framework/window.h"

namespace hexmoor::fw {

namespace {

void EditRows(HBITMAP bmp, const std::function<void(std::span<std::uint8_t>)>& editRow) {
    DIBSECTION ds{};
    if (GetObjectW(bmp, sizeof ds, &ds) != sizeof ds || ds.dsBm.bmBitsPixel != 24 || !ds.dsBm.bmBits) return;
    // Rows are padded to four bytes; work row by row so padding never joins
    // a pixel.
    auto* bits = static_cast<std::uint8_t*>(ds.dsBm.bmBits);
    const std::size_t row = static_cast<std::size_t>(ds.dsBm.bmWidthBytes);
    for (LONG y = 0; y < ds.dsBm.bmHeight; ++y)
        editRow({bits + row * static_cast<std::size_t>(y), static_cast<std::size_t>(ds.dsBm.bmWidth) * 3});
}

} // namespace

win::ImageList LoadToolbarImageList(UINT bitmapId, const ToolbarImageOptions& options) {
    if (!bitmapId) return {};
    const win::Bitmap bmp(static_cast<HBITMAP>(
        LoadImageW(ResourceModule(), MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0, options.loadFlags)));
    if (!bmp) return {};
    if (options.editRow) EditRows(bmp.Get(), options.editRow);
    win::ImageList list(
        ImageList_Create(options.imageSize.cx, options.imageSize.cy, ILC_COLOR24 | ILC_MASK, options.initialCount, 1));
    ImageList_AddMasked(list.Get(), bmp.Get(), options.transparent);
    return list;
}

void ToolbarImageLists::ApplyTo(HWND toolbar) const {
    SendMessageW(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(normal.Get()));
    SendMessageW(toolbar, TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(hot.Get()));
    SendMessageW(toolbar, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(disabled.Get()));
}

} // namespace hexmoor::fw
