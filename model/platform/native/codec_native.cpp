// Native image streams: BMP through the portable DIB code, PNG through a
// small codec of our own over zlib (8-bit and low-depth grey, palette, RGB
// and RGBA, not interlaced), enough for native tests and fuzzing of the
// skin-file reader. The Windows tree uses GDI+.
#include <zlib.h>

#include <array>
#include <cstring>

#include "model/dib_pixels.h"
#include "model/platform/image.h"
#include "model/platform/native/records.h"

namespace hexmoor::platform {

namespace {

constexpr std::array<std::uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr std::uint64_t kMaxPixels = 1ull << 24;

std::uint32_t BigU32(const std::uint8_t* p) {
    return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
           (static_cast<std::uint32_t>(p[2]) << 8) | p[3];
}

void PutBigU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 3; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void PutChunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data) {
    PutBigU32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(0, out.data() + start, static_cast<uInt>(out.size() - start));
    PutBigU32(out, static_cast<std::uint32_t>(crc));
}

int Paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = p > a ? p - a : a - p;
    const int pb = p > b ? p - b : b - p;
    const int pc = p > c ? p - c : c - p;
    if (pa <= pb && pa <= pc) return a;
    return pb <= pc ? b : c;
}

bool DecodePng(std::span<const std::uint8_t> data, ImagePixels* out) {
    if (data.size() < 8 || std::memcmp(data.data(), kPngSignature.data(), 8) != 0) return false;
    std::size_t pos = 8;
    std::uint32_t width = 0, height = 0;
    int depth = 0, colorType = -1;
    std::vector<std::uint8_t> palette, transparency, compressed;
    bool haveHeader = false;
    while (pos + 12 <= data.size()) {
        const std::uint32_t length = BigU32(data.data() + pos);
        if (length > data.size() - pos - 12) return false;
        const std::uint8_t* type = data.data() + pos + 4;
        const std::uint8_t* body = type + 4;
        if (std::memcmp(type, "IHDR", 4) == 0) {
            if (length != 13) return false;
            width = BigU32(body);
            height = BigU32(body + 4);
            depth = body[8];
            colorType = body[9];
            if (body[10] != 0 || body[11] != 0 || body[12] != 0) return false; // no interlace
            haveHeader = true;
        } else if (std::memcmp(type, "PLTE", 4) == 0) {
            palette.assign(body, body + length);
        } else if (std::memcmp(type, "tRNS", 4) == 0) {
            transparency.assign(body, body + length);
        } else if (std::memcmp(type, "IDAT", 4) == 0) {
            compressed.insert(compressed.end(), body, body + length);
        } else if (std::memcmp(type, "IEND", 4) == 0) {
            break;
        }
        pos += 12 + static_cast<std::size_t>(length);
    }
    if (!haveHeader || width == 0 || height == 0) return false;
    if (static_cast<std::uint64_t>(width) * height > kMaxPixels) return false;
    int channels = 0;
    switch (colorType) {
    case 0: channels = 1; break;
    case 2: channels = 3; break;
    case 3: channels = 1; break;
    case 4: channels = 2; break;
    case 6: channels = 4; break;
    default: return false;
    }
    const bool lowDepth = (colorType == 0 || colorType == 3) && (depth == 1 || depth == 2 || depth == 4);
    if (depth != 8 && !lowDepth) return false;
    const std::uint64_t bitsPerPixel = static_cast<std::uint64_t>(channels) * depth;
    const std::uint64_t rowBytes = (bitsPerPixel * width + 7) / 8;
    const std::uint64_t rawSize = (rowBytes + 1) * height;
    std::vector<std::uint8_t> raw(static_cast<std::size_t>(rawSize));
    uLongf rawLength = static_cast<uLongf>(rawSize);
    if (uncompress(raw.data(), &rawLength, compressed.data(), static_cast<uLong>(compressed.size())) != Z_OK ||
        rawLength != rawSize) {
        return false;
    }
    const std::size_t bpp = static_cast<std::size_t>(std::max<std::uint64_t>(1, bitsPerPixel / 8));
    std::vector<std::uint8_t> previous(static_cast<std::size_t>(rowBytes), 0);
    out->width = static_cast<int>(width);
    out->height = static_cast<int>(height);
    out->argb.assign(static_cast<std::size_t>(width) * height, 0);
    for (std::uint32_t y = 0; y < height; ++y) {
        std::uint8_t* row = raw.data() + y * (rowBytes + 1);
        const int filter = row[0];
        std::uint8_t* line = row + 1;
        for (std::size_t i = 0; i < rowBytes; ++i) {
            const int a = i >= bpp ? line[i - bpp] : 0;
            const int b = previous[i];
            const int c = i >= bpp ? previous[i - bpp] : 0;
            switch (filter) {
            case 0: break;
            case 1: line[i] = static_cast<std::uint8_t>(line[i] + a); break;
            case 2: line[i] = static_cast<std::uint8_t>(line[i] + b); break;
            case 3: line[i] = static_cast<std::uint8_t>(line[i] + (a + b) / 2); break;
            case 4: line[i] = static_cast<std::uint8_t>(line[i] + Paeth(a, b, c)); break;
            default: return false;
            }
        }
        std::memcpy(previous.data(), line, static_cast<std::size_t>(rowBytes));
        std::uint32_t* target = out->argb.data() + static_cast<std::size_t>(y) * width;
        for (std::uint32_t x = 0; x < width; ++x) {
            std::uint32_t r = 0, g = 0, b = 0, alpha = 255;
            if (depth == 8) {
                const std::uint8_t* p = line + x * channels;
                switch (colorType) {
                case 0: r = g = b = p[0]; break;
                case 2: r = p[0], g = p[1], b = p[2]; break;
                case 3:
                    if (3u * p[0] + 2 >= palette.size()) return false;
                    r = palette[3 * p[0]], g = palette[3 * p[0] + 1], b = palette[3 * p[0] + 2];
                    if (p[0] < transparency.size()) alpha = transparency[p[0]];
                    break;
                case 4: r = g = b = p[0], alpha = p[1]; break;
                case 6: r = p[0], g = p[1], b = p[2], alpha = p[3]; break;
                }
            } else {
                const std::uint64_t bit = static_cast<std::uint64_t>(x) * depth;
                const int value = (line[bit / 8] >> (8 - depth - bit % 8)) & ((1 << depth) - 1);
                if (colorType == 3) {
                    if (3u * value + 2 >= palette.size()) return false;
                    r = palette[3 * value], g = palette[3 * value + 1], b = palette[3 * value + 2];
                    if (static_cast<std::size_t>(value) < transparency.size()) alpha = transparency[value];
                } else {
                    r = g = b = static_cast<std::uint32_t>(value * 255 / ((1 << depth) - 1));
                }
            }
            target[x] = (alpha << 24) | (r << 16) | (g << 8) | b;
        }
    }
    return true;
}

