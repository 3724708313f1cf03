// Windows images: 32-bit DIB sections and GDI+ bitmaps.
#include <objidl.h>

#include <cstring>
#include <memory>

#include "model/platform/image.h"
#include "model/platform/win/dib.h"
#include "model/platform/win/gdiplus_codec.h"

namespace hexmoor::platform {

void GdiplusBitmapDeleter::operator()(Gdiplus::Bitmap* bitmap) const noexcept { delete bitmap; }

namespace {

struct StreamRelease {
    void operator()(IStream* stream) const noexcept {
        if (stream) stream->Release();
    }
};
using StreamPtr = std::unique_ptr<IStream, StreamRelease>;

constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

// A 32-bit DIB section's pixels, top-down, or false for other bitmaps.
bool Read32BitDib(HBITMAP bitmap, ImagePixels* out) {
    DIBSECTION section{};
    if (::GetObjectW(bitmap, sizeof section, &section) != sizeof section) return false;
    if (section.dsBm.bmBitsPixel != 32) return false;
    const int width = section.dsBm.bmWidth;
    const int height = section.dsBm.bmHeight;
    out->width = width;
    out->height = height;
    out->argb.resize(static_cast<size_t>(width) * height);
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    const win::MemoryDC dc(nullptr);
    const int lines =
        ::GetDIBits(dc.Get(), bitmap, 0, static_cast<UINT>(height), out->argb.data(), &info, DIB_RGB_COLORS);
    return lines == height;
}

bool WritePixelsTo32BitDib(HBITMAP bitmap, const ImagePixels& pixels) {
    DIBSECTION section{};
    if (::GetObjectW(bitmap, sizeof section, &section) != sizeof section || !section.dsBm.bmBits) return false;
    ::GdiFlush();
    const bool bottomUp = section.dsBmih.biHeight > 0;
    auto* bits = static_cast<std::uint8_t*>(section.dsBm.bmBits);
    for (int y = 0; y < pixels.height; ++y) {
        const int row = bottomUp ? pixels.height - 1 - y : y;
        std::memcpy(bits + static_cast<size_t>(row) * section.dsBm.bmWidthBytes,
                    pixels.argb.data() + static_cast<size_t>(y) * pixels.width, static_cast<size_t>(pixels.width) * 4);
    }
    return true;
}

bool IsValid(const ImagePixels& pixels) {
    return pixels.width > 0 && pixels.height > 0 &&
           pixels.argb.size() == static_cast<size_t>(pixels.width) * static_cast<size_t>(pixels.height);
}

bool SaveToBytes(Gdiplus::Image& image, const wchar_t* mime, std::vector<std::uint8_t>* out) {
    CLSID encoder;
    if (GetImageEncoderClsid(mime, &encoder) < 0) return false;
    IStream* raw = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, &raw))) return false;
    StreamPtr stream(raw);
    if (image.Save(stream.get(), &encoder, nullptr) != Gdiplus::Ok) return false;
    HGLOBAL block = nullptr;
    if (FAILED(::GetHGlobalFromStream(stream.get(), &block))) return false;
    STATSTG stat{};
    if (FAILED(stream->Stat(&stat, STATFLAG_NONAME))) return false;
    const auto size = static_cast<size_t>(stat.cbSize.QuadPart);
    const void* data = ::GlobalLock(block);
    if (!data) return false;
    out->assign(static_cast<const std::uint8_t*>(data), static_cast<const std::uint8_t*>(data) + size);
    ::GlobalUnlock(block);
    return true;
}

} // namespace

