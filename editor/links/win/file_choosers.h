#pragma once
// The file loading of the grid's "..." roads (the roads themselves are
// members of the grid window).

#include <memory>
#include <string>

#include "model/mrg_bitmap.h"

namespace hexmoor::links {

// The "..." road's file loading: a .bmp as a DIB section, a .png decoded
// from memory with its alpha; null when the file cannot be read as an image.
std::unique_ptr<CMrgBitmap> LoadImageRecord(const std::wstring& path);

} // namespace hexmoor::links
