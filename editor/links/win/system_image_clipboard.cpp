#include "editor/links/win/system_image_clipboard.h"

#include <cstring>
#include <vector>

#include "editor/links/margin_block.h"
#include "model/platform/image.h"

namespace hexmoor::links {
namespace {

// A GDI+ image flattened onto opaque white as a 32-bit DIB section.
hexmoor::platform::BitmapHandle FlattenOnWhite(const CMrgBitmap& image) {
    hexmoor::platform::ImagePixels pixels;
    if (!image.ReadPixels(&pixels)) return {};
    for (std::uint32_t& p : pixels.argb) {
        const std::uint32_t a = p >> 24;
        auto mix = [a](std::uint32_t c) { return (c * a + 255u * (255u - a) + 127u) / 255u; };
        p = 0xFF000000u | (mix((p >> 16) & 0xFF) << 16) | (mix((p >> 8) & 0xFF) << 8) | mix(p & 0xFF);
    }
    return hexmoor::platform::CreateBitmapFromPixels(pixels);
}

UINT MarginBitmapFormat() { return RegisterClipboardFormatW(L"MARGIN_BITMAP"); }

} // namespace

bool SystemImageClipboard::CopyImage(const CMrgBitmap& image, bool withMargins) {
    hexmoor::platform::BitmapHandle flattened;
    HBITMAP bitmap = image.GetHBitmap();
    if (image.IsGdiplus()) {
        flattened = FlattenOnWhite(image);
        bitmap = flattened.Get();
    }
    if (!bitmap) return false;
    BITMAP info{};
    if (!GetObjectW(bitmap, sizeof(info), &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return false;
    if (withMargins) {
        BITMAPINFOHEADER header{};
        header.biSize = sizeof(header);
        header.biWidth = info.bmWidth;
        header.biHeight = info.bmHeight;
        header.biPlanes = 1;
        header.biBitCount = 32;
        header.biCompression = BI_RGB;
        header.biSizeImage = static_cast<DWORD>(info.bmWidth) * 4 * static_cast<DWORD>(info.bmHeight);
        std::vector<BYTE> pixels(header.biSizeImage);
        BITMAPINFO bmi{};
        bmi.bmiHeader = header;
        HDC screen = GetDC(nullptr);
        const int lines =
            GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(), &bmi, DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
        if (lines != info.bmHeight) return false;
        const std::vector<BYTE> block = EncodeMarginBlock(image.GetParams(), header, nullptr, 0, pixels.data());
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, block.size());
        if (!memory) return false;
        if (void* p = GlobalLock(memory)) {
            std::memcpy(p, block.data(), block.size());
            GlobalUnlock(memory);
        }
        if (!OpenClipboard(owner_)) {
            GlobalFree(memory);
            return false;
        }
        // Not emptied: whatever else the clipboard holds stays.
        const bool placed = SetClipboardData(MarginBitmapFormat(), memory) != nullptr;
        if (!placed) GlobalFree(memory);
        CloseClipboard();
        return placed;
    }
    HANDLE copy = ::CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0);
    if (!copy) return false;
    if (!OpenClipboard(owner_)) {
        DeleteObject(copy);
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_BITMAP, copy) != nullptr;
    if (!placed) DeleteObject(copy);
    CloseClipboard();
    return placed;
}

std::unique_ptr<CMrgBitmap> SystemImageClipboard::PasteImage(bool withMargins) {
    if (!OpenClipboard(owner_)) return nullptr;
    std::unique_ptr<CMrgBitmap> record;
    if (!withMargins) {
        if (auto bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP)))
            record = std::make_unique<CMrgBitmap>(bitmap, 0, 0, 0, 0, 0, 0);
    } else if (HANDLE memory = GetClipboardData(MarginBitmapFormat())) {
        const SIZE_T size = GlobalSize(memory);
        if (const auto* data = static_cast<const BYTE*>(GlobalLock(memory))) {
            if (const auto block = DecodeMarginBlock(data, size)) {
                std::vector<BYTE> info(sizeof(BITMAPINFOHEADER) + block->colorTableBytes);
                std::memcpy(info.data(), &block->header, sizeof(BITMAPINFOHEADER));
                std::memcpy(info.data() + sizeof(BITMAPINFOHEADER), data + kMarginBlockTableOffset,
                            block->colorTableBytes);
                void* bits = nullptr;
                HDC screen = GetDC(nullptr);
                HBITMAP dib = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS,
                                               &bits, nullptr, 0);
                ReleaseDC(nullptr, screen);
                if (dib && bits) {
                    std::memcpy(bits, data + block->pixelsOffset, block->header.biSizeImage);
                    record = std::make_unique<CMrgBitmap>(dib, 0, 0, 0, 0, 0, 0);
                    record->SetParams(block->params);
                    if (!record->HasImage()) record.reset();
                }
                if (dib) DeleteObject(dib);
            }
            GlobalUnlock(memory);
        }
    }
    CloseClipboard();
    if (record && !record->HasImage()) record.reset();
    return record;
}

} // namespace hexmoor::links
