#pragma once
// A small picture (6 x 3, four colours) as packed DIBs written several ways:
// uncompressed with an info header (the twins), run-length encoded at 8 and
// 4 bits, and with the 12-byte core header of OS/2 bitmaps. Every way holds
// the same pixels: top row 1 1 1 2 2 3, then 0 1 2 3 0 1, then 3 3 3 3 3 3.
#include <cstdint>
#include <cstring>
#include <vector>

#include "model/platform/types.h"

namespace encoded_dibs {

inline BITMAPINFOHEADER InfoHeader(LONG width, LONG height, WORD bits, DWORD compression = BI_RGB,
                                   DWORD colorsUsed = 0) {
    BITMAPINFOHEADER h{};
    h.biSize = 40;
    h.biWidth = width;
    h.biHeight = height;
    h.biPlanes = 1;
    h.biBitCount = bits;
    h.biCompression = compression;
    h.biClrUsed = colorsUsed;
    return h;
}

// The header, a colour table (entry i: blue 10 i, green 20 + i, red 200 - i)
// of 4- or 3-byte entries, then the bits.
inline std::vector<std::uint8_t> Indexed(const BITMAPINFOHEADER& header, int entryBytes,
                                         const std::vector<std::uint8_t>& bits) {
    std::vector<std::uint8_t> out(40);
    std::memcpy(out.data(), &header, 40);
    const int colours = header.biClrUsed ? static_cast<int>(header.biClrUsed) : (1 << header.biBitCount);
    for (int i = 0; i < colours; ++i) {
        const std::uint8_t entry[4] = {static_cast<std::uint8_t>(10 * i), static_cast<std::uint8_t>(20 + i),
                                       static_cast<std::uint8_t>(200 - i), 0};
        out.insert(out.end(), entry, entry + entryBytes);
    }
    out.insert(out.end(), bits.begin(), bits.end());
    return out;
}

// A core header (unsigned 16-bit sizes, always bottom-up), a full table of
// three-byte entries, the rows.
inline std::vector<std::uint8_t> Core(WORD width, WORD height, WORD bits, const std::vector<std::uint8_t>& rows) {
    std::vector<std::uint8_t> out = Indexed(InfoHeader(width, height, bits), 3, rows);
    const std::uint8_t core[12] = {12,
                                   0,
                                   0,
                                   0,
                                   static_cast<std::uint8_t>(width),
                                   static_cast<std::uint8_t>(width >> 8),
                                   static_cast<std::uint8_t>(height),
                                   static_cast<std::uint8_t>(height >> 8),
                                   1,
                                   0,
                                   static_cast<std::uint8_t>(bits),
                                   0};
    out.erase(out.begin(), out.begin() + 40);
    out.insert(out.begin(), core, core + 12);
    return out;
}

// Uncompressed rows, bottom-up and four-byte aligned.
inline const std::vector<std::uint8_t> kRows8 = {3, 3, 3, 3, 3, 3, 0, 0, 0, 1, 2, 3,
                                                 0, 1, 0, 0, 1, 1, 1, 2, 2, 3, 0, 0};
inline const std::vector<std::uint8_t> kRows4 = {0x33, 0x33, 0x33, 0, 0x01, 0x23, 0x01, 0, 0x11, 0x12, 0x23, 0};
// Runs, a literal of six, an end of line per row and an end of bitmap.
inline const std::vector<std::uint8_t> kRle8 = {6, 3, 0, 0, 0, 6, 0, 1, 2, 3, 0, 1, 0, 0, 3, 1, 2, 2, 1, 3, 0, 0, 0, 1};
// At 4 bits a run's byte holds two alternating indexes; the literal of six
// nibbles takes three bytes and a padding byte.
inline const std::vector<std::uint8_t> kRle4 = {6, 0x33, 0,    0, 0,    6, 0x01, 0x23, 0x01, 0, 0,
                                                0, 3,    0x11, 2, 0x22, 1, 0x33, 0,    0,    0, 1};

inline std::vector<std::uint8_t> Twin8() { return Indexed(InfoHeader(6, 3, 8, BI_RGB, 4), 4, kRows8); }
inline std::vector<std::uint8_t> Rle8() {
    BITMAPINFOHEADER h = InfoHeader(6, 3, 8, BI_RLE8, 4);
    h.biSizeImage = static_cast<DWORD>(kRle8.size());
    return Indexed(h, 4, kRle8);
}
inline std::vector<std::uint8_t> Rle4() {
    BITMAPINFOHEADER h = InfoHeader(6, 3, 4, BI_RLE4, 4);
    h.biSizeImage = static_cast<DWORD>(kRle4.size());
    return Indexed(h, 4, kRle4);
}
// The core header's table is full (256 entries), as is its twin's.
inline std::vector<std::uint8_t> Core8() { return Core(6, 3, 8, kRows8); }
inline std::vector<std::uint8_t> CoreTwin8() { return Indexed(InfoHeader(6, 3, 8), 4, kRows8); }

// A packed DIB as a BMP file image (14-byte file header in front).
inline std::vector<std::uint8_t> BmpFile(const std::vector<std::uint8_t>& packed) {
    std::vector<std::uint8_t> out = {'B', 'M'};
    const std::uint32_t size = static_cast<std::uint32_t>(14 + packed.size());
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(size >> (8 * i)));
    out.insert(out.end(), {0, 0, 0, 0, 0, 0, 0, 0});
    out.insert(out.end(), packed.begin(), packed.end());
    return out;
}

} // namespace encoded_dibs
