// Decoding of packed DIBs into 32-bit pixels, without GDI: the skin file's
// fallback image blob and the native tree's BMP images go through here, so
// the checks on hostile headers are the same in both trees.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/platform/image.h"

// A packed DIB (info header, colour table, pixel rows) as top-down 32-bit
// pixels 0xAARRGGBB. Pixels of formats without alpha come out opaque; a
// 32-bit BI_RGB image keeps the alpha bytes it stores. False when the block
// is not a complete DIB of a supported format (see ValidatePackedDib).
bool DecodePackedDibPixels(std::span<const std::uint8_t> data, hexmoor::platform::ImagePixels* out);

// A BMP file image (14-byte file header, then a packed DIB).
bool DecodeBmpFilePixels(std::span<const std::uint8_t> data, hexmoor::platform::ImagePixels* out);

// Pixels as a BMP file image: 32 bits per pixel, BI_RGB, bottom-up rows.
std::vector<std::uint8_t> EncodeBmpFilePixels(const hexmoor::platform::ImagePixels& pixels);
