#include "model/image_rgn.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "model/platform/file.h"
#include "model/platform/region.h"
#include "tests/model/file/skin_test_support.h"

namespace {

// Records the model's message boxes for the length of a test.
class MessageBoxes {
public:
    struct Box {
        std::wstring text, caption;
        unsigned flags;
    };
    MessageBoxes()
        : previous_(hexmoor::platform::SetMessageBoxShower(
              [this](const std::wstring& text, const std::wstring& caption, unsigned flags) {
                  shown_.push_back({text, caption, flags});
              })) {}
    MessageBoxes(const MessageBoxes&) = delete;
    MessageBoxes& operator=(const MessageBoxes&) = delete;
    ~MessageBoxes() { hexmoor::platform::SetMessageBoxShower(std::move(previous_)); }
    // The boxes shown since the last call.
    std::vector<Box> Take() { return std::exchange(shown_, {}); }

private:
    std::vector<Box> shown_;
    hexmoor::platform::MessageBoxShower previous_;
};

using hexmoor::platform::IsValidRegionData;

std::vector<std::uint8_t> RegionData(DWORD size, DWORD type, DWORD count, std::size_t rectBytes) {
    std::vector<std::uint8_t> data(32 + rectBytes, 0);
    RGNDATAHEADER header{size, type, count, static_cast<DWORD>(16 * count), {0, 0, 4, 4}};
    std::memcpy(data.data(), &header, 32);
    for (std::size_t i = 0; i + 16 <= rectBytes; i += 16) {
        const RECT r{0, static_cast<LONG>(i / 16), 4, static_cast<LONG>(i / 16 + 1)};
        std::memcpy(data.data() + 32 + i, &r, 16);
    }
    return data;
}

TEST(RegionData, ValidationTable) {
    struct Case {
        std::vector<std::uint8_t> data;
        bool valid;
    };
    const Case cases[] = {
        {RegionData(32, 1, 0, 0), true},
        {RegionData(32, 1, 2, 32), true},
        {RegionData(32, 1, 2, 48), true},  // extra bytes are harmless
        {RegionData(32, 1, 3, 32), false}, // count says more than is there
        {RegionData(40, 1, 0, 0), false},
        {RegionData(32, 2, 0, 0), false},
        {RegionData(32, 1, 0x10000000, 0), false},
        {std::vector<std::uint8_t>(31, 0), false},
        {{}, false},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(IsValidRegionData(cases[i].data), cases[i].valid) << i;
        EXPECT_EQ(hexmoor::platform::RegionFromData(cases[i].data) != nullptr, cases[i].valid) << i;
    }
}

TEST(ImageRgn, EmptyRegionObject) {
    auto region = CreateEmptyImageRgn();
    ASSERT_NE(region->GetHRgn(), nullptr);
    EXPECT_EQ(region->GetWidth(), 0);
    EXPECT_EQ(region->GetHeight(), 0);
    const std::vector<std::uint8_t> data = region->GetRegionData();
    ASSERT_GE(data.size(), 32u);
    RGNDATAHEADER header;
    std::memcpy(&header, data.data(), 32);
    EXPECT_EQ(header.nCount, 0u);
}

TEST(RegionFile, RoundTripKeepsSizeAndRectangles) {
    CImageRgn region(hexmoor::platform::RegionFromData(RegionData(32, 1, 2, 32)), 12, 34);
    ASSERT_NE(region.GetHRgn(), nullptr);
    const std::vector<std::uint8_t> bytes = EncodeRegionFile(region);
    ASSERT_GE(bytes.size(), 12u + 32u);
    std::int32_t width = 0, height = 0;
    std::uint32_t count = 0;
    std::memcpy(&width, bytes.data(), 4);
    std::memcpy(&height, bytes.data() + 4, 4);
    std::memcpy(&count, bytes.data() + 8, 4);
    EXPECT_EQ(width, 12);
    EXPECT_EQ(height, 34);
    EXPECT_EQ(count, bytes.size() - 12);

    auto back = DecodeRegionFile(bytes);
    ASSERT_NE(back->GetHRgn(), nullptr);
    EXPECT_EQ(back->GetWidth(), 12);
    EXPECT_EQ(back->GetHeight(), 34);
    EXPECT_EQ(back->GetRegionData(), region.GetRegionData());
}

TEST(RegionFile, EmptyRegionReadsBackEmptyNotNull) {
    auto empty = CreateEmptyImageRgn();
    auto back = DecodeRegionFile(EncodeRegionFile(*empty));
    ASSERT_NE(back->GetHRgn(), nullptr);
    EXPECT_EQ(back->GetRegionData(), empty->GetRegionData());
}

TEST(RegionFile, ShortOrLyingFilesGiveANullRegion) {
    CImageRgn region(hexmoor::platform::RegionFromData(RegionData(32, 1, 1, 16)), 3, 4);
    const std::vector<std::uint8_t> good = EncodeRegionFile(region);
    for (std::size_t length : {0u, 4u, 8u, 11u, 12u, 43u}) {
        auto back = DecodeRegionFile(std::span(good).first(length));
        EXPECT_EQ(back->GetHRgn(), nullptr) << length;
        if (length >= 8) {
            EXPECT_EQ(back->GetWidth(), 3) << length;
        }
    }
    std::vector<std::uint8_t> lying = good;
    lying[8] = 0xFF; // N larger than the bytes present
    EXPECT_EQ(DecodeRegionFile(lying)->GetHRgn(), nullptr);
    std::vector<std::uint8_t> badCount = good;
    badCount[12 + 8] = 9; // header claims 9 rectangles
    EXPECT_EQ(DecodeRegionFile(badCount)->GetHRgn(), nullptr);
}

TEST(RegionFile, MoreRectanglesThanARegionMayHaveAreRefused) {
    const auto fileOf = [](std::size_t rects) {
        const std::vector<std::uint8_t> data = RegionData(32, 1, static_cast<DWORD>(rects), 16 * rects);
        std::vector<std::uint8_t> bytes(12 + data.size());
        const std::uint32_t fields[3] = {4, 16384, static_cast<std::uint32_t>(data.size())};
        std::memcpy(bytes.data(), fields, 12);
        std::memcpy(bytes.data() + 12, data.data(), data.size());
        return bytes;
    };
    EXPECT_NE(DecodeRegionFile(fileOf(kMaxRegionRects))->GetHRgn(), nullptr);
    EXPECT_EQ(DecodeRegionFile(fileOf(kMaxRegionRects + 1))->GetHRgn(), nullptr);
    // From the disk: the count is read first and nothing more.
    skin_test::ScratchDir dir("region-over-cap");
    skin_test::WriteBytes(dir / "many.rgn", fileOf(kMaxRegionRects + 1));
    std::vector<std::uint8_t> read;
    ASSERT_EQ(ReadRegionFileBytes((dir / "many.rgn").wstring(), &read), hexmoor::platform::FileReadResult::kOk);
    EXPECT_EQ(read.size(), 12u);
    EXPECT_EQ(LoadRegionFile((dir / "many.rgn").wstring())->GetHRgn(), nullptr);
}

std::vector<std::uint8_t> FileOfSize(std::int32_t width, std::int32_t height) {
    CImageRgn region(hexmoor::platform::RegionFromData(RegionData(32, 1, 1, 16)), 1, 1);
    std::vector<std::uint8_t> bytes = EncodeRegionFile(region);
    std::memcpy(bytes.data(), &width, 4);
    std::memcpy(bytes.data() + 4, &height, 4);
    return bytes;
}

TEST(RegionFile, SizesOutsideTheCanvasLimitAreRefused) {
    struct Case {
        std::int32_t width, height;
        bool accepted;
    };
    const Case cases[] = {
        {0, 0, true},   {16384, 16384, true}, {16385, 1, false},      {1, 16385, false},
        {-1, 1, false}, {1, -1, false},       {0x7FFFFFFF, 1, false}, {INT32_MIN, INT32_MIN, false},
    };
    for (const Case& c : cases) {
        SIZE refused{};
        auto back = DecodeRegionFile(FileOfSize(c.width, c.height), &refused);
        EXPECT_EQ(back->GetHRgn() != nullptr, c.accepted) << c.width << " x " << c.height;
        EXPECT_EQ(back->GetWidth(), c.accepted ? c.width : 0) << c.width << " x " << c.height;
        EXPECT_EQ(back->GetHeight(), c.accepted ? c.height : 0) << c.width << " x " << c.height;
        EXPECT_EQ(refused.cx, c.accepted ? 0 : c.width) << c.width << " x " << c.height;
        EXPECT_EQ(refused.cy, c.accepted ? 0 : c.height) << c.width << " x " << c.height;
    }

    // Through the disk the refusal is told to the user.
    skin_test::ScratchDir dir("region-size");
    MessageBoxes boxes;
    skin_test::WriteBytes(dir / "huge.rgn", FileOfSize(100000, 3));
    auto loaded = LoadRegionFile((dir / "huge.rgn").wstring());
    EXPECT_EQ(loaded->GetHRgn(), nullptr);
    EXPECT_EQ(loaded->GetWidth(), 0);
    const auto shown = boxes.Take();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].text.find(L"100000 x 3"), std::wstring::npos);
    EXPECT_NE(shown[0].text.find(L"16384"), std::wstring::npos);
}

