// The margin-bitmap clipboard block: what is written reads back, and a block
// that lies about itself is refused before anything is read from it.
#include <gtest/gtest.h>

#include <cstring>

#include "editor/links/margin_block.h"

using namespace hexmoor::links;

namespace {

BITMAPINFOHEADER Header(LONG width, LONG height, WORD bits) {
    BITMAPINFOHEADER h{};
    h.biSize = 40;
    h.biWidth = width;
    h.biHeight = height;
    h.biPlanes = 1;
    h.biBitCount = bits;
    h.biCompression = 0;
    const DWORD stride = ((static_cast<DWORD>(width) * bits + 31) / 32) * 4;
    h.biSizeImage = stride * static_cast<DWORD>(height < 0 ? -height : height);
    h.biClrUsed = bits < 24 ? (1u << bits) : 0;
    return h;
}

std::vector<BYTE> Block(const BITMAPINFOHEADER& h) {
    std::vector<BYTE> table(h.biBitCount < 24 ? (size_t{1} << h.biBitCount) * 4 : 0, 0x11);
    std::vector<BYTE> pixels(h.biSizeImage, 0x22);
    return EncodeMarginBlock(MrgBitmapParams{1, 2, 3, 4, 1, 1}, h, table.data(), table.size(), pixels.data());
}

void Poke(std::vector<BYTE>& block, size_t headerField, const void* value, size_t size) {
    std::memcpy(block.data() + kMarginBlockHeaderOffset + headerField, value, size);
}

} // namespace

TEST(MarginBlock, RoundTripsParametersAndPixels) {
    const BITMAPINFOHEADER h = Header(3, 2, 32);
    std::vector<BYTE> block = Block(h);
    ASSERT_EQ(block.size(), 84u + 4 * 3 * 2);
    const auto read = DecodeMarginBlock(block.data(), block.size());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->params, (MrgBitmapParams{1, 2, 3, 4, 1, 1}));
    EXPECT_EQ(read->pixelsOffset, 84u);
    EXPECT_EQ(read->header.biWidth, 3);
    // Stored order: top at 4, left at 8.
    EXPECT_EQ(block[4], 2);
    EXPECT_EQ(block[8], 1);
    const auto paletted = DecodeMarginBlock(Block(Header(5, 5, 8)).data(), Block(Header(5, 5, 8)).size());
    ASSERT_TRUE(paletted);
    EXPECT_EQ(paletted->pixelsOffset, 84u + 1024);
    std::vector<BYTE> topDown = Block(Header(4, -4, 32));
    EXPECT_TRUE(DecodeMarginBlock(topDown.data(), topDown.size()));
}

TEST(MarginBlock, RefusesBlocksThatLie) {
    const std::vector<BYTE> good = Block(Header(4, 4, 32));
    EXPECT_FALSE(DecodeMarginBlock(nullptr, 0));
    EXPECT_FALSE(DecodeMarginBlock(good.data(), 60));              // shorter than the header
    EXPECT_FALSE(DecodeMarginBlock(good.data(), good.size() - 1)); // pixels cut
    struct Lie {
        const char* what;
        size_t field;
        DWORD value;
        size_t size;
    } lies[] = {
        {"core header size", 0, 12, 4}, {"7 bits", 14, 7, 2},
        {"two planes", 12, 2, 2},       {"run-length compression", 16, 1, 4},
        {"zero width", 4, 0, 4},        {"huge height", 8, 0x7FFFFFFF, 4},
        {"lying pixel size", 20, 4, 4}, {"pixel size beyond the block", 20, 0x7FFFFFF0, 4},
    };
    for (const Lie& lie : lies) {
        std::vector<BYTE> block = good;
        Poke(block, lie.field, &lie.value, lie.size);
        EXPECT_FALSE(DecodeMarginBlock(block.data(), block.size())) << lie.what;
    }
    // A palette claiming more entries than its depth has.
    std::vector<BYTE> paletted = Block(Header(4, 4, 1));
    const DWORD many = 1000;
    Poke(paletted, 32, &many, 4);
    EXPECT_FALSE(DecodeMarginBlock(paletted.data(), paletted.size()));
}
