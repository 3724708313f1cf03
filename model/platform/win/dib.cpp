#include "model/platform/win/dib.h"

#include <algorithm>
#include <cstring>
#include <span>

#include "model/dib_sizes.h"

namespace win = hexmoor::win;

namespace {

// A memory DC with a bitmap and a palette selected; both go back into it
// before it is deleted.
class SelectingDC {
public:
    HDC get() const { return dc_.Get(); }
    void Select(HBITMAP bitmap) { bitmap_ = win::SelectGuard(dc_.Get(), bitmap); }
    void Select(HPALETTE palette) { palette_ = win::PaletteGuard(dc_.Get(), palette, false); }

private:
    win::MemoryDC dc_{nullptr};
    win::SelectGuard bitmap_;
    win::PaletteGuard palette_;
};

// The 16 colours of a standard 4-bit DIB (red, green, blue).
constexpr BYTE kVga16[16][3] = {
    {0, 0, 0},     {0, 0, 128},     {0, 128, 0},     {0, 128, 128},   {128, 0, 0}, {128, 0, 128},
    {128, 128, 0}, {192, 192, 192}, {128, 128, 128}, {0, 0, 255},     {0, 255, 0}, {0, 255, 255},
    {255, 0, 0},   {255, 0, 255},   {255, 255, 0},   {255, 255, 255},
};

// Halftone entry i: red steps fastest (8 levels of 32), then green (8 of
// 32), then blue (4 of 64).
RGBQUAD HalftoneEntry(int i) {
    RGBQUAD q{};
    q.rgbRed = static_cast<BYTE>((i % 8) * 32);
    q.rgbGreen = static_cast<BYTE>(((i / 8) % 8) * 32);
    q.rgbBlue = static_cast<BYTE>((i / 64) * 64);
    return q;
}

bool GetDibSection(HBITMAP bitmap, DIBSECTION* out) {
    return bitmap && ::GetObjectW(bitmap, sizeof(DIBSECTION), out) == sizeof(DIBSECTION);
}

} // namespace

// --- descriptions -------------------------------------------------------------------

std::vector<BYTE> AllocBitmapInfo(HBITMAP bitmap) {
    BITMAP bm{};
    if (!bitmap || !::GetObjectW(bitmap, sizeof bm, &bm)) return {};
    int bits = bm.bmPlanes * bm.bmBitsPixel;
    for (int step : {1, 4, 8, 16, 24, 32}) {
        if (bits <= step) {
            bits = step;
            break;
        }
    }
    const DWORD colors = bits < 24 ? (1u << bits) : 0;
    std::vector<BYTE> block(sizeof(BITMAPINFOHEADER) + colors * sizeof(RGBQUAD), 0);
    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(block.data());
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = bm.bmWidth;
    header->biHeight = bm.bmHeight;
    header->biPlanes = 1;
    header->biBitCount = static_cast<WORD>(bits);
    header->biCompression = BI_RGB;
    header->biSizeImage = static_cast<DWORD>(((bm.bmWidth * bits + 31) & ~31) / 8 * bm.bmHeight);
    header->biClrUsed = colors;
    return block;
}