TEST(RegionFile, AFailedSaveSaysWhichStepFailedAndKeepsTheOldFile) {
    skin_test::ScratchDir dir("region-save");
    MessageBoxes boxes;
    CImageRgn region(hexmoor::platform::RegionFromData(RegionData(32, 1, 2, 32)), 7, 8);

    const auto missing = dir / "missing" / "shape.rgn";
    EXPECT_EQ(SaveRegionFile(&region, missing.wstring()), 0);
    auto shown = boxes.Take();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, L"Failed to create region file");
    EXPECT_EQ(shown[0].caption, L"Save RGN");
    EXPECT_EQ(shown[0].flags, 0x10u);

    // The temporary file is written, but a folder stands where the file goes.
    const auto folder = dir / "folder.rgn";
    std::filesystem::create_directory(folder);
    EXPECT_EQ(SaveRegionFile(&region, folder.wstring()), 0);
    shown = boxes.Take();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].text.find(L"replace"), std::wstring::npos);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_FALSE(std::filesystem::exists(hexmoor::platform::TemporaryPathFor(folder.wstring())));

    const auto good = dir / "shape.rgn";
    ASSERT_EQ(SaveRegionFile(&region, good.wstring()), 1);
    EXPECT_TRUE(boxes.Take().empty());
    EXPECT_EQ(skin_test::ReadBytes(good), EncodeRegionFile(region));
}

