#include <gtest/gtest.h>

#include <cstring>

#include "model/dib_pixels.h"
#include "model/dib_sizes.h"
#include "tests/model/encoded_dibs.h"

namespace {

// The headers of the tests: an info header of 40 bytes.
BITMAPINFOHEADER Header(LONG width, LONG height, WORD bits, DWORD compression = BI_RGB, DWORD colorsUsed = 0) {
    return encoded_dibs::InfoHeader(width, height, bits, compression, colorsUsed);
}

TEST(DibSizes, ColourCountsAndTables) {
    struct Case {
        BITMAPINFOHEADER header;
        std::uint64_t colors, tableSize, tableBytes, imageBytes;
    };
    const Case cases[] = {
        {Header(8, 2, 1), 2, 8, 8, 8},
        {Header(3, 3, 4), 16, 64, 64, 12},
        {Header(5, 1, 8, BI_RGB, 20), 20, 80, 80, 8},
        {Header(3, 2, 24), 0, 0, 0, 24},
        {Header(3, -2, 32), 0, 0, 0, 24},
        {Header(2, 2, 16, BI_BITFIELDS), 0, 12, 12, 8},
        {Header(2, 2, 32, BI_BITFIELDS), 0, 12, 12, 16},
        {Header(4, 4, 8, 7), 256, 1024, 1024, 0}, // unknown compression: no pixel bytes
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(GetDibColorCount(cases[i].header), cases[i].colors);
        EXPECT_EQ(GetDibColorTableSize(cases[i].header), cases[i].tableSize);
        EXPECT_EQ(GetDibTableBytes(cases[i].header), cases[i].tableBytes);
        EXPECT_EQ(GetDibImageBytes(cases[i].header), cases[i].imageBytes);
        EXPECT_EQ(GetPackedDibBytes(cases[i].header), 40 + cases[i].tableBytes + cases[i].imageBytes);
    }
    BITMAPINFOHEADER rle = Header(4, 4, 8, BI_RLE8);
    rle.biSizeImage = 77;
    EXPECT_EQ(GetDibImageBytes(rle), 77u);
    BITMAPCOREHEADER core{12, 4, 4, 1, 4};
    EXPECT_EQ(GetDibColorCount(core), 16u);
    EXPECT_EQ(GetDibColorTableSize(core), 48u);
    BITMAPINFOHEADER asInfo{};
    std::memcpy(&asInfo, &core, sizeof core);
    EXPECT_EQ(GetDibColorTableSize(&asInfo), 48u);
    const BITMAPINFOHEADER eight = Header(1, 1, 8);
    EXPECT_EQ(GetDibColorTableSize(&eight), 1024u);
}

TEST(DibSizes, HugeHeadersDoNotWrap) {
    const BITMAPINFOHEADER h = Header(32767, -32767, 32);
    EXPECT_EQ(GetDibImageBytes(h), 32767ull * 4 * 32767);
}

std::vector<std::uint8_t> Packed(const BITMAPINFOHEADER& header, std::size_t tableAndPixels) {
    std::vector<std::uint8_t> data(40 + tableAndPixels, 0);
    std::memcpy(data.data(), &header, 40);
    return data;
}

TEST(PackedDib, ValidationRefusesWhatDoesNotFit) {
    struct Case {
        std::vector<std::uint8_t> data;
        std::size_t bitsOffset;
    };
    const Case cases[] = {
        {Packed(Header(2, 2, 24), 16), 40},
        {Packed(Header(2, 2, 24), 15), 0}, // one pixel byte short
        {Packed(Header(2, 2, 8), 1024 + 8), 1064},
        {Packed(Header(2, 2, 8), 1024 + 7), 0}, // table present, pixels short
        {Packed(Header(2, 2, 8, BI_RGB, 2), 8 + 8), 48},
        {Packed(Header(2, 2, 8, BI_RGB, 300), 4096), 0}, // more colours than 8 bits address
        {Packed(Header(1, 1, 32, BI_BITFIELDS), 16), 52},
        {Packed(Header(1, 1, 24, BI_BITFIELDS), 16), 0},
        {Packed(Header(0, 1, 24), 16), 0},
        {Packed(Header(1, 0, 24), 16), 0},
        {Packed(Header(-1, 1, 24), 16), 0},
        {Packed(Header(40000, 1, 24), 16), 0},
        {Packed(Header(1, 1, 7), 16), 0},
        {Packed(Header(1, 1, 8, BI_RLE8), 2000), 0},
        {std::vector<std::uint8_t>(39, 0), 0},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        BITMAPINFOHEADER header;
        EXPECT_EQ(ValidatePackedDib(cases[i].data, &header), cases[i].bitsOffset) << i;
    }
    // A header size between the known versions: the masks would lie outside.
    BITMAPINFOHEADER odd = Header(2, 1, 16, BI_BITFIELDS);
    odd.biSize = 41;
    std::vector<std::uint8_t> oddSize = Packed(odd, 4);
    BITMAPINFOHEADER parsed;
    EXPECT_EQ(ValidatePackedDib(oddSize, &parsed), 0u);
    std::vector<std::uint8_t> badSize = Packed(Header(1, 1, 24), 4);
    badSize[0] = 200; // header size beyond the block
    BITMAPINFOHEADER header;
    EXPECT_EQ(ValidatePackedDib(badSize, &header), 0u);
}

TEST(PackedDib, DecodesEveryDepthTopDown) {
    hexmoor::platform::ImagePixels pixels;
    {
        // 1 bit, bottom-up 2x2: bottom row 1 0, top row 0 1.
        std::vector<std::uint8_t> data = Packed(Header(2, 2, 1), 8 + 8);
        const std::uint8_t table[8] = {0x10, 0x20, 0x30, 0, 0xFF, 0xFE, 0xFD, 0};
        std::memcpy(&data[40], table, 8);
        data[48] = 0x80; // bottom row
        data[52] = 0x40; // top row
        ASSERT_TRUE(DecodePackedDibPixels(data, &pixels));
        EXPECT_EQ(pixels.argb, (std::vector<std::uint32_t>{0xFF302010, 0xFFFDFEFF, 0xFFFDFEFF, 0xFF302010}));
    }
    {
        // 4 bits, top-down 3x1, indices 1 2 15 (15 beyond a 3-colour table).
        std::vector<std::uint8_t> data = Packed(Header(3, -1, 4, BI_RGB, 3), 12 + 4);
        const std::uint8_t table[12] = {0, 0, 0, 0, 1, 2, 3, 0, 4, 5, 6, 0};
        std::memcpy(&data[40], table, 12);
        data[52] = 0x12;
        data[53] = 0xF0;
        ASSERT_TRUE(DecodePackedDibPixels(data, &pixels));
        EXPECT_EQ(pixels.argb, (std::vector<std::uint32_t>{0xFF030201, 0xFF060504, 0xFF000000}));
    }
    {
        // 16 bits 5-5-5: pure red, pure blue.
        std::vector<std::uint8_t> data = Packed(Header(2, 1, 16), 4);
        data[40] = 0x00, data[41] = 0x7C, data[42] = 0x1F, data[43] = 0x00;
        ASSERT_TRUE(DecodePackedDibPixels(data, &pixels));
        EXPECT_EQ(pixels.argb, (std::vector<std::uint32_t>{0xFFFF0000, 0xFF0000FF}));
    }
    {
        // 24 bits with row padding, bottom-up 1x2.
        std::vector<std::uint8_t> data = Packed(Header(1, 2, 24), 8);
        data[40] = 1, data[41] = 2, data[42] = 3; // bottom
        data[44] = 4, data[45] = 5, data[46] = 6; // top
        ASSERT_TRUE(DecodePackedDibPixels(data, &pixels));
        EXPECT_EQ(pixels.argb, (std::vector<std::uint32_t>{0xFF060504, 0xFF030201}));
    }
    {
        // 32 bits BI_RGB keeps its alpha bytes.
        std::vector<std::uint8_t> data = Packed(Header(1, 1, 32), 4);
        data[40] = 0x11, data[41] = 0x22, data[42] = 0x33, data[43] = 0x44;
        ASSERT_TRUE(DecodePackedDibPixels(data, &pixels));
        EXPECT_EQ(pixels.argb, (std::vector<std::uint32_t>{0x44332211}));
    }
}

TEST(BmpFile, EncodeDecodeRoundTrip) {
    hexmoor::platform::ImagePixels pixels;
    pixels.width = 3;
    pixels.height = 2;
    pixels.argb = {0xFF010203, 0xFF040506, 0x80070809, 0xFF0A0B0C, 0xFF0D0E0F, 0x00101112};
    const std::vector<std::uint8_t> file = EncodeBmpFilePixels(pixels);
    ASSERT_EQ(file.size(), 54u + 24u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    hexmoor::platform::ImagePixels back;
    ASSERT_TRUE(DecodeBmpFilePixels(file, &back));
    EXPECT_EQ(back.argb, pixels.argb);
    EXPECT_FALSE(DecodeBmpFilePixels(std::span(file).first(60), &back));
}

std::vector<std::uint32_t> Decoded(const std::vector<std::uint8_t>& dib) {
    hexmoor::platform::ImagePixels pixels;
    if (!DecodePackedDibPixels(dib, &pixels)) return {};
    return pixels.argb;
}

TEST(PackedDib, RunLengthAndCoreHeadersDecodeAsTheirUncompressedTwins) {
    using namespace encoded_dibs;
    const std::vector<std::uint32_t> twin = Decoded(Twin8());
    ASSERT_EQ(twin.size(), 18u);
    ASSERT_EQ(Decoded(Indexed(Header(6, 3, 4, BI_RGB, 4), 4, kRows4)), twin);

    // Runs, a literal of six, an end of line per row, an end of bitmap.
    EXPECT_EQ(Decoded(Rle8()), twin);
    BITMAPINFOHEADER h8 = Header(6, 3, 8, BI_RLE8, 4);
    // The same without the size of the runs (the rest of the block) and
    // without the final marks (the data just ends).
    BITMAPINFOHEADER unsized = h8;
    unsized.biSizeImage = 0;
    EXPECT_EQ(Decoded(Indexed(unsized, 4, std::vector<std::uint8_t>(kRle8.begin(), kRle8.end() - 4))), twin);
    // Pixels past a row's end are dropped: writers pad each row to its
    // stored width with a run there, or write longer runs and literals.
    const std::vector<std::uint8_t> padded = {6, 3, 2, 0, 0, 0, 0, 8, 0, 1, 2, 3, 0, 1,
                                              7, 7, 0, 0, 3, 1, 2, 2, 3, 3, 0, 0, 0, 1};
    EXPECT_EQ(Decoded(Indexed(unsized, 4, padded)), twin);
    // At 4 bits: two indexes alternate in a run's byte; the literal of six
    // nibbles takes three bytes and a padding byte.
    EXPECT_EQ(Decoded(Rle4()), twin);
    // An OS/2 bitmap: core header, full table of three-byte colours.
    const std::vector<std::uint8_t> core = Core8();
    EXPECT_EQ(Decoded(core), Decoded(CoreTwin8()));
    DibHeaderFacts facts;
    ASSERT_TRUE(ReadDibHeaderFacts(core, &facts));
    EXPECT_EQ(facts.headerSize, 12u);
    EXPECT_EQ(facts.width, 6);
    EXPECT_EQ(facts.height, 3);

    // A jump skips pixels: they take colour 0. Bottom row 1 1 . . 3 3; an end
    // of line, a jump to x 2 and a run of two there: . . 2 2 . .
    const std::vector<std::uint8_t> jumps = {2, 1, 0, 2, 2, 0, 2, 3, 0, 0, 0, 2, 2, 0, 2, 2, 0, 1};
    BITMAPINFOHEADER hj = Header(6, 2, 8, BI_RLE8, 4);
    const std::vector<std::uint8_t> jumpTwin = {1, 1, 0, 0, 3, 3, 0, 0, 0, 0, 2, 2, 0, 0, 0, 0};
    EXPECT_EQ(Decoded(Indexed(hj, 4, jumps)), Decoded(Indexed(Header(6, 2, 8, BI_RGB, 4), 4, jumpTwin)));
}

TEST(PackedDib, RunsThatLeaveTheImageAreDamaged) {
    using namespace encoded_dibs;
    struct Case {
        const char* what;
        BITMAPINFOHEADER header;
        std::vector<std::uint8_t> runs;
    };
    const Case cases[] = {
        {"a run above the last row", Header(6, 1, 8, BI_RLE8, 4), {6, 1, 0, 0, 1, 1, 0, 1}},
        {"a jump above the last row", Header(6, 2, 8, BI_RLE8, 4), {0, 2, 0, 3, 0, 1}},
        {"a jump cut short", Header(6, 2, 8, BI_RLE8, 4), {0, 2, 1}},
        {"a literal cut short", Header(6, 2, 8, BI_RLE8, 4), {0, 6, 1, 2, 3}},
        {"a pair cut in half", Header(6, 2, 8, BI_RLE8, 4), {6, 1, 0}},
        {"top-down runs", Header(6, -2, 8, BI_RLE8, 4), {6, 1, 0, 1}},
        {"8-bit runs at 4 bits", Header(6, 2, 4, BI_RLE8, 4), {6, 1, 0, 1}},
        {"more colours than the depth", Header(6, 2, 4, BI_RLE4, 17), {6, 1, 0, 1}},
        // An end of bitmap at once: a few bytes standing for 197 megapixels.
        {"a size past the picture caps", Header(7976, 24672, 8, BI_RLE8, 4), {0, 1}},
        {"a side past the picture caps", Header(16385, 1, 8, BI_RLE8, 4), {0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(Decoded(Indexed(c.header, 4, c.runs)).empty());
    }
    // The runs' stated size beyond the block.
    BITMAPINFOHEADER h = Header(6, 2, 8, BI_RLE8, 4);
    h.biSizeImage = 100;
    EXPECT_TRUE(Decoded(Indexed(h, 4, {6, 1, 0, 1})).empty());
    // A core header whose rows are not all there, or of a depth it cannot have.
    EXPECT_TRUE(Decoded(Core(6, 3, 8, std::vector<std::uint8_t>(23))).empty());
    EXPECT_TRUE(Decoded(Core(6, 3, 16, std::vector<std::uint8_t>(48))).empty());
}

} // namespace