HBITMAP DuplicateDibBitmap(HBITMAP bitmap) {
    if (!bitmap) return nullptr;
    return static_cast<HBITMAP>(::CopyImage(bitmap, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

std::vector<BYTE> BuildPackedBmpFile(const BITMAPINFO* info, HBITMAP bitmap, HDC dc) {
    if (!info || !bitmap) return {};
    const BITMAPINFOHEADER& header = info->bmiHeader;
    const std::uint64_t table = header.biClrUsed * 4ull;
    const std::uint64_t pixels = GetDibImageBytes(header);
    const std::uint64_t total = 14 + 40 + table + pixels;
    if (total > 0x7FFFFFFF) return {};
    std::vector<BYTE> file(static_cast<size_t>(total), 0);
    BITMAPFILEHEADER fileHeader{};
    fileHeader.bfType = 0x4D42;
    fileHeader.bfSize = static_cast<DWORD>(total);
    fileHeader.bfOffBits = static_cast<DWORD>(14 + 40 + table);
    std::memcpy(file.data(), &fileHeader, 14);
    std::memcpy(file.data() + 14, info, static_cast<size_t>(40 + table));
    win::WindowDC screen;
    if (!dc) screen = win::WindowDC(nullptr);
    HDC useDc = dc ? dc : screen.Get();
    const int lines =
        ::GetDIBits(useDc, bitmap, 0, static_cast<UINT>(std::abs(header.biHeight)), file.data() + fileHeader.bfOffBits,
                    reinterpret_cast<BITMAPINFO*>(file.data() + 14), DIB_RGB_COLORS);
    if (lines == 0) return {};
    return file;
}

const BYTE* GetPackedBmpBits(const BYTE* bmpFile) {
    if (!bmpFile) return nullptr;
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(bmpFile + 14);
    return bmpFile + 54 + 4 * header->biClrUsed;
}

// --- palettes -------------------------------------------------------------------------

HPALETTE CreateHalftone256Palette() {
    std::vector<BYTE> block(sizeof(LOGPALETTE) + 256 * sizeof(PALETTEENTRY));
    auto* palette = reinterpret_cast<LOGPALETTE*>(block.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = 256;
    for (int i = 0; i < 256; ++i) {
        const RGBQUAD q = HalftoneEntry(i);
        palette->palPalEntry[i] = PALETTEENTRY{q.rgbRed, q.rgbGreen, q.rgbBlue, 0};
    }
    return ::CreatePalette(palette);
}

HPALETTE CreateBitmapPalette(HBITMAP bitmap) {
    BITMAP bm{};
    if (!bitmap || !::GetObjectW(bitmap, sizeof bm, &bm)) return nullptr;
    const int bits = bm.bmPlanes * bm.bmBitsPixel;
    if (bits > 8) {
        const win::WindowDC screen(nullptr);
        const int depth = ::GetDeviceCaps(screen.Get(), PLANES) * ::GetDeviceCaps(screen.Get(), BITSPIXEL);
        return depth <= 8 ? ::CreateHalftonePalette(screen.Get())
                          : static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE));
    }
    const int count = 1 << bits;
    std::vector<RGBQUAD> table(static_cast<size_t>(count));
    {
        SelectingDC dc;
        dc.Select(bitmap);
        ::GetDIBColorTable(dc.get(), 0, static_cast<UINT>(count), table.data());
    }
    std::vector<BYTE> block(sizeof(LOGPALETTE) + static_cast<size_t>(count) * sizeof(PALETTEENTRY));
    auto* palette = reinterpret_cast<LOGPALETTE*>(block.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<WORD>(count);
    for (int i = 0; i < count; ++i) {
        palette->palPalEntry[i] = PALETTEENTRY{table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, 0};
    }
    return ::CreatePalette(palette);
}

// --- DIB sections -----------------------------------------------------------------------

HBITMAP CreateStandardDibSection(int width, int height, WORD bits) {
    if (width <= 0 || height <= 0) return nullptr;
    std::vector<BYTE> block(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD), 0);
    auto* info = reinterpret_cast<BITMAPINFO*>(block.data());
    BITMAPINFOHEADER& header = info->bmiHeader;
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = bits == 15 ? 16 : bits;
    header.biCompression = BI_RGB;
    auto* masks = reinterpret_cast<DWORD*>(info->bmiColors);
    switch (bits) {
    case 1:
        header.biClrUsed = 2;
        info->bmiColors[1] = RGBQUAD{255, 255, 255, 0};
        break;
    case 4:
        header.biClrUsed = 16;
        for (int i = 0; i < 16; ++i) info->bmiColors[i] = RGBQUAD{kVga16[i][2], kVga16[i][1], kVga16[i][0], 0};
        break;
    case 8:
        header.biClrUsed = 256;
        for (int i = 0; i < 256; ++i) info->bmiColors[i] = HalftoneEntry(i);
        break;
    case 15:
        header.biCompression = BI_BITFIELDS;
        masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
        break;
    case 16:
        header.biCompression = BI_BITFIELDS;
        masks[0] = 0xF800, masks[1] = 0x07E0, masks[2] = 0x001F;
        break;
    case 24: break;
    case 32:
        header.biCompression = BI_BITFIELDS;
        masks[0] = 0xFF0000, masks[1] = 0x00FF00, masks[2] = 0x0000FF;
        break;
    default: return nullptr;
    }
    void* pixels = nullptr;
    return ::CreateDIBSection(nullptr, info, DIB_RGB_COLORS, &pixels, nullptr, 0);
}

HBITMAP ConvertBitmapToDib(HBITMAP bitmap, HPALETTE palette, WORD bits) {
    BITMAP bm{};
    if (!bitmap || ::GetObjectType(bitmap) != OBJ_BITMAP || !::GetObjectW(bitmap, sizeof bm, &bm)) return nullptr;
    win::Palette ownPalette;
    if (!palette) {
        if (bm.bmPlanes * bm.bmBitsPixel > 8) {
            palette = static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE));
        } else {
            ownPalette.Reset(CreateBitmapPalette(bitmap));
            palette = ownPalette.Get();
        }
    }
    win::Bitmap dib(CreateStandardDibSection(bm.bmWidth, bm.bmHeight, bits));
    if (!dib) return nullptr;
    SelectingDC source;
    SelectingDC target;
    source.Select(bitmap);
    target.Select(dib.Get());
    if (palette) {
        source.Select(palette);
        target.Select(palette);
        if (bits <= 8) {
            // The palette's entries become the new DIB's colour table.
            PALETTEENTRY entries[256];
            const UINT count = ::GetPaletteEntries(palette, 0, 256, entries);
            RGBQUAD table[256];
            for (UINT i = 0; i < count; ++i)
                table[i] = RGBQUAD{entries[i].peBlue, entries[i].peGreen, entries[i].peRed, 0};
            if (count) ::SetDIBColorTable(target.get(), 0, count, table);
        }
    }
    ::BitBlt(target.get(), 0, 0, bm.bmWidth, bm.bmHeight, source.get(), 0, 0, SRCCOPY);
    return dib.Release();
}

