#include "model/dib_pixels.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "model/dib_sizes.h"
#include "model/picture_file.h"

namespace {

std::uint16_t ReadU16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

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

bool ReadDibHeaderFacts(std::span<const std::uint8_t> data, DibHeaderFacts* out) {
    if (!out || data.size() < 4) return false;
    const std::uint32_t size = ReadU32(data.data());
    if (size == sizeof(BITMAPCOREHEADER)) {
        if (data.size() < sizeof(BITMAPCOREHEADER)) return false;
        out->headerSize = size;
        out->width = ReadU16(&data[4]);
        out->height = ReadU16(&data[6]);
        out->topDown = false;
        out->bitCount = ReadU16(&data[10]);
        out->compression = BI_RGB;
        out->colorsUsed = 0;
        return true;
    }
    if (size < sizeof(BITMAPINFOHEADER) || data.size() < sizeof(BITMAPINFOHEADER)) return false;
    out->headerSize = size;
    out->width = static_cast<std::int32_t>(ReadU32(&data[4]));
    const std::int64_t height = static_cast<std::int32_t>(ReadU32(&data[8]));
    out->height = height < 0 ? -height : height;
    out->topDown = height < 0;
    out->bitCount = ReadU16(&data[14]);
    out->compression = ReadU32(&data[16]);
    out->colorsUsed = ReadU32(&data[32]);
    return true;
}

namespace {

// Where the colours of indexed pixels come from: 4-byte entries (info
// headers) or 3-byte entries (core headers), blue first.
struct ColorTable {
    const std::uint8_t* entries = nullptr;
    std::uint64_t count = 0;
    int entryBytes = 4;

