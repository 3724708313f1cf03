// Decoding of packed DIBs into 32-bit pixels, without GDI: the skin file's
// fallback image blob and the native tree's BMP images go through here, so
// the checks on hostile headers are the same in both trees.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/platform/image.h"

// What a packed DIB's header says, for checks made before anything is
// decoded: either header kind (a 12-byte core header or an info header of
// any version), height as a magnitude.
struct DibHeaderFacts {
    std::uint32_t headerSize = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
};
// False when the block is too short for its header or the header is of no
// known size.
bool ReadDibHeaderFacts(std::span<const std::uint8_t> data, DibHeaderFacts* out);

// A packed DIB (header, colour table, pixel rows) as top-down 32-bit pixels
// 0xAARRGGBB. Besides the formats ValidatePackedDib accepts, it decodes run-
// length encoded rows (BI_RLE8 at 8 bits, BI_RLE4 at 4 bits, bottom-up) and
// the 12-byte core header of OS/2 bitmaps (1, 4, 8 or 24 bits, three-byte
// colour table). Pixels of formats without alpha come out opaque; a 32-bit
// BI_RGB image keeps the alpha bytes it stores. Runs never write outside the
// image: pixels past a row's right end are dropped, as the system drops
// them (writers pad rows with them); runs or jumps that reach past the last
// row, or runs cut short by the end of the data, make the block damaged.
// Pixels the runs skip (by a jump or an early end of line or bitmap) take
// colour 0 of the table. False when the block is not a complete DIB of a
// supported format.
bool DecodePackedDibPixels(std::span<const std::uint8_t> data, hexmoor::platform::ImagePixels* out);

// A BMP file image (14-byte file header, then a packed DIB).
bool DecodeBmpFilePixels(std::span<const std::uint8_t> data, hexmoor::platform::ImagePixels* out);

// Pixels as a BMP file image: 32 bits per pixel, BI_RGB, bottom-up rows.
std::vector<std::uint8_t> EncodeBmpFilePixels(const hexmoor::platform::ImagePixels& pixels);
