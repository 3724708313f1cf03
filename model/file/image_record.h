// One record of an element's image map in the skin file: an encoded image
// (PNG or BMP file image, or a packed DIB) or a 4-byte plain value, with the
// six parameters, optionally zlib-compressed.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "model/file/archive_reader.h"
#include "model/file/archive_writer.h"
#include "model/mrg_bitmap.h"
#include "model/platform/types.h"

class CTwfObj;

// The largest inflated size accepted for one record.
inline constexpr std::uint64_t kMaxInflatedBytes = std::uint64_t{256} << 20;
// The most all compressed records of one file may inflate to together.
inline constexpr std::uint64_t kMaxInflatedTotal = std::uint64_t{1} << 30;
// zlib never expands data by more than this factor.
inline constexpr std::uint64_t kMaxDeflateRatio = 1032;
// Images whose header claims more pixels are not decoded.
inline constexpr std::uint64_t kMaxImagePixels = std::uint64_t{64} << 20;

// Reads one image record into the element: a plain value through SetValue,
// a PNG through PutImage as a GDI+ image, any other image through
// SetImageFromSource; a block that decodes in no form is dropped. Raises
// TwfError 2 when a size cannot be true.
void ReadImageRecord(ArchiveReader& reader, CTwfObj& element, WORD version);

// The bytes to store for one entry and whether they are compressed.
struct EncodedImage {
    bool compressed = false;
    std::uint32_t originalSize = 0;
    std::vector<std::uint8_t> data;
};

// Encodes one entry for writing: a plain value as its 4 bytes, a GDI+ image
// as PNG, a bitmap as BMP (compressed when `compress` and the compressed
// form is smaller). Empty optional when the entry holds nothing storable or
// encoding fails.
std::optional<EncodedImage> EncodeImageEntry(const CMrgBitmap& entry, bool compress);

// zlib level 9 into a destination of n + n/1000 + 13 bytes; the compressed
// bytes only when they are fewer than the input.
std::optional<std::vector<std::uint8_t>> CompressIfSmaller(std::span<const std::uint8_t> data);

// Writes one record at the current (768) layout.
void WriteImageRecord(ArchiveWriter& writer, WORD id, const EncodedImage& image, const MrgBitmapParams& params);

// True when the header of a PNG or BMP stream claims a size the model will
// decode (not more than kMaxImagePixels, no side above 32767).
bool ImageSizePlausible(std::span<const std::uint8_t> data);
