#include "editor/imaging/picture_loader.h"

namespace hexmoor::preview {

LoadedPicture LoadPicture(const std::wstring& rawPath, bool allowJpeg) {
    LoadedPicture loaded;
    const PictureKind kind = ClassifyPicturePath(rawPath, allowJpeg);
    if (kind == PictureKind::Refused) return loaded;
    const std::optional<PictureFormat> format = FormatOf(kind);
    if (!format) {
        loaded.result = 1;
        return loaded;
    }
    loaded.image = LoadPictureFile(TrimSpaces(rawPath), *format);
    if (!loaded.image) return loaded;
    loaded.jpeg = kind == PictureKind::Jpeg;
    loaded.result = 1;
    return loaded;
}

} // namespace hexmoor::preview
