// The archive primitives and the header: bounds on every read, the three
// length forms and the wide form of archive strings, header spellings.
#include <gtest/gtest.h>

#include "model/file/archive_reader.h"
#include "model/file/archive_writer.h"
#include "model/file/skin_header.h"
#include "model/twf_error.h"

namespace {

std::vector<std::uint8_t> Written(const std::function<void(ArchiveWriter&)>& write) {
    MemorySink sink;
    ArchiveWriter writer(sink);
    write(writer);
    EXPECT_TRUE(writer.Flush());
    return sink.Bytes();
}

int CodeOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const TwfError& e) {
        return static_cast<int>(e.code);
    }
    return 0;
}

TEST(ArchiveReader, ReadsLittleEndianFieldsAndRefusesReadsPastTheEnd) {
    const std::vector<std::uint8_t> bytes = {1, 2, 3, 4, 5, 6, 7};
    ArchiveReader r(bytes);
    EXPECT_EQ(r.ReadU8(), 1);
    EXPECT_EQ(r.ReadU16(), 0x0302);
    EXPECT_EQ(r.ReadU32(), 0x07060504u);
    EXPECT_EQ(r.Remaining(), 0u);
    EXPECT_EQ(CodeOf([&] { r.ReadU8(); }), 2);

    ArchiveReader short32(std::span<const std::uint8_t>(bytes).first(3));
    EXPECT_EQ(CodeOf([&] { short32.ReadU32(); }), 2);
    EXPECT_EQ(short32.Position(), 0u) << "a refused read consumes nothing";
    EXPECT_EQ(CodeOf([&] { short32.ReadBytes(0xFFFFFFFFull); }), 2);
    EXPECT_EQ(CodeOf([&] { short32.RequireRecords(0xFFFFFFFFu, 26); }), 2);
}

TEST(ArchiveReader, StringLengthFormsRoundTrip) {
    for (std::size_t length : {0u, 1u, 254u, 255u, 65533u, 65534u, 65535u, 70000u}) {
        const std::string text(length, 'q');
        auto bytes = Written([&](ArchiveWriter& w) { w.WriteArchiveString(text); });
        const std::size_t prefix = length < 255 ? 1 : length <= 65533 ? 3 : 7;
        EXPECT_EQ(bytes.size(), prefix + length) << length;
        ArchiveReader r(bytes);
        ArchiveString s = r.ReadArchiveString();
        EXPECT_FALSE(s.wide);
        EXPECT_EQ(s.narrow, text) << length;
        EXPECT_EQ(r.Remaining(), 0u);
    }
}

TEST(ArchiveReader, WideStringsAndLyingLengths) {
    // 0xFF, 0xFFFE, length 2, then UTF-16LE "hi".
    const std::vector<std::uint8_t> wide = {0xFF, 0xFE, 0xFF, 2, 'h', 0, 'i', 0};
    ArchiveReader r(wide);
    ArchiveString s = r.ReadArchiveString();
    EXPECT_TRUE(s.wide);
    EXPECT_EQ(s.units, u"hi");

    struct LyingCase {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    const LyingCase cases[] = {
        {"byte length", {5, 'a', 'b'}},
        {"u16 length", {0xFF, 0x00, 0x10, 'a'}},
        {"u32 length", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a'}},
        {"wide units", {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 0}},
        {"counted text", {0xF0, 0xFF, 0xFF, 0xFF, 'a'}},
    };
    for (const auto& c : cases) {
        ArchiveReader lying(c.bytes);
        const bool counted = std::string(c.name) == "counted text";
        EXPECT_EQ(CodeOf([&] { counted ? (void)lying.ReadCountedText() : (void)lying.ReadArchiveString(); }), 2)
            << c.name;
    }
}

TEST(ArchiveWriter, CountsOffsetsAcrossFlushesAndReportsAFailingSink) {
    class FailingSink : public ByteSink {
    public:
        bool Write(std::span<const std::uint8_t>) override { return false; }
    };
    FailingSink failing;
    ArchiveWriter w(failing);
    std::vector<std::uint8_t> big(ArchiveWriter::kBufferSize * 2 + 5, 7);
    w.WriteU32(1);
    w.WriteBytes(big);
    EXPECT_EQ(w.Position(), 4 + big.size());
    EXPECT_TRUE(w.Failed());
    EXPECT_FALSE(w.Flush());

    auto bytes = Written([&](ArchiveWriter& ok) {
        ok.WriteU16(0xBEEF);
        ok.WriteBytes(big);
        ok.WriteI32(-2);
        EXPECT_EQ(ok.Position(), 2 + big.size() + 4);
    });
    ASSERT_EQ(bytes.size(), 2 + big.size() + 4);
    EXPECT_EQ(bytes[0], 0xEF);
    EXPECT_EQ(bytes.back(), 0xFF);
}

TEST(SkinHeader, Spellings) {
    struct Row {
        const char* header;
        int code; // 0: parses
        int version;
    };
    const Row rows[] = {
        {"TWF3.0", 0, 768}, {"twf3.0", 0, 768}, {"TWF2.19", 0, 531},   {"TWF2.2", 0, 514},
        {"TWF3.x", 0, 768}, {"TWF768", 0, 0},   {"TWF.", 0, 0},        {"TWF", 2, 0},
        {"", 2, 0},         {"ABC3.0", 2, 0},   {"TWF03.000", 0, 768}, {"TWF258.3", 0, 515},
    };
    for (const Row& row : rows) {
        WORD version = 0;
        EXPECT_EQ(CodeOf([&] { version = ParseSkinHeader(row.header); }), row.code) << row.header;
        if (row.code == 0) {
            EXPECT_EQ(version, row.version) << row.header;
        }
    }
    EXPECT_EQ(FormatSkinHeader(768), "TWF3.0");
    EXPECT_EQ(FormatSkinHeader(531), "TWF2.19");
}

} // namespace
