#pragma once
// The file loading of the grid's "..." roads (the roads themselves are
// members of the grid window).

#include <memory>
#include <string>

#include "model/mrg_bitmap.h"

namespace hexmoor::links {

// The "..." road's file loading, by the previews' path rules and the model's
// picture loader: a .bmp as a DIB section, a .png decoded from memory with
// its alpha (the path trimmed, its extension without case); null for
// another extension or when the file cannot be read as an image.
std::unique_ptr<CMrgBitmap> LoadImageRecord(const std::wstring& path);

} // namespace hexmoor::links