HBITMAP ConvertBitmapToDibSameDepth(HBITMAP bitmap, HPALETTE palette) {
    BITMAP bm{};
    if (!bitmap || !::GetObjectW(bitmap, sizeof bm, &bm)) return nullptr;
    return ConvertBitmapToDib(bitmap, palette, static_cast<WORD>(bm.bmPlanes * bm.bmBitsPixel));
}

HBITMAP CopyBitmapWithPalette(HBITMAP bitmap) {
    BITMAP bm{};
    if (!bitmap || !::GetObjectW(bitmap, sizeof bm, &bm)) return nullptr;
    win::Palette palette(CreateBitmapPalette(bitmap));
    HBITMAP copy = ::CreateCompatibleBitmap(win::WindowDC(nullptr).Get(), bm.bmWidth, bm.bmHeight);
    if (!copy) return nullptr;
    SelectingDC source;
    SelectingDC target;
    source.Select(bitmap);
    target.Select(copy);
    if (palette) {
        source.Select(palette.Get());
        target.Select(palette.Get());
    }
    ::BitBlt(target.get(), 0, 0, bm.bmWidth, bm.bmHeight, source.get(), 0, 0, SRCCOPY);
    return copy;
}

HBITMAP CreateDibFromPacked(HGLOBAL packed) {
    if (!packed) return nullptr;
    const SIZE_T size = ::GlobalSize(packed);
    const auto* data = static_cast<const BYTE*>(::GlobalLock(packed));
    if (!data) return nullptr;
    HBITMAP result = nullptr;
    BITMAPINFOHEADER header;
    const size_t bitsOffset = ValidatePackedDib(std::span<const std::uint8_t>(data, size), &header);
    if (bitsOffset) {
        void* pixels = nullptr;
        result =
            ::CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(data), DIB_RGB_COLORS, &pixels, nullptr, 0);
        if (result && pixels) std::memcpy(pixels, data + bitsOffset, static_cast<size_t>(GetDibImageBytes(header)));
    }
    ::GlobalUnlock(packed);
    return result;
}

void* GetBitmapBitsPtr(HBITMAP bitmap) {
    DIBSECTION section{};
    return GetDibSection(bitmap, &section) ? section.dsBm.bmBits : nullptr;
}

int GetBitmapBitsPerPixel(HBITMAP bitmap) {
    BITMAP bm{};
    if (!bitmap || !::GetObjectW(bitmap, sizeof bm, &bm)) return 0;
    return bm.bmPlanes * bm.bmBitsPixel;
}

