#include "editor/links/margin_block.h"

#include <cstring>

#include "model/dib_sizes.h"

namespace hexmoor::links {
namespace {

void PutU32(std::vector<BYTE>& out, size_t at, DWORD value) {
    for (int i = 0; i < 4; ++i) out[at + static_cast<size_t>(i)] = static_cast<BYTE>(value >> (8 * i));
}

DWORD GetU32(const BYTE* data, size_t at) {
    return static_cast<DWORD>(data[at]) | static_cast<DWORD>(data[at + 1]) << 8 |
           static_cast<DWORD>(data[at + 2]) << 16 | static_cast<DWORD>(data[at + 3]) << 24;
}

constexpr DWORD kBiRgb = 0;

} // namespace

size_t MarginBlockColorTableBytes(const BITMAPINFOHEADER& header) {
    return static_cast<size_t>(GetDibColorTableSize(header));
}

std::vector<BYTE> EncodeMarginBlock(const MrgBitmapParams& params, const BITMAPINFOHEADER& header,
                                    const BYTE* colorTable, size_t colorTableBytes, const BYTE* pixels) {
    std::vector<BYTE> out(kMarginBlockTableOffset + colorTableBytes + header.biSizeImage, 0);
    PutU32(out, 4, static_cast<DWORD>(params.top));
    PutU32(out, 8, static_cast<DWORD>(params.left));
    PutU32(out, 12, static_cast<DWORD>(params.right));
    PutU32(out, 16, static_cast<DWORD>(params.bottom));
    PutU32(out, 20, static_cast<DWORD>(params.drawMode));
    PutU32(out, 24, static_cast<DWORD>(params.mrgDrawMode));
    std::memcpy(out.data() + kMarginBlockHeaderOffset, &header, sizeof(header));
    if (colorTableBytes && colorTable) std::memcpy(out.data() + kMarginBlockTableOffset, colorTable, colorTableBytes);
    if (header.biSizeImage && pixels)
        std::memcpy(out.data() + kMarginBlockTableOffset + colorTableBytes, pixels, header.biSizeImage);
    return out;
}

std::optional<MarginBlock> DecodeMarginBlock(const BYTE* data, size_t size) {
    if (!data || size < kMarginBlockTableOffset) return std::nullopt;
    MarginBlock block;
    std::memcpy(&block.header, data + kMarginBlockHeaderOffset, sizeof(block.header));
    const BITMAPINFOHEADER& h = block.header;
    if (h.biSize != sizeof(BITMAPINFOHEADER) || h.biPlanes != 1 || h.biCompression != kBiRgb) return std::nullopt;
    switch (h.biBitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32: break;
    default: return std::nullopt;
    }
    const long long height = h.biHeight < 0 ? -static_cast<long long>(h.biHeight) : h.biHeight;
    if (h.biWidth <= 0 || height <= 0 || h.biWidth > kMarginBlockMaxSide || height > kMarginBlockMaxSide)
        return std::nullopt;
    if (h.biBitCount < 24 && h.biClrUsed > (DWORD{1} << h.biBitCount)) return std::nullopt;
    if (static_cast<std::uint64_t>(h.biSizeImage) != GetDibImageBytes(h)) return std::nullopt;
    const std::uint64_t table = GetDibColorTableSize(h);
    if (static_cast<std::uint64_t>(size) < kMarginBlockTableOffset + table + h.biSizeImage) return std::nullopt;
    block.colorTableBytes = static_cast<size_t>(table);
    block.pixelsOffset = kMarginBlockTableOffset + block.colorTableBytes;
    block.params.top = static_cast<int>(GetU32(data, 4));
    block.params.left = static_cast<int>(GetU32(data, 8));
    block.params.right = static_cast<int>(GetU32(data, 12));
    block.params.bottom = static_cast<int>(GetU32(data, 16));
    block.params.drawMode = static_cast<int>(GetU32(data, 20));
    block.params.mrgDrawMode = static_cast<int>(GetU32(data, 24));
    return block;
}

} // namespace hexmoor::links
