// The writer: exact bytes of small skins, compression only where it pays,
// the index block, and a failed write that leaves the user's file intact.
#include <gtest/gtest.h>

#include "model/elements.h"
#include "model/file/archive_reader.h"
#include "model/file/image_record.h"
#include "model/file/skin_file.h"
#include "model/platform/file.h"
#include "model/platform/image.h"
#include "model/twf_skin.h"
#include "tests/model/file/skin_test_support.h"

namespace plat = hexmoor::platform;
using plat::TemporaryPathFor;
using plat::WriteFileReplacing;

namespace {

class Bytes {
public:
    Bytes& U8(std::uint8_t v) { return Add({v}); }
    Bytes& U16(std::uint16_t v) { return Add({static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)}); }
    Bytes& U32(std::uint32_t v) {
        return Add({static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v >> 16),
                    static_cast<std::uint8_t>(v >> 24)});
    }
    Bytes& Text(const std::string& s) {
        for (char c : s) U8(static_cast<std::uint8_t>(c));
        return *this;
    }
    Bytes& Add(std::initializer_list<std::uint8_t> b) {
        bytes_.insert(bytes_.end(), b);
        return *this;
    }
    const std::vector<std::uint8_t>& Get() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

std::vector<std::uint8_t> Write(CTwfSkin& skin) {
    MemorySink sink;
    EXPECT_TRUE(WriteSkinArchive(skin, sink));
    return sink.Bytes();
}

Bytes& HeaderAndInfo(Bytes& b, const std::string& name, std::uint32_t compressed) {
    b.U8(6).Text("TWF3.0").U32(static_cast<std::uint32_t>(name.size())).Text(name);
    for (int i = 0; i < 8; ++i) b.U32(0);
    return b.U32(compressed);
}

plat::ImagePixels Pixels(int w, int h, std::uint32_t (*colour)(int, int)) {
    plat::ImagePixels p;
    p.width = w;
    p.height = h;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p.argb.push_back(0xFF000000u | colour(x, y));
    return p;
}

class SkinWriter : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(skin_test::Imaging().IsStarted()); }
};

TEST_F(SkinWriter, SkinWithoutSchemesIsHeaderInfoFlagCountAndBlankIndex) {
    CTwfSkin skin;
    skin.GetInfo().skinName = L"Blue";
    Bytes expected;
    HeaderAndInfo(expected, "Blue", 0).U32(0);
    for (int i = 0; i < 210; ++i) expected.U8(0xFF);
    EXPECT_EQ(Write(skin), expected.Get());
    EXPECT_EQ(skin.GetVersion(), 768);
}

TEST_F(SkinWriter, ElementRecordFieldsInOrder) {
    CTwfSkin skin;
    CTwfObj* button = skin.GetOrCreateObject(kElemButton, L"S");
    ASSERT_NE(button, nullptr);
    button->SetValue(7, 0x11223344);
    button->SetColor(9, 0x00ABCDEF);
    button->SetNumber(3, 42);
    button->SetFolderId(5);
    button->SetOrder(6);
    button->SetEnabled(1);
    CTwfObj* data = skin.GetOrCreateObject(kElemUserData, L"S");
    data->SetEnabled(0);

    Bytes b;
    HeaderAndInfo(b, "", 0).U32(1).U8(1).Text("S").U32(2);
    const std::uint32_t buttonOffset = static_cast<std::uint32_t>(b.Get().size()) + 2;
    b.U16(4);
    // One plain value: never compressed, 4 bytes, then its own six parameters.
    b.U32(1).U32(0).U32(4).U16(7).U32(0x11223344).U32(0).U32(0).U32(0).U32(0).U32(2).U32(0);
    b.U32(1).U16(9).U32(0x00ABCDEF);
    b.U32(1).U16(3).U32(42);
    b.U32(0); // no font
    b.U16(5).U16(6).U32(1);
    const std::uint32_t dataOffset = static_cast<std::uint32_t>(b.Get().size()) + 2;
    b.U16(44).U32(0).U32(0).U32(0).U32(0).U16(0).U16(0).U32(0);
    b.U32(0); // a user-data element of 0 bytes: a single u32 0 after its record
    std::vector<std::uint8_t> index(210, 0xFF);
    auto entry = [&](int k, std::uint16_t type, std::uint32_t offset) {
        index[6 * k] = static_cast<std::uint8_t>(type);
        index[6 * k + 1] = static_cast<std::uint8_t>(type >> 8);
        for (int i = 0; i < 4; ++i) index[6 * k + 2 + i] = static_cast<std::uint8_t>(offset >> (8 * i));
    };
    entry(3, 4, buttonOffset);
    entry(32, 44, dataOffset);
    for (auto v : index) b.U8(v);
    EXPECT_EQ(Write(skin), b.Get());
}