std::vector<BYTE> GetDibHeaderInfo(HBITMAP dib) {
    DIBSECTION section{};
    if (!GetDibSection(dib, &section)) return {};
    const BITMAPINFOHEADER& header = section.dsBmih;
    const bool masks = header.biCompression == BI_BITFIELDS;
    const int bits = header.biBitCount;
    const DWORD colors = bits <= 8 ? (header.biClrUsed ? header.biClrUsed : (1u << bits)) : 256;
    std::vector<BYTE> block(sizeof(BITMAPINFOHEADER) + (masks ? 12 : 0) + colors * sizeof(RGBQUAD), 0);
    std::memcpy(block.data(), &header, sizeof header);
    if (masks) std::memcpy(block.data() + sizeof header, section.dsBitfields, 12);
    auto* table = reinterpret_cast<RGBQUAD*>(block.data() + sizeof header + (masks ? 12 : 0));
    if (bits <= 8) {
        SelectingDC dc;
        dc.Select(dib);
        ::GetDIBColorTable(dc.get(), 0, colors, table);
    } else {
        for (int i = 0; i < 256; ++i) table[i] = HalftoneEntry(i);
        reinterpret_cast<BITMAPINFOHEADER*>(block.data())->biClrUsed = 256;
    }
    return block;
}

win::GlobalMemory PackDibToGlobal(HBITMAP dib, SIZE_T* size, GlobalAllocator allocate) {
    DIBSECTION section{};
    if (!GetDibSection(dib, &section)) return nullptr;
    std::vector<BYTE> info = GetDibHeaderInfo(dib);
    if (info.empty()) return nullptr;
    const std::uint64_t pixelBytes = GetDibImageBytes(section.dsBmih);
    const std::uint64_t total = info.size() + pixelBytes;
    win::GlobalMemory block(allocate(GMEM_MOVEABLE | GMEM_ZEROINIT, static_cast<SIZE_T>(total)));
    if (!block) return nullptr;
    // A block that cannot be locked (discarded, or no memory to map it) is
    // freed by its owner on the way out.
    auto* data = static_cast<BYTE*>(::GlobalLock(block.Get()));
    if (!data) return nullptr;
    std::memcpy(data, info.data(), info.size());
    std::memcpy(data + info.size(), section.dsBm.bmBits, static_cast<size_t>(pixelBytes));
    ::GlobalUnlock(block.Get());
    if (size) *size = static_cast<SIZE_T>(total);
    return block;
}

// --- devices -------------------------------------------------------------------------------

BOOL GetDeviceBitmapFormat(HDC dc, BITMAPINFO* out) {
    if (!dc || !out) return FALSE;
    win::Bitmap probe(::CreateCompatibleBitmap(dc, 1, 1));
    if (!probe) return FALSE;
    std::memset(out, 0, sizeof(BITMAPINFOHEADER));
    out->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    if (!::GetDIBits(dc, probe.Get(), 0, 1, nullptr, out, DIB_RGB_COLORS)) return FALSE;
    ::GetDIBits(dc, probe.Get(), 0, 1, nullptr, out, DIB_RGB_COLORS);
    return TRUE;
}

int CountBits(DWORD value) {
    int count = 0;
    for (; value; value &= value - 1) ++count;
    return count;
}

BOOL GetDeviceColorBits(HDC dc, int* red, int* green, int* blue) {
    if (!dc || !red || !green || !blue) return FALSE;
    *red = *green = *blue = 0;
    if (::GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) return TRUE;
    struct {
        BITMAPINFOHEADER header;
        DWORD masks[256];
    } info{};
    if (!GetDeviceBitmapFormat(dc, reinterpret_cast<BITMAPINFO*>(&info))) return FALSE;
    if (info.header.biBitCount == 24) {
        *red = *green = *blue = 8;
    } else {
        *red = CountBits(info.masks[0]);
        *green = CountBits(info.masks[1]);
        *blue = CountBits(info.masks[2]);
    }
    return TRUE;
}

// --- files and clipboard ----------------------------------------------------------------------

BOOL LoadBitmapFile(const wchar_t* path, HBITMAP* out, HPALETTE* palette) {
    if (palette) *palette = nullptr;
    if (!out) return FALSE;
    *out = nullptr;
    if (!path) return FALSE;
    *out = static_cast<HBITMAP>(
        ::LoadImageW(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION | LR_DEFAULTSIZE));
    if (!*out) return FALSE;
    if (palette) *palette = CreateBitmapPalette(*out);
    return TRUE;
}