BitmapHandle CopyBitmapAs32(HBITMAP source) {
    if (!source || ::GetObjectType(source) != OBJ_BITMAP) return nullptr;
    // A 32-bit DIB section is read with GetDIBits straight into the copy's
    // bits, so that its alpha survives (a blit need not keep the fourth byte)
    // and GDI itself accounts for the source's row order.
    DIBSECTION section{};
    if (::GetObjectW(source, sizeof section, &section) == sizeof section && section.dsBm.bmBitsPixel == 32) {
        const int width = section.dsBm.bmWidth;
        const int height = section.dsBm.bmHeight;
        BitmapHandle copy(CreateStandardDibSection(width, height, 32));
        void* bits = GetBitmapBitsPtr(copy.Get());
        if (!copy || !bits) return nullptr;
        BITMAPINFO info{};
        info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        const win::MemoryDC dc(nullptr);
        const int lines = ::GetDIBits(dc.Get(), source, 0, static_cast<UINT>(height), bits, &info, DIB_RGB_COLORS);
        if (lines == height) return copy;
    }
    return BitmapHandle(ConvertBitmapToDib(source, nullptr, 32));
}

bool GetBitmapSize(HBITMAP bitmap, LONG* width, LONG* height) {
    BITMAP bm{};
    if (!bitmap || !::GetObjectW(bitmap, sizeof bm, &bm)) return false;
    if (width) *width = bm.bmWidth;
    if (height) *height = bm.bmHeight;
    return true;
}

BitmapHandle CreateBitmapFromPixels(const ImagePixels& pixels) {
    if (!IsValid(pixels)) return nullptr;
    BitmapHandle bitmap(CreateStandardDibSection(pixels.width, pixels.height, 32));
    if (!bitmap || !WritePixelsTo32BitDib(bitmap.Get(), pixels)) return nullptr;
    return bitmap;
}

bool ReadBitmapPixels(HBITMAP bitmap, ImagePixels* out) {
    if (!bitmap || !out) return false;
    if (Read32BitDib(bitmap, out)) return true;
    BitmapHandle copy(ConvertBitmapToDib(bitmap, nullptr, 32));
    return copy && Read32BitDib(copy.Get(), out);
}

GdiplusBitmapHandle CloneGdiplusBitmap(Gdiplus::Bitmap* bitmap) {
    if (!bitmap) return nullptr;
    GdiplusBitmapHandle clone(bitmap->Clone(0, 0, static_cast<INT>(bitmap->GetWidth()),
                                            static_cast<INT>(bitmap->GetHeight()), bitmap->GetPixelFormat()));
    if (clone && clone->GetLastStatus() != Gdiplus::Ok) clone.reset();
    return clone;
}

bool GetGdiplusBitmapSize(Gdiplus::Bitmap* bitmap, LONG* width, LONG* height) {
    if (!bitmap) return false;
    if (width) *width = static_cast<LONG>(bitmap->GetWidth());
    if (height) *height = static_cast<LONG>(bitmap->GetHeight());
    return true;
}

GdiplusBitmapHandle CreateGdiplusBitmapFromPixels(const ImagePixels& pixels) {
    if (!IsValid(pixels)) return nullptr;
    return CreateGdiplusBitmapFromPixels(ViewOf(pixels));
}

GdiplusBitmapHandle CreateGdiplusBitmapFromPixels(const ImagePixelsView& pixels) {
    if (!pixels.first || pixels.width <= 0 || pixels.height <= 0) return nullptr;
    GdiplusBitmapHandle bitmap(new Gdiplus::Bitmap(pixels.width, pixels.height, PixelFormat32bppARGB));
    if (bitmap->GetLastStatus() != Gdiplus::Ok) return nullptr;
    Gdiplus::Rect area(0, 0, pixels.width, pixels.height);
    Gdiplus::BitmapData data{};
    if (bitmap->LockBits(&area, Gdiplus::ImageLockModeWrite, PixelFormat32bppARGB, &data) != Gdiplus::Ok) {
        return nullptr;
    }
    for (int y = 0; y < pixels.height; ++y) {
        std::memcpy(static_cast<std::uint8_t*>(data.Scan0) + static_cast<ptrdiff_t>(y) * data.Stride, pixels.Row(y),
                    static_cast<size_t>(pixels.width) * 4);
    }
    bitmap->UnlockBits(&data);
    return bitmap;
}