TEST_F(SkinWriter, SpinControlAndSplitterShareIndexEntry16) {
    CTwfSkin skin;
    skin.GetOrCreateObject(kElemSpinCtrl, L"A");
    skin.GetOrCreateObject(kElemSplitter, L"A");
    auto bytes = Write(skin);
    const std::size_t at = bytes.size() - 210 + 6 * 16;
    const std::uint16_t type = static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
    const std::uint32_t offset = bytes[at + 2] | (bytes[at + 3] << 8) | (bytes[at + 4] << 16) |
                                 (static_cast<std::uint32_t>(bytes[at + 5]) << 24);
    EXPECT_EQ(type, 34) << "the splitter is written after the spin control";
    ASSERT_GE(offset, 2u);
    EXPECT_EQ(bytes[offset - 2] | (bytes[offset - 1] << 8), 34) << "the offset is just past the type id";
}

TEST_F(SkinWriter, CompressedSaveCompressesOnlyBitmapDataThatShrinks) {
    auto random = CompressIfSmaller(std::vector<std::uint8_t>{0x9C, 0x11, 0xF3, 0x02, 0x77});
    EXPECT_FALSE(random.has_value()) << "five bytes never shrink under zlib";
    EXPECT_TRUE(CompressIfSmaller(std::vector<std::uint8_t>(4096, 0)).has_value());

    for (DWORD flag : {0u, 1u}) {
        CTwfSkin skin;
        skin.SetCompressedFlag(flag);
        CTwfObj* edit = skin.GetOrCreateObject(kElemEdit, L"S");
        auto flat = plat::CreateBitmapFromPixels(Pixels(40, 30, [](int, int) { return 0x336699u; }));
        ASSERT_TRUE(flat);
        edit->SetImageFromSource(1, flat.Get(), 1, 2, 3, 4, 1, 1);
        edit->SetGdiplusImage(2,
                              plat::CreateGdiplusBitmapFromPixels(Pixels(40, 30, [](int, int) { return 0x336699u; })));
        edit->SetValue(3, 99);
        auto bytes = Write(skin);

        // Walk to the element's image records: header, info, flag, one scheme.
        ArchiveReader r({bytes.data(), bytes.size() - 210});
        r.ReadArchiveString();
        for (int i = 0; i < 9; ++i) r.ReadCountedText();
        EXPECT_EQ(r.ReadU32(), flag);
        EXPECT_EQ(r.ReadU32(), 1u);
        r.ReadArchiveString();
        EXPECT_EQ(r.ReadU32(), 1u);
        EXPECT_EQ(r.ReadU16(), kElemEdit);
        ASSERT_EQ(r.ReadU32(), 3u);
        for (WORD id : {1, 2, 3}) {
            const std::uint32_t compressed = r.ReadU32();
            if (compressed) r.ReadU32();
            const std::uint32_t stored = r.ReadU32();
            EXPECT_EQ(r.ReadU16(), id);
            auto data = r.ReadBytes(stored);
            r.ReadBytes(24);
            if (id == 1) {
                EXPECT_EQ(compressed, flag) << "a flat BMP shrinks: compressed only in a compressed save";
                if (!compressed) {
                    EXPECT_EQ(data[0], 'B');
                }
            } else {
                EXPECT_EQ(compressed, 0u) << "PNG data and plain values are never compressed";
            }
            if (id == 2) {
                EXPECT_EQ(data[1], 'P');
            }
        }
    }
}