BOOL SaveDibToBmpFile(const wchar_t* path, HBITMAP dib) {
    DIBSECTION section{};
    if (!path || !GetDibSection(dib, &section)) return FALSE;
    const win::FileHandle owner(
        ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!owner) return FALSE;
    HANDLE file = owner.Get();
    BOOL ok = FALSE;
    if (::GetFileType(file) == FILE_TYPE_DISK) {
        std::vector<BYTE> info = GetDibHeaderInfo(dib);
        const auto& header = *reinterpret_cast<const BITMAPINFOHEADER*>(info.data());
        const std::uint64_t tableBytes = info.size() - sizeof(BITMAPINFOHEADER);
        const std::uint64_t pixelBytes = GetDibImageBytes(header);
        BITMAPFILEHEADER fileHeader{};
        fileHeader.bfType = 0x4D42;
        fileHeader.bfSize = static_cast<DWORD>(14 + info.size() + pixelBytes);
        fileHeader.bfOffBits = static_cast<DWORD>(14 + 40 + tableBytes);
        DWORD written = 0;
        ok = ::WriteFile(file, &fileHeader, 14, &written, nullptr) && written == 14 &&
             ::WriteFile(file, info.data(), static_cast<DWORD>(info.size()), &written, nullptr) &&
             written == info.size() &&
             ::WriteFile(file, section.dsBm.bmBits, static_cast<DWORD>(pixelBytes), &written, nullptr) &&
             written == pixelBytes;
    }
    return ok;
}

BOOL DrawBitmapStretched(HDC dc, HBITMAP bitmap, const RECT* rect) {
    BITMAP bm{};
    if (!dc || !rect || !bitmap || !::GetObjectW(bitmap, sizeof bm, &bm)) return FALSE;
    win::Palette palette;
    win::PaletteGuard selected;
    if (::GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) {
        palette.Reset(CreateBitmapPalette(bitmap));
        if (palette) selected = win::PaletteGuard(dc, palette.Get(), true);
    }
    BOOL ok = FALSE;
    const int width = rect->right - rect->left;
    const int height = rect->bottom - rect->top;
    if (::GetDeviceCaps(dc, TECHNOLOGY) != DT_RASDISPLAY) {
        std::vector<BYTE> info = GetDibHeaderInfo(bitmap);
        void* bits = GetBitmapBitsPtr(bitmap);
        ok = !info.empty() && bits &&
             ::StretchDIBits(dc, rect->left, rect->top, width, height, 0, 0, bm.bmWidth, bm.bmHeight, bits,
                             reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS, SRCCOPY) != 0;
    } else {
        SelectingDC source;
        source.Select(bitmap);
        const int oldMode = ::SetStretchBltMode(dc, HALFTONE);
        ok = ::StretchBlt(dc, rect->left, rect->top, width, height, source.get(), 0, 0, bm.bmWidth, bm.bmHeight,
                          SRCCOPY);
        ::SetStretchBltMode(dc, oldMode);
    }
    return ok;
}

HBITMAP PasteBitmapFromClipboard(HWND owner) {
    const bool hasDib = ::IsClipboardFormatAvailable(CF_DIB);
    if (!hasDib && !::IsClipboardFormatAvailable(CF_BITMAP)) return nullptr;
    if (!::OpenClipboard(owner)) return nullptr;
    HBITMAP result = nullptr;
    if (hasDib) {
        result = CreateDibFromPacked(::GetClipboardData(CF_DIB));
    } else {
        auto bitmap = static_cast<HBITMAP>(::GetClipboardData(CF_BITMAP));
        auto palette = static_cast<HPALETTE>(::GetClipboardData(CF_PALETTE));
        if (bitmap) result = ConvertBitmapToDibSameDepth(bitmap, palette);
    }
    ::CloseClipboard();
    return result;
}

BOOL CopyBitmapToClipboard(HBITMAP dib, HWND owner) {
    if (!::OpenClipboard(owner)) return FALSE;
    BOOL ok = FALSE;
    win::GlobalMemory block = PackDibToGlobal(dib, nullptr);
    if (block) {
        ::EmptyClipboard();
        if (::SetClipboardData(CF_DIB, block.Get())) {
            block.Release(); // the clipboard owns it now
            ok = TRUE;
        }
    }
    ::CloseClipboard();
    return ok;
}
