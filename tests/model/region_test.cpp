#include "model/image_rgn.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "model/platform/region.h"

namespace {

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

TEST(RegionFile, SaveAndLoadThroughTheDisk) {
    const auto dir = std::filesystem::temp_directory_path() / "hexmoor_region_test";
    std::filesystem::create_directories(dir);
    const std::wstring path = (dir / "shape.rgn").wstring();
    CImageRgn region(hexmoor::platform::RegionFromData(RegionData(32, 1, 2, 32)), 7, 8);
    EXPECT_EQ(SaveRegionFile(nullptr, path), 0);
    EXPECT_EQ(SaveRegionFile(&region, L"a.r"), 1); // too short a path: nothing written
    EXPECT_FALSE(std::filesystem::exists(L"a.r"));
    ASSERT_EQ(SaveRegionFile(&region, path), 1);
    auto back = LoadRegionFile(path);
    ASSERT_NE(back->GetHRgn(), nullptr);
    EXPECT_EQ(back->GetWidth(), 7);
    EXPECT_EQ(back->GetRegionData(), region.GetRegionData());
    std::filesystem::remove_all(dir);
}

} // namespace
