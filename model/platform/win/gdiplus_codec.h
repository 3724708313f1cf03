// GDI+ image encoders by MIME type (Windows tree only).
#pragma once

#include <cstdint>
#include <span>

#include "model/platform/image.h"
#include "model/platform/types.h"

// Index of the first encoder whose MIME type equals the text exactly (case-
// sensitive), its CLSID in out; -1 when there is none.
int GetImageEncoderClsid(const wchar_t* mimeType, CLSID* out);

namespace hexmoor::platform {
// A GDI+ bitmap decoded from image bytes in memory (any format GDI+ reads,
// through a stream on a global memory block, never a file); null when the
// bytes do not decode to a non-empty image.
GdiplusBitmapHandle DecodeGdiplusImage(std::span<const std::uint8_t> data);
} // namespace hexmoor::platform
