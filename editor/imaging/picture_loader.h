#pragma once
// Loads a picture file for the previews: the bytes are read once, the size
// in the header is checked against the caps, and the picture is decoded from
// memory (no temporary copy on disk).

#include <memory>
#include <string>

#include "editor/imaging/image_load_rules.h"
#include "model/mrg_bitmap.h"

namespace hexmoor::preview {

struct LoadedPicture {
    // 1 when the load succeeded (also for an extension the previews do not
    // show, which gives no image); 0 when the path is too short or the file
    // cannot be read, is too large or does not decode.
    int result = 0;
    std::unique_ptr<CMrgBitmap> image; // zero margins; GDI+ for PNG and JPEG
    bool jpeg = false;
};

LoadedPicture LoadPicture(const std::wstring& path, bool allowJpeg);

} // namespace hexmoor::preview