std::vector<std::uint8_t> EncodePngPixels(const ImagePixels& pixels) {
    const std::size_t rowBytes = static_cast<std::size_t>(pixels.width) * 4 + 1;
    std::vector<std::uint8_t> raw(rowBytes * pixels.height);
    for (int y = 0; y < pixels.height; ++y) {
        std::uint8_t* row = raw.data() + rowBytes * y;
        row[0] = 0;
        for (int x = 0; x < pixels.width; ++x) {
            const std::uint32_t p = pixels.argb[static_cast<std::size_t>(y) * pixels.width + x];
            row[1 + 4 * x] = static_cast<std::uint8_t>(p >> 16);
            row[2 + 4 * x] = static_cast<std::uint8_t>(p >> 8);
            row[3 + 4 * x] = static_cast<std::uint8_t>(p);
            row[4 + 4 * x] = static_cast<std::uint8_t>(p >> 24);
        }
    }
    uLongf packedLength = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> packed(packedLength);
    if (compress2(packed.data(), &packedLength, raw.data(), static_cast<uLong>(raw.size()), 6) != Z_OK) return {};
    packed.resize(packedLength);

    std::vector<std::uint8_t> out(kPngSignature.begin(), kPngSignature.end());
    std::vector<std::uint8_t> header;
    PutBigU32(header, static_cast<std::uint32_t>(pixels.width));
    PutBigU32(header, static_cast<std::uint32_t>(pixels.height));
    header.insert(header.end(), {8, 6, 0, 0, 0});
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", packed);
    PutChunk(out, "IEND", {});
    return out;
}

} // namespace

bool EncodePng(Gdiplus::Bitmap* bitmap, std::vector<std::uint8_t>* out) {
    if (!bitmap || !out || bitmap->pixels.argb.empty()) return false;
    *out = EncodePngPixels(bitmap->pixels);
    return !out->empty();
}

bool EncodeBmp(HBITMAP bitmap, std::vector<std::uint8_t>* out) {
    if (!bitmap || !out) return false;
    *out = EncodeBmpFilePixels(bitmap->pixels);
    return !out->empty();
}

GdiplusBitmapHandle DecodeGdiplusImage(std::span<const std::uint8_t> data) {
    ImagePixels pixels;
    if (!DecodePng(data, &pixels) || pixels.argb.empty()) return nullptr;
    return CreateGdiplusBitmapFromPixels(pixels);
}

DecodedImage DecodeImageStream(std::span<const std::uint8_t> data) {
    DecodedImage result;
    ImagePixels pixels;
    if (DecodePng(data, &pixels)) {
        result.png = CreateGdiplusBitmapFromPixels(pixels);
    } else if (DecodeBmpFilePixels(data, &pixels)) {
        // BMP data carries no alpha: its pixels come out opaque, as GDI+ reads them.
        for (std::uint32_t& p : pixels.argb) p |= 0xFF000000u;
        result.bitmap = CreateBitmapFromPixels(pixels);
    }
    return result;
}

} // namespace hexmoor::platform
