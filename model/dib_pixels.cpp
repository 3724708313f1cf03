#include "model/dib_pixels.h"

#include <cstring>

#include "model/dib_sizes.h"

namespace {

std::uint32_t ReadU32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

void WriteU32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

void WriteU16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

int MaskShift(std::uint32_t mask) {
    int shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

// Scales a masked channel to 8 bits.
std::uint32_t Channel(std::uint32_t value, std::uint32_t mask) {
    if (!mask) return 0;
    const int shift = MaskShift(mask);
    const std::uint32_t max = mask >> shift;
    return ((value & mask) >> shift) * 255u / max;
}

} // namespace

bool DecodePackedDibPixels(std::span<const std::uint8_t> data, hexmoor::platform::ImagePixels* out) {
    BITMAPINFOHEADER header;
    const std::size_t bitsOffset = ValidatePackedDib(data, &header);
    if (!bitsOffset || !out) return false;

    const int width = header.biWidth;
    const bool bottomUp = header.biHeight > 0;
    const int height = bottomUp ? header.biHeight : -header.biHeight;
    const int bits = header.biBitCount;
    const std::size_t rowBytes = ((static_cast<std::size_t>(bits) * width + 31) / 32) * 4;

    // Colour table (after the header) for 8 bits or fewer.
    const std::uint8_t* table = data.data() + header.biSize;
    const std::uint64_t colors = GetDibColorCount(header);

    std::uint32_t redMask = 0x7C00, greenMask = 0x03E0, blueMask = 0x001F;
    if (bits == 32) redMask = 0xFF0000, greenMask = 0x00FF00, blueMask = 0x0000FF;
    if (header.biCompression == BI_BITFIELDS) {
        const std::uint8_t* masks = data.data() + sizeof(BITMAPINFOHEADER);
        redMask = ReadU32(masks);
        greenMask = ReadU32(masks + 4);
        blueMask = ReadU32(masks + 8);
    }

    out->width = width;
    out->height = height;
    out->argb.assign(static_cast<std::size_t>(width) * height, 0);
    for (int y = 0; y < height; ++y) {
        const int sourceRow = bottomUp ? height - 1 - y : y;
        const std::uint8_t* row = data.data() + bitsOffset + rowBytes * sourceRow;
        std::uint32_t* target = out->argb.data() + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            std::uint32_t pixel = 0;
            if (bits <= 8) {
                const int perByte = 8 / bits;
                const std::uint8_t byte = row[x / perByte];
                const int shift = 8 - bits * (x % perByte + 1);
                const std::uint32_t index = (byte >> shift) & ((1u << bits) - 1);
                if (index < colors) {
                    const std::uint8_t* entry = table + 4 * index;
                    pixel = 0xFF000000u | (entry[2] << 16) | (entry[1] << 8) | entry[0];
                } else {
                    pixel = 0xFF000000u;
                }
            } else if (bits == 16) {
                const std::uint32_t value = row[2 * x] | (row[2 * x + 1] << 8);
                pixel = 0xFF000000u | (Channel(value, redMask) << 16) | (Channel(value, greenMask) << 8) |
                        Channel(value, blueMask);
            } else if (bits == 24) {
                const std::uint8_t* p = row + 3 * x;
                pixel = 0xFF000000u | (p[2] << 16) | (p[1] << 8) | p[0];
            } else {
                const std::uint32_t value = ReadU32(row + 4 * x);
                if (header.biCompression == BI_RGB) {
                    pixel = value;
                } else {
                    pixel = 0xFF000000u | (Channel(value, redMask) << 16) | (Channel(value, greenMask) << 8) |
                            Channel(value, blueMask);
                }
            }
            target[x] = pixel;
        }
    }
    return true;
}

bool DecodeBmpFilePixels(std::span<const std::uint8_t> data, hexmoor::platform::ImagePixels* out) {
    if (data.size() < 14 || data[0] != 'B' || data[1] != 'M') return false;
    return DecodePackedDibPixels(data.subspan(14), out);
}

std::vector<std::uint8_t> EncodeBmpFilePixels(const hexmoor::platform::ImagePixels& pixels) {
    const std::size_t count = static_cast<std::size_t>(pixels.width) * pixels.height;
    if (pixels.width <= 0 || pixels.height <= 0 || pixels.argb.size() != count) return {};
    const std::size_t imageBytes = count * 4;
    std::vector<std::uint8_t> out(14 + 40 + imageBytes, 0);
    out[0] = 'B';
    out[1] = 'M';
    WriteU32(&out[2], static_cast<std::uint32_t>(out.size()));
    WriteU32(&out[10], 54);
    WriteU32(&out[14], 40);
    WriteU32(&out[18], static_cast<std::uint32_t>(pixels.width));
    WriteU32(&out[22], static_cast<std::uint32_t>(pixels.height));
    WriteU16(&out[26], 1);
    WriteU16(&out[28], 32);
    WriteU32(&out[34], static_cast<std::uint32_t>(imageBytes));
    std::uint8_t* bits = out.data() + 54;
    for (int y = 0; y < pixels.height; ++y) {
        const std::uint32_t* row = pixels.argb.data() + static_cast<std::size_t>(pixels.height - 1 - y) * pixels.width;
        for (int x = 0; x < pixels.width; ++x)
            WriteU32(bits + (static_cast<std::size_t>(y) * pixels.width + x) * 4, row[x]);
    }
    return out;
}
