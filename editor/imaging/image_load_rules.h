#pragma once
// What the picture box does with a path, and the size check on a picture's
// header before anything decodes it. Free of windows.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "base/geometry.h"
#include "model/picture_file.h"

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

// The picture caps and header reading are the model's picture loader's.
using hexmoor::IsPictureSizeAllowed;
using hexmoor::kMaxPicturePixels;
using hexmoor::kMaxPictureSide;

// The format a kind reads as; nothing for Refused and Ignored.
std::optional<PictureFormat> FormatOf(PictureKind kind);

// The width and height a file's header claims for the given kind (BMP file
// header with any DIB header, PNG IHDR, JPEG start-of-frame); nothing when
// the bytes are not a header of that kind.
std::optional<Size> ReadPictureHeaderSize(std::span<const std::uint8_t> bytes, PictureKind kind);

} // namespace hexmoor::preview
