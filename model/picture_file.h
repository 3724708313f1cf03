// Picture files (.bmp, .png, .jpg) read as images: the one loader behind
// the previews, the region editor's picture, the property grid's image rows
// and the region tool. A file is read header first: the picture's size is
// checked against the caps, and the file's size against what such a
// picture can need, before the rest of the file is read.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/geometry.h"
#include "model/mrg_bitmap.h"

namespace hexmoor {

enum class PictureFormat {
    kBitmap, // BMP: any DIB header, RLE and OS/2 bitmaps included
    kPng,
    kJpeg,
};

// Largest picture decoded: 16384 pixels a side, 64 megapixels.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr std::int64_t kMaxPicturePixels = 64ll * 1024 * 1024;
constexpr bool IsPictureSizeAllowed(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

// How much of a picture file is read before its size is known: every
// header the loader reads lies within it (a JPEG whose frame header comes
// later is refused).
inline constexpr std::size_t kPictureHeadBytes = 1u << 20;
// No picture file of this size needs more bytes: sixteen a pixel (four
// times the largest pixel, for the worst compression) and 16 MB of headers,
// tables and metadata. A larger file is refused unread.
constexpr std::uint64_t MaxPictureFileBytes(Size size) {
    return 16ull * static_cast<std::uint64_t>(size.cx) * static_cast<std::uint64_t>(size.cy) + (16ull << 20);
}

// The width and height a file's header claims (BMP file header with any DIB
// header, PNG IHDR, JPEG start-of-frame); nothing when the bytes are not a
// header of that format.
std::optional<Size> ReadPictureHeaderSize(std::span<const std::uint8_t> bytes, PictureFormat format);

enum class PictureRead {
    kOk,
    kCannotRead,  // missing, locked, or a read failed
    kNotAPicture, // no header of the format
    kTooLarge,    // the picture is over the caps, or the file larger than it can need
};
// Reads a picture file header first into bytes; size receives the size its
// header claims whenever a header was read (also when it is refused).
PictureRead ReadPictureFile(const std::wstring& path, PictureFormat format, std::vector<std::uint8_t>* bytes,
                            Size* size);

// A picture read by ReadPictureFile as an image with zero margins: a BMP as
// a 32-bit DIB section, PNG and JPEG as GDI+ images (PNG keeps its alpha).
// Null when the bytes do not decode or decode to another size than the
// header claimed.
std::unique_ptr<CMrgBitmap> DecodePicture(std::span<const std::uint8_t> bytes, PictureFormat format, Size size);

// ReadPictureFile, then DecodePicture; null when either fails.
std::unique_ptr<CMrgBitmap> LoadPictureFile(const std::wstring& path, PictureFormat format);

} // namespace hexmoor
