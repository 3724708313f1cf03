#pragma once
// The "MARGIN_BITMAP" clipboard block: an image with its six drawing
// parameters. Little-endian; bytes 4..27 hold the top, left, right and
// bottom margins, DrawMode and MrgDrawMode; a BITMAPINFOHEADER at 44; the
// colour table at 84; then the pixel rows as GetDIBits gives them.

#include <cstddef>
#include <optional>
#include <vector>

#include "model/mrg_bitmap.h"
#include "model/platform/types.h"

namespace hexmoor::links {

inline constexpr size_t kMarginBlockParamsOffset = 4;
inline constexpr size_t kMarginBlockHeaderOffset = 44;
inline constexpr size_t kMarginBlockTableOffset = 84;
// Largest width or height a pasted block may claim.
inline constexpr LONG kMarginBlockMaxSide = 32768;

// Builds a block from the parameters, the header, the colour table (4 bytes
// per entry, biClrUsed entries or 2^bits below 24 bits) and the pixels
// (header.biSizeImage bytes). Bytes not interpreted are 0.
std::vector<BYTE> EncodeMarginBlock(const MrgBitmapParams& params, const BITMAPINFOHEADER& header,
                                    const BYTE* colorTable, size_t colorTableBytes, const BYTE* pixels);

// A block read back: where the pieces lie inside the caller's bytes.
struct MarginBlock {
    MrgBitmapParams params;
    BITMAPINFOHEADER header{};
    size_t colorTableBytes = 0;
    size_t pixelsOffset = 0;
};

// The colour-table bytes a header implies: biClrUsed entries, or 2^bits when
// that is 0 and bits are below 24; none from 24 bits up.
size_t MarginBlockColorTableBytes(const BITMAPINFOHEADER& header);

// Reads and checks a block: at least 84 + colour table + biSizeImage bytes,
// biSize 40, one plane, 1..32 bits of a known depth, BI_RGB, width and height
// positive (a top-down height is taken as its size) up to 32768, and
// biSizeImage equal to the DWORD-aligned row bytes times the height. Nothing
// otherwise.
std::optional<MarginBlock> DecodeMarginBlock(const BYTE* data, size_t size);

} // namespace hexmoor::links
