#pragma once
// What a picture file's path names: the format its extension reads as, or
// that nothing is shown, or that the path is refused. Every road that loads
// a picture by its path (the previews, the grid's image rows) asks here.

#include <optional>
#include <string>

#include "model/picture_file.h"

namespace hexmoor {

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

// The format a kind reads as; nothing for Refused and Ignored.
std::optional<PictureFormat> FormatOf(PictureKind kind);

// The picture at path by the rules above (trimmed, its extension without
// case; JPEG only where allowed); null when the path is refused or names no
// format, or the file does not load.
std::unique_ptr<CMrgBitmap> LoadPictureAtPath(const std::wstring& path, bool allowJpeg);

} // namespace hexmoor
