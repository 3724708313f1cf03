#include "model/picture_file.h"

#include "model/dib_pixels.h"
#include "model/platform/file.h"
#include "model/platform/image.h"

namespace hexmoor {

namespace {

std::uint32_t Le32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t Le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t Be32(const std::uint8_t* p) {
    return (static_cast<std::uint32_t>(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
}
std::uint16_t Be16(const std::uint8_t* p) { return static_cast<std::uint16_t>((p[0] << 8) | p[1]); }

std::optional<Size> BmpSize(std::span<const std::uint8_t> b) {
    if (b.size() < 14 + 12 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
    const std::uint32_t headerSize = Le32(&b[14]);
    if (headerSize == 12) return Size{Le16(&b[18]), Le16(&b[20])};
    if (headerSize < 40 || b.size() < 14 + 16) return std::nullopt;
    const auto width = static_cast<std::int32_t>(Le32(&b[18]));
    const auto height = static_cast<std::int32_t>(Le32(&b[22]));
    if (width < 0 || height == INT32_MIN) return std::nullopt;
    return Size{width, height < 0 ? -height : height};
}

std::optional<Size> PngSize(std::span<const std::uint8_t> b) {
    static constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (b.size() < 24) return std::nullopt;
    for (int i = 0; i < 8; ++i) {
        if (b[i] != kSignature[i]) return std::nullopt;
    }
    if (b[12] != 'I' || b[13] != 'H' || b[14] != 'D' || b[15] != 'R') return std::nullopt;
    const std::uint32_t width = Be32(&b[16]), height = Be32(&b[20]);
    if (width > 0x7FFFFFFF || height > 0x7FFFFFFF) return std::nullopt;
    return Size{static_cast<int>(width), static_cast<int>(height)};
}

std::optional<Size> JpegSize(std::span<const std::uint8_t> b) {
    if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8) return std::nullopt;
    std::size_t i = 2;
    while (i + 4 <= b.size()) {
        if (b[i] != 0xFF) return std::nullopt;
        const std::uint8_t marker = b[i + 1];
        if (marker == 0xFF) { // fill byte
            ++i;
            continue;
        }
        if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            i += 2;
            continue;
        }
        const std::uint16_t length = Be16(&b[i + 2]);
        if (length < 2) return std::nullopt;
        const bool startOfFrame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (startOfFrame) {
            if (i + 9 > b.size()) return std::nullopt;
            return Size{Be16(&b[i + 7]), Be16(&b[i + 5])};
        }
        if (marker == 0xD9 || marker == 0xDA) return std::nullopt; // no frame before the data
        i += 2 + static_cast<std::size_t>(length);
    }
    return std::nullopt;
}

} // namespace

std::optional<Size> ReadPictureHeaderSize(std::span<const std::uint8_t> bytes, PictureFormat format) {
    switch (format) {
    case PictureFormat::kBitmap: return BmpSize(bytes);
    case PictureFormat::kPng: return PngSize(bytes);
    case PictureFormat::kJpeg: return JpegSize(bytes);
    }
    return std::nullopt;
}

PictureRead ReadPictureFile(const std::wstring& path, PictureFormat format, std::vector<std::uint8_t>* bytes,
                            Size* size) {
    PictureRead refusal = PictureRead::kOk;
    const auto check = [&](std::span<const std::uint8_t> head, std::uint64_t fileSize) -> std::optional<std::uint64_t> {
        const std::optional<Size> claimed = ReadPictureHeaderSize(head, format);
        if (!claimed) {
            refusal = PictureRead::kNotAPicture;
            return std::nullopt;
        }
        if (size) *size = *claimed;
        if (!IsPictureSizeAllowed(claimed->cx, claimed->cy) || fileSize > MaxPictureFileBytes(*claimed)) {
            refusal = PictureRead::kTooLarge;
            return std::nullopt;
        }
        return fileSize;
    };
    switch (platform::ReadFileHeadFirst(path, kPictureHeadBytes, check, bytes)) {
    case platform::FileReadResult::kOk: return PictureRead::kOk;
    case platform::FileReadResult::kRefused: return refusal;
    case platform::FileReadResult::kTooLarge: return PictureRead::kTooLarge;
    default: return PictureRead::kCannotRead;
    }
}

std::unique_ptr<CMrgBitmap> DecodePicture(std::span<const std::uint8_t> bytes, PictureFormat format, Size size) {
    const MrgBitmapParams params; // zero margins
    if (format == PictureFormat::kBitmap) {
        platform::ImagePixels pixels;
        if (!DecodeBmpFilePixels(bytes, &pixels) || pixels.width != size.cx || pixels.height != size.cy) return nullptr;
        platform::BitmapHandle bitmap = platform::CreateBitmapFromPixels(pixels);
        if (!bitmap) return nullptr;
        return std::make_unique<CMrgBitmap>(std::move(bitmap), params);
    }
    platform::GdiplusBitmapHandle image = platform::DecodeGdiplusImage(bytes);
    if (!image) return nullptr;
    // The decoder must agree with the header that was checked.
    LONG width = 0, height = 0;
    if (!platform::GetGdiplusBitmapSize(image.get(), &width, &height) || width != size.cx || height != size.cy)
        return nullptr;
    return std::make_unique<CMrgBitmap>(std::move(image), params);
}

std::unique_ptr<CMrgBitmap> LoadPictureFile(const std::wstring& path, PictureFormat format) {
    std::vector<std::uint8_t> bytes;
    Size size;
    if (ReadPictureFile(path, format, &bytes, &size) != PictureRead::kOk) return nullptr;
    return DecodePicture(bytes, format, size);
}

} // namespace hexmoor
