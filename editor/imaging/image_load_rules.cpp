#include "editor/imaging/image_load_rules.h"

namespace hexmoor::preview {

std::optional<Size> ReadPictureHeaderSize(std::span<const std::uint8_t> bytes, PictureKind kind) {
    const std::optional<PictureFormat> format = FormatOf(kind);
    if (!format) return std::nullopt;
    return hexmoor::ReadPictureHeaderSize(bytes, *format);
}

} // namespace hexmoor::preview