TEST_F(SkinWriter, FailedWriteLeavesTheOldFileIntact) {
    skin_test::ScratchDir dir("write-fail");
    const auto target = dir / "skin.twf";
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    skin.GetInfo().author = L"First";
    skin.SetPath(target.wstring());
    ASSERT_TRUE(skin.WriteSkinFile());
    const auto original = skin_test::ReadBytes(target);
    ASSERT_GT(original.size(), 210u);

    // The disk fills up half-way through the new contents.
    class FullDisk : public ByteSink {
    public:
        explicit FullDisk(ByteSink& inner) : inner_(inner) {}
        bool Write(std::span<const std::uint8_t> data) override {
            if (left_ < data.size()) {
                inner_.Write(data.first(left_));
                left_ = 0;
                return false;
            }
            left_ -= data.size();
            return inner_.Write(data);
        }

    private:
        ByteSink& inner_;
        std::size_t left_ = 100;
    };
    skin.GetInfo().author = L"Second";
    EXPECT_FALSE(WriteFileReplacing(target.wstring(), [&](ByteSink& sink) {
        FullDisk full(sink);
        return WriteSkinArchive(skin, full);
    }));
    EXPECT_EQ(skin_test::ReadBytes(target), original);
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(target.wstring())));

    // A target that cannot be replaced (a folder) or lies in a missing folder.
    const auto folder = dir / "folder.twf";
    std::filesystem::create_directory(folder);
    skin.SetPath(folder.wstring());
    EXPECT_FALSE(skin.WriteSkinFile());
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    skin.SetPath((dir / "missing" / "skin.twf").wstring());
    EXPECT_FALSE(skin.WriteSkinFile());
    skin.SetPath(L"");
    EXPECT_FALSE(skin.WriteSkinFile());

    // A complete write replaces the file.
    skin.SetPath(target.wstring());
    ASSERT_TRUE(skin.WriteSkinFile());
    CTwfSkin reread;
    reread.InitNewSkin(L"Default");
    reread.SetPath(target.wstring());
    ASSERT_EQ(reread.LoadSkinFromPath(FALSE), 0);
    EXPECT_EQ(reread.GetInfo().author, L"Second");
}

TEST_F(SkinWriter, LoaderEntryCodesAndInfoOnly) {
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    EXPECT_EQ(skin.LoadSkinFromPath(FALSE), 1) << "no path";
    EXPECT_EQ(skin.LoadSkinFromMemory(nullptr, 10, FALSE), 2);
    const std::uint8_t one = 0;
    EXPECT_EQ(skin.LoadSkinFromMemory(&one, 0, FALSE), 2);
    skin.SetPath((std::filesystem::temp_directory_path() / "hexmoor-no-such-skin.twf").wstring());
    EXPECT_EQ(skin.LoadSkinFromPath(FALSE), 2) << "a file that cannot be opened";

    CTwfSkin source;
    source.InitNewSkin(L"Default");
    source.GetInfo().description = L"info only";
    source.SetCompressedFlag(1);
    source.GetOrCreateObject(kElemButton, L"<CC>\\x")->SetColor(1, 2);
    auto bytes = Write(source);
    skin.GetOrCreateObject(kElemButton, L"")->SetColor(5, 5);
    ASSERT_EQ(skin.LoadSkinFromMemory(bytes.data(), static_cast<UINT>(bytes.size()), TRUE), 0);
    EXPECT_EQ(skin.GetInfo().description, L"info only");
    EXPECT_EQ(skin.GetCompressedFlag(), 1u);
    EXPECT_EQ(skin.FindObject(kElemButton, L"<CC>\\x"), nullptr) << "no scheme is read";
    EXPECT_FALSE(skin.FindObject(kElemButton, L"")->HasColor(5)) << "the skin was reset";
    EXPECT_EQ(skin.GetLoadedFlag(), 1u);
}

} // namespace