bool ReadGdiplusBitmapPixels(Gdiplus::Bitmap* bitmap, ImagePixels* out) {
    if (!bitmap || !out) return false;
    const int width = static_cast<int>(bitmap->GetWidth());
    const int height = static_cast<int>(bitmap->GetHeight());
    Gdiplus::Rect area(0, 0, width, height);
    Gdiplus::BitmapData data{};
    if (bitmap->LockBits(&area, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) != Gdiplus::Ok) return false;
    out->width = width;
    out->height = height;
    out->argb.resize(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        std::memcpy(out->argb.data() + static_cast<size_t>(y) * width,
                    static_cast<const std::uint8_t*>(data.Scan0) + static_cast<ptrdiff_t>(y) * data.Stride,
                    static_cast<size_t>(width) * 4);
    }
    bitmap->UnlockBits(&data);
    return true;
}

GdiplusBitmapHandle ArgbCopyForReading(Gdiplus::Bitmap* bitmap) {
    if (!bitmap || bitmap->GetPixelFormat() == PixelFormat32bppARGB) return nullptr;
    // Read as every lock reads it, so that the copy holds exactly what each
    // lock would have handed out.
    ImagePixels pixels;
    if (!ReadGdiplusBitmapPixels(bitmap, &pixels)) return nullptr;
    return CreateGdiplusBitmapFromPixels(pixels);
}

bool EncodePng(Gdiplus::Bitmap* bitmap, std::vector<std::uint8_t>* out) {
    return bitmap && out && SaveToBytes(*bitmap, L"image/png", out);
}

bool EncodeBmp(HBITMAP bitmap, std::vector<std::uint8_t>* out) {
    if (!bitmap || !out) return false;
    Gdiplus::Bitmap wrapper(bitmap, nullptr);
    if (wrapper.GetLastStatus() != Gdiplus::Ok) return false;
    return SaveToBytes(wrapper, L"image/bmp", out);
}

GdiplusBitmapHandle DecodeGdiplusImage(std::span<const std::uint8_t> data) {
    if (data.empty()) return nullptr;
    // The stream owns its copy of the bytes; a GDI+ bitmap made from it keeps
    // the stream alive for as long as it needs it.
    win::GlobalMemory block(::GlobalAlloc(GMEM_MOVEABLE, data.size()));
    if (!block) return nullptr;
    if (void* target = ::GlobalLock(block.Get())) {
        std::memcpy(target, data.data(), data.size());
        ::GlobalUnlock(block.Get());
    }
    IStream* raw = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(block.Get(), TRUE, &raw))) return nullptr;
    block.Release(); // the stream frees it
    StreamPtr stream(raw);
    GdiplusBitmapHandle image(Gdiplus::Bitmap::FromStream(stream.get()));
    if (!image || image->GetLastStatus() != Gdiplus::Ok || image->GetWidth() == 0 || image->GetHeight() == 0) {
        return nullptr;
    }
    return image;
}

DecodedImage DecodeImageStream(std::span<const std::uint8_t> data) {
    DecodedImage result;
    GdiplusBitmapHandle image = DecodeGdiplusImage(data);
    if (!image) return result;
    const bool isPng = data.size() >= 8 && std::memcmp(data.data(), kPngSignature, 8) == 0;
    if (isPng) {
        result.png = std::move(image);
        return result;
    }
    HBITMAP bitmap = nullptr;
    if (image->GetHBITMAP(Gdiplus::Color(0xFF000000), &bitmap) != Gdiplus::Ok || !bitmap) return result;
    BitmapHandle converted(bitmap);
    // Skin images are 32-bit DIB sections whatever GDI+ handed back.
    DIBSECTION section{};
    if (::GetObjectW(bitmap, sizeof section, &section) == sizeof section && section.dsBm.bmBitsPixel == 32) {
        result.bitmap = std::move(converted);
    } else {
        result.bitmap = CopyBitmapAs32(bitmap);
    }
    return result;
}

} // namespace hexmoor::platform
