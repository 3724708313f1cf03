#include "model/dib_sizes.h"

#include <cstdlib>
#include <cstring>

std::uint64_t GetDibColorCount(const BITMAPINFOHEADER& header) {
    if (header.biClrUsed) return header.biClrUsed;
    return header.biBitCount <= 8 ? (1ull << header.biBitCount) : 0;
}

std::uint64_t GetDibColorCount(const BITMAPCOREHEADER& header) {
    return header.bcBitCount <= 8 ? (1ull << header.bcBitCount) : 0;
}

std::uint64_t GetDibColorTableSize(const BITMAPINFOHEADER& header) {
    std::uint64_t bytes = GetDibColorCount(header) * 4;
    if (header.biCompression == BI_BITFIELDS) bytes += 12;
    return bytes;
}

std::uint64_t GetDibColorTableSize(const BITMAPCOREHEADER& header) { return GetDibColorCount(header) * 3; }

std::uint64_t GetDibColorTableSize(const BITMAPINFOHEADER* header) {
    if (!header) return 0;
    if (header->biSize == sizeof(BITMAPCOREHEADER)) {
        BITMAPCOREHEADER core;
        std::memcpy(&core, header, sizeof core);
        return GetDibColorTableSize(core);
    }
    return GetDibColorTableSize(*header);
}

std::uint64_t GetDibTableBytes(const BITMAPINFOHEADER& header) {
    std::uint64_t colors = header.biClrUsed;
    const std::uint64_t bits = static_cast<std::uint64_t>(header.biPlanes) * header.biBitCount;
    if (!colors && bits <= 8) colors = 1ull << bits;
    std::uint64_t bytes = colors * 4;
    if (header.biCompression == BI_BITFIELDS) bytes += 12;
    return bytes;
}

std::uint64_t GetDibImageBytes(const BITMAPINFOHEADER& header) {
    switch (header.biCompression) {
    case BI_RGB:
    case BI_BITFIELDS: {
        const std::uint64_t bits = static_cast<std::uint64_t>(header.biBitCount) * header.biPlanes *
                                   static_cast<std::uint64_t>(std::llabs(header.biWidth));
        const std::uint64_t rowBytes = ((bits + 31) >> 5) * 4;
        return rowBytes * static_cast<std::uint64_t>(std::llabs(header.biHeight));
    }
    case BI_RLE8:
    case BI_RLE4: return header.biSizeImage;
    default: return 0;
    }
}

std::uint64_t GetPackedDibBytes(const BITMAPINFOHEADER& header) {
    return 40 + GetDibTableBytes(header) + GetDibImageBytes(header);
}

std::size_t ValidatePackedDib(std::span<const std::uint8_t> data, BITMAPINFOHEADER* header) {
    if (!header || data.size() < sizeof(BITMAPINFOHEADER)) return 0;
    std::memcpy(header, data.data(), sizeof(BITMAPINFOHEADER));
    // The info header and its later versions (V2 52, V3 56, V4 108, V5 124
    // bytes); from V2 on the bit-field masks sit inside the header.
    switch (header->biSize) {
    case 40:
    case 52:
    case 56:
    case 108:
    case 124: break;
    default: return 0;
    }
    if (header->biSize > data.size()) return 0;
    if (header->biWidth <= 0 || header->biWidth > 32767) return 0;
    if (header->biHeight == 0 || header->biHeight > 32767 || header->biHeight < -32767) return 0;
    if (header->biPlanes != 1) return 0;
    switch (header->biBitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32: break;
    default: return 0;
    }
    if (header->biCompression != BI_RGB && header->biCompression != BI_BITFIELDS) return 0;
    if (header->biCompression == BI_BITFIELDS && header->biBitCount != 16 && header->biBitCount != 32) return 0;
    if (header->biBitCount <= 8 && header->biClrUsed > (1u << header->biBitCount)) return 0;
    if (header->biBitCount > 8 && header->biClrUsed > 256) return 0;
    // The masks of a BI_BITFIELDS header follow a 40-byte header and count in
    // the table; a larger header (V4, V5) holds them itself.
    std::uint64_t table = GetDibColorCount(*header) * 4;
    if (header->biBitCount > 8) table = static_cast<std::uint64_t>(header->biClrUsed) * 4;
    if (header->biCompression == BI_BITFIELDS && header->biSize == sizeof(BITMAPINFOHEADER)) table += 12;
    const std::uint64_t bitsOffset = header->biSize + table;
    const std::uint64_t needed = bitsOffset + GetDibImageBytes(*header);
    if (needed > data.size()) return 0;
    return static_cast<std::size_t>(bitsOffset);
}