    std::uint32_t operator[](std::uint32_t index) const {
        if (index >= count) return 0xFF000000u;
        const std::uint8_t* e = entries + static_cast<std::size_t>(entryBytes) * index;
        return 0xFF000000u | (e[2] << 16) | (e[1] << 8) | e[0];
    }
};

void Resize(hexmoor::platform::ImagePixels* out, int width, int height) {
    out->width = width;
    out->height = height;
    out->argb.assign(static_cast<std::size_t>(width) * height, 0);
}

// Uncompressed rows (DWORD-aligned) of any depth into out, which is sized.
void DecodeRows(const std::uint8_t* bits, bool bottomUp, int depth, const ColorTable& table, std::uint32_t compression,
                const std::uint32_t masks[3], hexmoor::platform::ImagePixels* out) {
    const int width = out->width, height = out->height;
    const std::size_t rowBytes = ((static_cast<std::size_t>(depth) * width + 31) / 32) * 4;
    for (int y = 0; y < height; ++y) {
        const int sourceRow = bottomUp ? height - 1 - y : y;
        const std::uint8_t* row = bits + rowBytes * sourceRow;
        std::uint32_t* target = out->argb.data() + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            std::uint32_t pixel = 0;
            if (depth <= 8) {
                const int perByte = 8 / depth;
                const std::uint8_t byte = row[x / perByte];
                const int shift = 8 - depth * (x % perByte + 1);
                pixel = table[(byte >> shift) & ((1u << depth) - 1)];
            } else if (depth == 16) {
                const std::uint32_t value = row[2 * x] | (row[2 * x + 1] << 8);
                pixel = 0xFF000000u | (Channel(value, masks[0]) << 16) | (Channel(value, masks[1]) << 8) |
                        Channel(value, masks[2]);
            } else if (depth == 24) {
                const std::uint8_t* p = row + 3 * x;
                pixel = 0xFF000000u | (p[2] << 16) | (p[1] << 8) | p[0];
            } else {
                const std::uint32_t value = ReadU32(row + 4 * x);
                if (compression == BI_RGB) {
                    pixel = value;
                } else {
                    pixel = 0xFF000000u | (Channel(value, masks[0]) << 16) | (Channel(value, masks[1]) << 8) |
                            Channel(value, masks[2]);
                }
            }
            target[x] = pixel;
        }
    }
}

// A 12-byte core header: unsigned 16-bit sizes, always bottom-up, 1, 4, 8 or
// 24 bits, a full table of three-byte entries below 24 bits.
bool DecodeCore(std::span<const std::uint8_t> data, const DibHeaderFacts& facts, hexmoor::platform::ImagePixels* out) {
    if (ReadU16(&data[8]) != 1) return false; // planes
    const int depth = facts.bitCount;
    if (depth != 1 && depth != 4 && depth != 8 && depth != 24) return false;
    if (facts.width < 1 || facts.width > 32767 || facts.height < 1 || facts.height > 32767) return false;
    const std::uint64_t colors = depth <= 8 ? (1ull << depth) : 0;
    const std::uint64_t bitsOffset = sizeof(BITMAPCOREHEADER) + colors * 3;
    const std::uint64_t rowBytes = ((static_cast<std::uint64_t>(depth) * facts.width + 31) / 32) * 4;
    if (bitsOffset + rowBytes * static_cast<std::uint64_t>(facts.height) > data.size()) return false;
    Resize(out, static_cast<int>(facts.width), static_cast<int>(facts.height));
    const ColorTable table{data.data() + sizeof(BITMAPCOREHEADER), colors, 3};
    const std::uint32_t masks[3] = {0, 0, 0};
    DecodeRows(data.data() + bitsOffset, true, depth, table, BI_RGB, masks, out);
    return true;
}

// Run-length encoded rows, bottom-up: pairs of a count and a colour index
// (two alternating indexes in a byte at 4 bits), or a zero count and an
// escape: 0 end of line, 1 end of bitmap, 2 a jump right and up, 3 or more a
// literal run of that many indexes padded to a 16-bit boundary. Data that
// ends between two pairs ends the bitmap as an end-of-bitmap mark would.
bool DecodeRle(std::span<const std::uint8_t> data, const DibHeaderFacts& facts, hexmoor::platform::ImagePixels* out) {
    const bool four = facts.compression == BI_RLE4;
    if (facts.bitCount != (four ? 4 : 8) || ReadU16(&data[12]) != 1 || facts.topDown) return false;
    switch (facts.headerSize) {
    case 40:
    case 52:
    case 56:
    case 108:
    case 124: break;
    default: return false;
    }
    // A few bytes of runs can declare any size (jumps and an early end leave
    // the rest at colour 0): the picture caps bound what they may cost.
    if (!hexmoor::IsPictureSizeAllowed(facts.width, facts.height)) return false;
    if (facts.colorsUsed > (1u << facts.bitCount)) return false;
    const std::uint64_t colors = facts.colorsUsed ? facts.colorsUsed : (1ull << facts.bitCount);
    const std::uint64_t bitsOffset = facts.headerSize + colors * 4;
    if (bitsOffset > data.size()) return false;
    std::span<const std::uint8_t> runs = data.subspan(static_cast<std::size_t>(bitsOffset));
    const std::uint32_t declared = ReadU32(&data[20]); // biSizeImage; 0 lets the runs take the rest
    if (declared > runs.size()) return false;
    if (declared) runs = runs.first(declared);

    const std::int64_t width = facts.width, height = facts.height;
    std::vector<std::uint8_t> indexes(static_cast<std::size_t>(width * height), 0);
    std::int64_t x = 0, y = 0; // y counts rows from the bottom
    // Pixels past the row's right end are dropped (writers pad rows to their
    // stored width with them, and the system's own decoder drops them too);
    // a pixel above the last row means the runs go past the image.
    const auto put = [&](std::int64_t count, auto indexAt) {
        if (y >= height) return false;
        std::uint8_t* row = indexes.data() + static_cast<std::size_t>((height - 1 - y) * width);
        for (std::int64_t k = 0; k < count && x + k < width; ++k) row[x + k] = indexAt(k);
        x += count;
        return true;
    };
    std::size_t i = 0;
    bool ended = false;
    while (!ended && i + 2 <= runs.size()) {
        const std::uint8_t count = runs[i], value = runs[i + 1];
        i += 2;
        if (count > 0) {
            const bool ok =
                four ? put(count, [&](std::int64_t k) { return std::uint8_t(k % 2 ? value & 15 : value >> 4); })
                     : put(count, [&](std::int64_t) { return value; });
            if (!ok) return false;
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            ended = true;
        } else if (value == 2) {
            if (i + 2 > runs.size()) return false;
            x += runs[i];
            y += runs[i + 1];
            i += 2;
            if (y > height) return false;
        } else {
            const std::size_t bytes = four ? (value + 1u) / 2 : value;
            if (i + bytes > runs.size()) return false;
            const std::uint8_t* literal = runs.data() + i;
            const bool ok = four ? put(value,
                                       [&](std::int64_t k) {
                                           return std::uint8_t(k % 2 ? literal[k / 2] & 15 : literal[k / 2] >> 4);
                                       })
                                 : put(value, [&](std::int64_t k) { return literal[k]; });
            if (!ok) return false;
            // The padding byte of the last literal may be missing.
            i = std::min(i + ((bytes + 1) & ~std::size_t{1}), runs.size());
        }
    }
    if (!ended && i != runs.size()) return false; // a pair cut in half

    Resize(out, static_cast<int>(width), static_cast<int>(height));
    const ColorTable table{data.data() + facts.headerSize, colors, 4};
    for (std::size_t p = 0; p < indexes.size(); ++p) out->argb[p] = table[indexes[p]];
    return true;
}

} // namespace

bool DecodePackedDibPixels(std::span<const std::uint8_t> data, hexmoor::platform::ImagePixels* out) {
    DibHeaderFacts facts;
    if (!out || !ReadDibHeaderFacts(data, &facts)) return false;
    if (facts.headerSize == sizeof(BITMAPCOREHEADER)) return DecodeCore(data, facts, out);
    if (facts.compression == BI_RLE8 || facts.compression == BI_RLE4) return DecodeRle(data, facts, out);

    BITMAPINFOHEADER header;
    const std::size_t bitsOffset = ValidatePackedDib(data, &header);
    if (!bitsOffset) return false;
    std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
    if (header.biBitCount == 32) masks[0] = 0xFF0000, masks[1] = 0x00FF00, masks[2] = 0x0000FF;
    if (header.biCompression == BI_BITFIELDS) {
        const std::uint8_t* stored = data.data() + sizeof(BITMAPINFOHEADER);
        for (int i = 0; i < 3; ++i) masks[i] = ReadU32(stored + 4 * i);
    }
    Resize(out, header.biWidth, header.biHeight > 0 ? header.biHeight : -header.biHeight);
    const ColorTable table{data.data() + header.biSize, GetDibColorCount(header), 4};
    DecodeRows(data.data() + bitsOffset, header.biHeight > 0, header.biBitCount, table, header.biCompression, masks,
               out);
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
