#include "editor/imaging/image_load_rules.h"

#include <cwctype>

namespace hexmoor::preview {

namespace {

bool EndsWithNoCase(const std::wstring& text, const wchar_t* suffix) {
    const std::wstring tail(suffix);
    if (text.size() < tail.size()) return false;
    for (std::size_t i = 0; i < tail.size(); ++i) {
        if (std::towlower(text[text.size() - tail.size() + i]) != tail[i]) return false;
    }
    return true;
}

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

std::wstring TrimSpaces(const std::wstring& text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && std::iswspace(text[begin])) ++begin;
    while (end > begin && std::iswspace(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

PictureKind ClassifyPicturePath(const std::wstring& rawPath, bool allowJpeg) {
    const std::wstring path = TrimSpaces(rawPath);
    if (path.size() < 2) return PictureKind::Refused;
    if (EndsWithNoCase(path, L".bmp")) return PictureKind::Bitmap;
    if (EndsWithNoCase(path, L".png")) return PictureKind::Png;
    if (allowJpeg && EndsWithNoCase(path, L".jpg")) return PictureKind::Jpeg;
    return PictureKind::Ignored;
}

std::optional<Size> ReadPictureHeaderSize(std::span<const std::uint8_t> bytes, PictureKind kind) {
    switch (kind) {
    case PictureKind::Bitmap: return BmpSize(bytes);
    case PictureKind::Png: return PngSize(bytes);
    case PictureKind::Jpeg: return JpegSize(bytes);
    default: return std::nullopt;
    }
}

} // namespace hexmoor::preview
