#include "editor/imaging/picture_loader.h"

#include <vector>

#include "model/dib_pixels.h"
#include "model/platform/file.h"
#include "model/platform/win/gdiplus_codec.h"

namespace hexmoor::preview {

LoadedPicture LoadPicture(const std::wstring& rawPath, bool allowJpeg) {
    LoadedPicture loaded;
    const PictureKind kind = ClassifyPicturePath(rawPath, allowJpeg);
    if (kind == PictureKind::Refused) return loaded;
    if (kind == PictureKind::Ignored) {
        loaded.result = 1;
        return loaded;
    }
    std::vector<std::uint8_t> bytes;
    if (platform::ReadFileBytes(TrimSpaces(rawPath), &bytes) != platform::FileReadResult::kOk) return loaded;
    // The size is checked before anything is decoded.
    const std::optional<Size> size = ReadPictureHeaderSize(bytes, kind);
    if (!size || !IsPictureSizeAllowed(size->cx, size->cy)) return loaded;

    const MrgBitmapParams params; // zero margins
    if (kind == PictureKind::Bitmap) {
        platform::ImagePixels pixels;
        if (!DecodeBmpFilePixels(bytes, &pixels)) return loaded;
        platform::BitmapHandle bitmap = platform::CreateBitmapFromPixels(pixels);
        if (!bitmap) return loaded;
        loaded.image = std::make_unique<CMrgBitmap>(std::move(bitmap), params);
    } else {
        platform::GdiplusBitmapHandle image = platform::DecodeGdiplusImage(bytes);
        if (!image) return loaded;
        // The decoder must agree with the header that was checked.
        if (static_cast<int>(image->GetWidth()) != size->cx || static_cast<int>(image->GetHeight()) != size->cy) {
            return loaded;
        }
        loaded.image = std::make_unique<CMrgBitmap>(std::move(image), params);
        loaded.jpeg = kind == PictureKind::Jpeg;
    }
    loaded.result = 1;
    return loaded;
}

} // namespace hexmoor::preview
