// Size arithmetic of packed device-independent bitmaps (BITMAPINFOHEADER or
// BITMAPCOREHEADER, colour table, pixel rows). Pure and portable; all sizes
// are computed in 64 bits so that hostile headers cannot wrap them.
#pragma once

#include <cstdint>
#include <span>

#include "model/platform/types.h"

// biClrUsed when non-zero; else 1 << biBitCount for 8 bits or fewer, else 0.
// A 12-byte core header: 1 << bcBitCount (at most 8 bits), else 0.
std::uint64_t GetDibColorCount(const BITMAPINFOHEADER& header);
std::uint64_t GetDibColorCount(const BITMAPCOREHEADER& header);
// Colour-table bytes: colours * 4 (plus 12 for BI_BITFIELDS); for a core
// header colours * 3.
std::uint64_t GetDibColorTableSize(const BITMAPINFOHEADER& header);
std::uint64_t GetDibColorTableSize(const BITMAPCOREHEADER& header);
// Either header kind, told apart by its size field (12 for a core header).
std::uint64_t GetDibColorTableSize(const BITMAPINFOHEADER* header);
// (biClrUsed, or 1 << (planes * bits) when that is 8 or fewer, else 0) * 4,
// plus 12 for BI_BITFIELDS.
std::uint64_t GetDibTableBytes(const BITMAPINFOHEADER& header);
// Pixel bytes: DWORD-aligned rows times |height| for BI_RGB and BI_BITFIELDS,
// biSizeImage for RLE, 0 for other compressions.
std::uint64_t GetDibImageBytes(const BITMAPINFOHEADER& header);
// 40 + table bytes + pixel bytes.
std::uint64_t GetPackedDibBytes(const BITMAPINFOHEADER& header);

// Checks that data holds a complete packed DIB this model can turn into an
// image: an info header of 40 bytes or of a later version (52, 56, 108,
// 124), width and height non-zero and within 32767 in magnitude, planes 1,
// bit count 1/4/8/16/24/32, compression BI_RGB or BI_BITFIELDS, colour table
// and pixel rows present in full. Fills header and returns the offset of the
// pixel bits, or 0 when invalid.
std::size_t ValidatePackedDib(std::span<const std::uint8_t> data, BITMAPINFOHEADER* header);