TEST(RegionFile, AMissingFileIsReportedOnce) {
    skin_test::ScratchDir dir("region-missing");
    MessageBoxes boxes;
    auto back = LoadRegionFile((dir / "none.rgn").wstring());
    EXPECT_EQ(back->GetHRgn(), nullptr);
    const auto shown = boxes.Take();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, L"Failed to Open File!");
    EXPECT_EQ(shown[0].caption, L"Error");
    EXPECT_EQ(shown[0].flags, 0u);
}

TEST(RegionFile, SaveAndLoadThroughTheDisk) {
    const auto dir = std::filesystem::temp_directory_path() / "hexmoor_region_test";
    std::filesystem::create_directories(dir);
    const std::wstring path = (dir / "shape.rgn").wstring();
    CImageRgn region(hexmoor::platform::RegionFromData(RegionData(32, 1, 2, 32)), 7, 8);
    EXPECT_EQ(SaveRegionFile(nullptr, path), 0);
    EXPECT_EQ(SaveRegionFile(&region, L"a.r"), 0); // too short a path: nothing written, and said so
    EXPECT_FALSE(std::filesystem::exists(L"a.r"));
    ASSERT_EQ(SaveRegionFile(&region, path), 1);
    auto back = LoadRegionFile(path);
    ASSERT_NE(back->GetHRgn(), nullptr);
    EXPECT_EQ(back->GetWidth(), 7);
    EXPECT_EQ(back->GetRegionData(), region.GetRegionData());
    std::filesystem::remove_all(dir);
}

} // namespace
