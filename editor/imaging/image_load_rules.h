#pragma once
// What the picture box does with a path, and the size check on a picture's
// header before anything decodes it. Free of windows.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "base/geometry.h"
#include "model/picture_file.h"
#include "model/picture_path.h"

namespace hexmoor::preview {

// The path rules are the model's, shared with every road that loads a
// picture by its path.
using hexmoor::ClassifyPicturePath;
using hexmoor::FormatOf;
using hexmoor::PictureKind;
using hexmoor::TrimSpaces;

// The picture caps and header reading are the model's picture loader's.
using hexmoor::IsPictureSizeAllowed;
using hexmoor::kMaxPicturePixels;
using hexmoor::kMaxPictureSide;

// The width and height a file's header claims for the given kind (BMP file
// header with any DIB header, PNG IHDR, JPEG start-of-frame); nothing when
// the bytes are not a header of that kind.
std::optional<Size> ReadPictureHeaderSize(std::span<const std::uint8_t> bytes, PictureKind kind);

} // namespace hexmoor::preview
