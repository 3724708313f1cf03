// GDI and GDI+ behaviour of the model's Windows layer.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "model/gdiplus_init.h"
#include "model/image_rgn.h"
#include "model/mrg_bitmap.h"
#include "model/platform/win/dib.h"
#include "model/platform/win/gdiplus_codec.h"
#include "base/win/uxtheme.h"
#include "model/twf_obj.h"
#include "tests/model/model_test_env.h"
#include "tests/model/test_images.h"

namespace {

namespace platform = hexmoor::platform;
using UniqueBitmap = hexmoor::win::Bitmap;

class GdiTest : public ModelTest {};

int DibBits(HBITMAP bitmap) {
    DIBSECTION section{};
    if (::GetObjectW(bitmap, sizeof section, &section) != sizeof section) return 0; // not a DIB section
    return section.dsBm.bmBitsPixel;
}

// A device-dependent bitmap of the screen's format filled with one colour.
UniqueBitmap ScreenBitmap(int width, int height, COLORREF color) {
    HDC screen = ::GetDC(nullptr);
    UniqueBitmap bitmap(::CreateCompatibleBitmap(screen, width, height));
    HDC dc = ::CreateCompatibleDC(screen);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(dc, bitmap.Get());
    RECT all{0, 0, width, height};
    HBRUSH brush = ::CreateSolidBrush(color);
    ::FillRect(dc, &all, brush);
    ::DeleteObject(brush);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    return bitmap;
}

TEST_F(GdiTest, EntriesAndTheirCopiesAre32BitDibSections) {
    UniqueBitmap ddb = ScreenBitmap(5, 4, RGB(10, 20, 30));
    CMrgBitmap image(ddb.Get(), 0, 0, 0, 0, 0, 0);
    ASSERT_NE(image.GetHBitmap(), nullptr);
    EXPECT_EQ(DibBits(image.GetHBitmap()), 32);
    CMrgBitmap copy(image);
    EXPECT_EQ(DibBits(copy.GetHBitmap()), 32);
    CMrgBitmap assigned;
    assigned = image;
    EXPECT_EQ(DibBits(assigned.GetHBitmap()), 32);
    image.SaveCopy();
    EXPECT_EQ(DibBits(image.GetSavedHBitmap()), 32);

    CTwfObj obj(4);
    obj.SetImageBitmap(1, ddb.Get());
    obj.CopyImage(1, 2);
    EXPECT_EQ(DibBits(obj.GetImageBitmap(1)), 32);
    EXPECT_EQ(DibBits(obj.GetImageBitmap(2)), 32);

    platform::ImagePixels pixels;
    ASSERT_TRUE(copy.ReadPixels(&pixels));
    EXPECT_EQ(pixels.argb[0] & 0xFFFFFF, 0x0A141Eu);
}

TEST_F(GdiTest, CopiesOf32BitImagesKeepTheirAlpha) {
    platform::ImagePixels source = model_test::SolidPixels(3, 3, 0x7F102030);
    auto bitmap = platform::CreateBitmapFromPixels(source);
    CMrgBitmap image(bitmap.Get(), 0, 0, 0, 0, 0, 0);
    CMrgBitmap copy(image);
    platform::ImagePixels pixels;
    ASSERT_TRUE(copy.ReadPixels(&pixels));
    EXPECT_EQ(pixels.argb, source.argb);
}

TEST_F(GdiTest, TopDownSourcesAreCopiedUpright) {
    const platform::ImagePixels source = model_test::PatternPixels(3, 4);
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 3, -4, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    UniqueBitmap topDown(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_NE(topDown, nullptr);
    std::memcpy(bits, source.argb.data(), source.argb.size() * 4);
    CMrgBitmap image(topDown.Get(), 0, 0, 0, 0, 0, 0);
    platform::ImagePixels pixels;
    ASSERT_TRUE(image.ReadPixels(&pixels));
    EXPECT_EQ(pixels.argb, source.argb);

    // Every other way in reads the same rows: the source itself, its 32-bit
    // copy, and an element's image taken from it.
    platform::ImagePixels direct;
    ASSERT_TRUE(platform::ReadBitmapPixels(topDown.Get(), &direct));
    EXPECT_EQ(direct.argb, source.argb) << "read straight from the top-down section";
    auto copy = platform::CopyBitmapAs32(topDown.Get());
    platform::ImagePixels copied;
    ASSERT_TRUE(platform::ReadBitmapPixels(copy.Get(), &copied));
    EXPECT_EQ(copied.argb, source.argb) << "its 32-bit copy";
    CTwfObj element(4);
    ASSERT_TRUE(element.SetImageFromSource(7, topDown.Get(), 0, 0, 0, 0, 0, 0));
    ASSERT_NE(element.GetImage(7), nullptr);
    platform::ImagePixels held;
    ASSERT_TRUE(element.GetImage(7)->ReadPixels(&held));
    EXPECT_EQ(held.argb, source.argb) << "an element's image from it";
}

TEST_F(GdiTest, FourBitBitmapConvertsWithItsOwnColours) {
    UniqueBitmap four(CreateStandardDibSection(4, 1, 4));
    ASSERT_NE(four, nullptr);
    auto* bits = static_cast<BYTE*>(GetBitmapBitsPtr(four.Get()));
    ASSERT_NE(bits, nullptr);
    bits[0] = 0x9C; // bright blue (9), bright red (12)
    bits[1] = 0x2F; // green (2), white (15)
    UniqueBitmap converted(ConvertBitmapToDib(four.Get(), nullptr, 32));
    ASSERT_NE(converted, nullptr);
    EXPECT_EQ(GetBitmapBitsPerPixel(converted.Get()), 32);
    platform::ImagePixels pixels;
    ASSERT_TRUE(platform::ReadBitmapPixels(converted.Get(), &pixels));
    ASSERT_EQ(pixels.argb.size(), 4u);
    EXPECT_EQ(pixels.argb[0] & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(pixels.argb[1] & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(pixels.argb[2] & 0xFFFFFF, 0x008000u);
    EXPECT_EQ(pixels.argb[3] & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(ConvertBitmapToDib(nullptr, nullptr, 32), nullptr);
}

TEST_F(GdiTest, StandardDibSections) {
    struct Case {
        WORD bits;
        WORD headerBits;
        DWORD compression;
        DWORD masks[3];
    };
    const Case cases[] = {
        {15, 16, BI_BITFIELDS, {0x7C00, 0x03E0, 0x001F}},
        {16, 16, BI_BITFIELDS, {0xF800, 0x07E0, 0x001F}},
        {32, 32, BI_BITFIELDS, {0xFF0000, 0x00FF00, 0x0000FF}},
        {24, 24, BI_RGB, {0, 0, 0}},
        {8, 8, BI_RGB, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        UniqueBitmap dib(CreateStandardDibSection(3, 2, c.bits));
        ASSERT_NE(dib, nullptr);
        DIBSECTION section{};
        ASSERT_EQ(::GetObjectW(dib.Get(), sizeof section, &section), static_cast<int>(sizeof section));
        EXPECT_EQ(section.dsBmih.biBitCount, c.headerBits);
        EXPECT_EQ(section.dsBmih.biCompression, c.compression);
        EXPECT_GT(section.dsBmih.biHeight, 0); // bottom-up
        if (c.compression == BI_BITFIELDS) {
            for (int i = 0; i < 3; ++i) EXPECT_EQ(section.dsBitfields[i], c.masks[i]);
        }
    }
    EXPECT_EQ(CreateStandardDibSection(3, 2, 7), nullptr);
}

TEST_F(GdiTest, BitmapInfoAllowsAColourTableBelow24Bits) {
    UniqueBitmap sixteen(CreateStandardDibSection(3, 3, 16));
    std::vector<BYTE> info = AllocBitmapInfo(sixteen.Get());
    ASSERT_FALSE(info.empty());
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(info.data());
    EXPECT_EQ(header->biClrUsed, 65536u);
    EXPECT_EQ(info.size(), 40u + 65536u * 4u);
    EXPECT_EQ(header->biSizeImage, 8u * 3u);

    UniqueBitmap twentyFour(CreateStandardDibSection(3, 3, 24));
    info = AllocBitmapInfo(twentyFour.Get());
    EXPECT_EQ(info.size(), 40u);
    EXPECT_TRUE(AllocBitmapInfo(nullptr).empty());
}

TEST_F(GdiTest, PackedDibRoundTripAndTruncatedBlocks) {
    auto source = platform::CreateBitmapFromPixels(model_test::PatternPixels(5, 3));
    SIZE_T size = 0;
    hexmoor::win::GlobalMemory packed = PackDibToGlobal(source.Get(), &size);
    ASSERT_NE(packed, nullptr);
    UniqueBitmap back(CreateDibFromPacked(packed.Get()));
    ASSERT_NE(back, nullptr);
    platform::ImagePixels pixels;
    ASSERT_TRUE(platform::ReadBitmapPixels(back.Get(), &pixels));
    EXPECT_EQ(pixels.argb, model_test::PatternPixels(5, 3).argb);

    hexmoor::win::GlobalMemory shortBlock(::GlobalAlloc(GMEM_MOVEABLE, 60));
    std::memcpy(::GlobalLock(shortBlock.Get()), ::GlobalLock(packed.Get()), 60);
    ::GlobalUnlock(shortBlock.Get());
    ::GlobalUnlock(packed.Get());
    EXPECT_EQ(CreateDibFromPacked(shortBlock.Get()), nullptr);
    EXPECT_EQ(CreateDibFromPacked(nullptr), nullptr);

    UniqueBitmap ddb = ScreenBitmap(2, 2, RGB(1, 2, 3));
    EXPECT_EQ(PackDibToGlobal(ddb.Get(), nullptr), nullptr);
}

// A moveable block of no bytes is allocated discarded: GlobalLock refuses it.
HGLOBAL WINAPI AllocateUnlockable(UINT, SIZE_T) { return ::GlobalAlloc(GMEM_MOVEABLE, 0); }

TEST_F(GdiTest, PackedDibReportsABlockThatCannotBeLocked) {
    HGLOBAL probe = AllocateUnlockable(0, 0);
    ASSERT_NE(probe, nullptr);
    ASSERT_EQ(::GlobalLock(probe), nullptr); // the premise: this block cannot be locked
    ::GlobalFree(probe);

    auto source = platform::CreateBitmapFromPixels(model_test::PatternPixels(5, 3));
    SIZE_T size = 7;
    EXPECT_EQ(PackDibToGlobal(source.Get(), &size, AllocateUnlockable), nullptr);
    EXPECT_EQ(size, 7u);
}

TEST_F(GdiTest, BmpFileImageOfABitmap) {
    auto source = platform::CreateBitmapFromPixels(model_test::SolidPixels(2, 2, 0xFF336699));
    std::vector<BYTE> info = AllocBitmapInfo(source.Get());
    std::vector<BYTE> file = BuildPackedBmpFile(reinterpret_cast<BITMAPINFO*>(info.data()), source.Get(), nullptr);
    ASSERT_EQ(file.size(), 14u + 40u + 16u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(GetPackedBmpBits(file.data()), file.data() + 54);
    EXPECT_EQ(GetPackedBmpBits(file.data())[0], 0x99);
}

TEST_F(GdiTest, SavingABmpWritesOnlyToDiskFiles) {
    auto dib = platform::CreateBitmapFromPixels(model_test::SolidPixels(2, 2, 0xFF336699));
    const auto path = std::filesystem::temp_directory_path() / "hexmoor_dib_test.bmp";
    ASSERT_TRUE(SaveDibToBmpFile(path.wstring().c_str(), dib.Get()));
    HBITMAP loaded = nullptr;
    HPALETTE palette = nullptr;
    ASSERT_TRUE(LoadBitmapFile(path.wstring().c_str(), &loaded, &palette));
    UniqueBitmap owned(loaded);
    hexmoor::win::Palette ownedPalette(palette);
    platform::ImagePixels pixels;
    ASSERT_TRUE(platform::ReadBitmapPixels(loaded, &pixels));
    EXPECT_EQ(pixels.argb[0] & 0xFFFFFF, 0x336699u);
    std::filesystem::remove(path);

    EXPECT_FALSE(SaveDibToBmpFile(L"NUL", dib.Get()));
    EXPECT_FALSE(LoadBitmapFile(path.wstring().c_str(), nullptr, nullptr));
}

TEST_F(GdiTest, StretchedDrawingFillsTheRectangle) {
    auto red = platform::CreateBitmapFromPixels(model_test::SolidPixels(1, 1, 0xFFFF0000));
    auto canvas = platform::CreateBitmapFromPixels(model_test::SolidPixels(6, 6, 0xFF000000));
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, canvas.Get());
    RECT target{1, 1, 5, 5};
    EXPECT_TRUE(DrawBitmapStretched(dc, red.Get(), &target));
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    platform::ImagePixels pixels;
    ASSERT_TRUE(platform::ReadBitmapPixels(canvas.Get(), &pixels));
    EXPECT_EQ(pixels.argb[0] & 0xFFFFFF, 0u);
    EXPECT_EQ(pixels.argb[1 * 6 + 1] & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(pixels.argb[4 * 6 + 4] & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(pixels.argb[5 * 6 + 5] & 0xFFFFFF, 0u);
}

TEST_F(GdiTest, ClipboardRoundTrip) {
    HWND owner = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    auto source = platform::CreateBitmapFromPixels(model_test::PatternPixels(3, 2));
    ASSERT_TRUE(CopyBitmapToClipboard(source.Get(), owner));
    UniqueBitmap pasted(PasteBitmapFromClipboard(owner));
    ::DestroyWindow(owner);
    ASSERT_NE(pasted, nullptr);
    platform::ImagePixels pixels;
    ASSERT_TRUE(platform::ReadBitmapPixels(pasted.Get(), &pixels));
    ASSERT_EQ(pixels.argb.size(), 6u);
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(pixels.argb[i] & 0xFFFFFF, model_test::PatternPixels(3, 2).argb[i] & 0xFFFFFF) << i;
    }
}

TEST_F(GdiTest, Palettes) {
    hexmoor::win::Palette halftone(CreateHalftone256Palette());
    ASSERT_NE(halftone, nullptr);
    PALETTEENTRY entries[256];
    ASSERT_EQ(::GetPaletteEntries(halftone.Get(), 0, 256, entries), 256u);
    struct Case {
        int index;
        BYTE red, green, blue;
    };
    const Case cases[] = {{0, 0, 0, 0}, {1, 32, 0, 0}, {9, 32, 32, 0}, {64, 0, 0, 64}, {255, 224, 224, 192}};
    for (const Case& c : cases) {
        EXPECT_EQ(entries[c.index].peRed, c.red) << c.index;
        EXPECT_EQ(entries[c.index].peGreen, c.green) << c.index;
        EXPECT_EQ(entries[c.index].peBlue, c.blue) << c.index;
        EXPECT_EQ(entries[c.index].peFlags, 0) << c.index;
    }

    UniqueBitmap four(CreateStandardDibSection(2, 2, 4));
    hexmoor::win::Palette own(CreateBitmapPalette(four.Get()));
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(::GetPaletteEntries(own.Get(), 0, 256, entries), 16u);
    EXPECT_EQ(entries[12].peRed, 255);
    EXPECT_EQ(entries[12].peBlue, 0);
    EXPECT_EQ(CreateBitmapPalette(nullptr), nullptr);
}

TEST_F(GdiTest, DeviceColourBits) {
    const std::pair<DWORD, int> counts[] = {{0, 0}, {0x7C00, 5}, {0x07E0, 6}, {0xFF0000, 8}, {0xFFFFFFFF, 32}};
    for (const auto& [mask, bits] : counts) EXPECT_EQ(CountBits(mask), bits) << mask;
    HDC screen = ::GetDC(nullptr);
    int red = -1, green = -1, blue = -1;
    EXPECT_TRUE(GetDeviceColorBits(screen, &red, &green, &blue));
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(red, 8);
    EXPECT_EQ(green, 8);
    EXPECT_EQ(blue, 8);
}

TEST_F(GdiTest, PaletteCopyKeepsTheContents) {
    auto source = platform::CreateBitmapFromPixels(model_test::SolidPixels(3, 3, 0xFF204060));
    UniqueBitmap copy(CopyBitmapWithPalette(source.Get()));
    ASSERT_NE(copy, nullptr);
    platform::ImagePixels pixels;
    ASSERT_TRUE(platform::ReadBitmapPixels(copy.Get(), &pixels));
    EXPECT_EQ(pixels.argb[4] & 0xFFFFFF, 0x204060u);
    UniqueBitmap duplicate(DuplicateDibBitmap(source.Get()));
    EXPECT_EQ(DibBits(duplicate.Get()), 32);
    EXPECT_EQ(DuplicateDibBitmap(nullptr), nullptr);
}

TEST_F(GdiTest, EncoderLookupIsCaseSensitive) {
    CLSID clsid{};
    EXPECT_GE(GetImageEncoderClsid(L"image/png", &clsid), 0);
    EXPECT_GE(GetImageEncoderClsid(L"image/bmp", &clsid), 0);
    EXPECT_EQ(GetImageEncoderClsid(L"image/PNG", &clsid), -1);
}

TEST_F(GdiTest, RegionsGoThroughRegionDataIntact) {
    HRGN expected = ::CreateRectRgn(0, 0, 4, 2);
    HRGN second = ::CreateRectRgn(1, 2, 3, 6);
    ::CombineRgn(expected, expected, second, RGN_OR);
    ::DeleteObject(second);
    std::vector<std::uint8_t> data;
    ASSERT_TRUE(platform::RegionToData(expected, &data));
    auto rebuilt = platform::RegionFromData(data);
    ASSERT_NE(rebuilt, nullptr);
    EXPECT_TRUE(::EqualRgn(expected, rebuilt.Get()));
    auto copy = platform::DuplicateRegion(expected);
    EXPECT_TRUE(::EqualRgn(expected, copy.Get()));
    EXPECT_NE(copy.Get(), expected);
    ::DeleteObject(expected);

    data.resize(data.size() - 1); // one byte short of the last rectangle
    EXPECT_EQ(platform::RegionFromData(data), nullptr);
}

TEST_F(GdiTest, RegionBitmapShowsTheRegionInTheInverseColour) {
    CImageRgn region(platform::CreateRectRegion(1, 1, 3, 3), 4, 4);
    UniqueBitmap bitmap(RenderRegionBitmap(&region));
    ASSERT_NE(bitmap, nullptr);
    platform::ImagePixels pixels;
    ASSERT_TRUE(platform::ReadBitmapPixels(bitmap.Get(), &pixels));
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const std::uint32_t faceArgb = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
    EXPECT_EQ(pixels.argb[0] & 0xFFFFFF, faceArgb);
    EXPECT_EQ(pixels.argb[1 * 4 + 1] & 0xFFFFFF, ~faceArgb & 0xFFFFFF);
    EXPECT_EQ(RenderRegionBitmap(nullptr), nullptr);
}

TEST_F(GdiTest, RegionBitmapRefusesACanvasOutsideTheLimit) {
    struct Case {
        int width, height;
        bool made;
    };
    const Case cases[] = {
        {0, 0, true},
        {kMaxRegionCanvas, 1, true},
        {1, kMaxRegionCanvas, true},
        {kMaxRegionCanvas + 1, 1, false},
        {1, kMaxRegionCanvas + 1, false},
        {-1, 4, false},
        {4, -1, false},
        {0x7FFFFFFF, 0x7FFFFFFF, false},
    };
    for (const Case& c : cases) {
        CImageRgn region(platform::CreateRectRegion(0, 0, 1, 1), c.width, c.height);
        UniqueBitmap bitmap(RenderRegionBitmap(&region));
        EXPECT_EQ(bitmap != nullptr, c.made) << c.width << " x " << c.height;
    }
}

TEST(UxTheme, EntryPointsAreBoundAndUnbound) {
    EXPECT_TRUE(LoadUxTheme());
    EXPECT_NE(g_pfnSetWindowTheme, nullptr);
    EXPECT_TRUE(UnloadUxTheme());
    EXPECT_EQ(g_pfnSetWindowTheme, nullptr);
    EXPECT_EQ(DisableWindowTheme(nullptr), 0);
    EXPECT_EQ(GetThemeSysSizeSafe(nullptr, 0), 0);
}

} // namespace
