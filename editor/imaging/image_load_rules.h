#pragma once
// What the picture box does with a path, and the size check on a picture's
// header before anything decodes it. Free of windows.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "base/geometry.h"

namespace hexmoor::preview {

enum class PictureKind {
    Refused, // path too short: the load fails
    Ignored, // an extension the box does not show: nothing shown, the load still succeeds
    Bitmap,  // ".bmp": a device-independent bitmap
    Png,     // ".png": a GDI+ image (with its transparency)
    Jpeg,    // ".jpg" where allowed: a GDI+ image
};

// The text without white space at either end.
std::wstring TrimSpaces(const std::wstring& text);

// The path is trimmed of spaces on both sides first; extensions compare
// without case.
PictureKind ClassifyPicturePath(const std::wstring& path, bool allowJpeg);

// Largest picture the previews decode: 16384 pixels a side, 64 megapixels.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr std::int64_t kMaxPicturePixels = 64ll * 1024 * 1024;
constexpr bool IsPictureSizeAllowed(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

// The width and height a file's header claims for the given kind (BMP file
// header with any DIB header, PNG IHDR, JPEG start-of-frame); nothing when
// the bytes are not a header of that kind.
std::optional<Size> ReadPictureHeaderSize(std::span<const std::uint8_t> bytes, PictureKind kind);

} // namespace hexmoor::preview
