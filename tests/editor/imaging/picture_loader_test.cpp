// Loading pictures for the previews from files written in a scratch folder.
#include "editor/imaging/picture_loader.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "editor/links/win/file_choosers.h"
#include "model/dib_pixels.h"
#include "model/gdiplus_init.h"
#include "model/platform/image.h"
#include "tests/model/encoded_dibs.h"

namespace hexmoor::preview {
namespace {

namespace fs = std::filesystem;

class PictureLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gdiplus_.IsStarted());
        folder_ = fs::temp_directory_path() / ("hexmoor_pictures_" + std::to_string(::GetCurrentProcessId()));
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    std::wstring Write(const wchar_t* name, const std::vector<std::uint8_t>& bytes) {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return path.wstring();
    }
    static platform::ImagePixels Pixels() {
        platform::ImagePixels p{5, 3, std::vector<std::uint32_t>(15, 0xFF336699)};
        p.argb[0] = 0x80FFFFFF;
        return p;
    }
    static std::vector<std::uint8_t> Png() {
        std::vector<std::uint8_t> bytes;
        auto image = platform::CreateGdiplusBitmapFromPixels(Pixels());
        EXPECT_TRUE(platform::EncodePng(image.get(), &bytes));
        return bytes;
    }

    CGdiPlusInit gdiplus_;
    fs::path folder_;
};

TEST_F(PictureLoaderTest, LoadingTable) {
    const std::vector<std::uint8_t> bmp = EncodeBmpFilePixels(Pixels());
    const std::vector<std::uint8_t> png = Png();
    std::vector<std::uint8_t> cutPng(png.begin(), png.begin() + png.size() / 2);
    // A PNG header claiming 20000 x 20000 pixels.
    std::vector<std::uint8_t> hugePng = png;
    for (int i = 0; i < 2; ++i) {
        const std::uint32_t side = 20000;
        for (int b = 0; b < 4; ++b) hugePng[16 + 4 * i + b] = static_cast<std::uint8_t>(side >> (24 - 8 * b));
    }
    struct Case {
        std::wstring path;
        bool allowJpeg;
        int result;
        bool image, gdiplus;
    };
    const Case cases[] = {
        {Write(L"good.bmp", bmp), false, 1, true, false},
        {Write(L"good.png", png), false, 1, true, true},
        {L"  " + Write(L"spaced.PNG", png) + L" ", false, 1, true, true},
        {Write(L"picture.gif", png), true, 1, false, false}, // unknown extension: nothing, yet success
        {Write(L"photo.jpg", png), false, 1, false, false},  // JPEG not allowed
        {Write(L"png_inside.bmp", png), false, 0, false, false},
        {Write(L"huge.png", hugePng), false, 0, false, false},
        {Write(L"cut.png", cutPng), false, 0, false, false},
        {(folder_ / L"missing.png").wstring(), false, 0, false, false},
        {L"a", true, 0, false, false},
    };
    for (const Case& c : cases) {
        const LoadedPicture loaded = LoadPicture(c.path, c.allowJpeg);
        EXPECT_EQ(loaded.result, c.result) << c.path;
        ASSERT_EQ(loaded.image != nullptr, c.image) << c.path;
        if (!loaded.image) continue;
        EXPECT_EQ(loaded.image->IsGdiplus(), c.gdiplus) << c.path;
        EXPECT_EQ(loaded.image->GetWidth(), 5);
        EXPECT_EQ(loaded.image->GetHeight(), 3);
        EXPECT_EQ(loaded.image->GetLeft(), 0);
    }
    // Nothing is copied to the temporary folder.
    std::size_t copies = 0;
    for (const auto& entry : fs::directory_iterator(fs::temp_directory_path())) {
        if (entry.path().filename().wstring().rfind(L"_TW", 0) == 0) ++copies;
    }
    EXPECT_EQ(copies, 0u);
}

// The grid's image rows and the previews read a path by one rule: what
// shows in a preview loads into a row, and what a preview refuses or
// ignores a row refuses.
TEST_F(PictureLoaderTest, TheGridsImageRowsLoadWhatThePreviewsShow) {
    const std::vector<std::uint8_t> bmp = EncodeBmpFilePixels(Pixels());
    const std::vector<std::uint8_t> png = Png();
    const struct {
        std::wstring path;
        bool loads;
    } cases[] = {
        {Write(L"plain.bmp", bmp), true},
        {Write(L"trailing.bmp", bmp) + L" ", true},
        {L"\t " + Write(L"leading.png", png), true},
        {Write(L"upper.BMP", bmp), true},
        {Write(L"mixed.Png", png), true},
        {Write(L"noextension", bmp), false},
        {Write(L"photo.jpg", png), false},
        {Write(L"dotted.bmp.txt", bmp), false},
        {L"a", false},
        {L" ", false},
    };
    for (const auto& c : cases) {
        const LoadedPicture shown = LoadPicture(c.path, false);
        const std::unique_ptr<CMrgBitmap> row = links::LoadImageRecord(c.path);
        EXPECT_EQ(shown.image != nullptr, c.loads) << c.path;
        EXPECT_EQ(row != nullptr, c.loads) << c.path;
        if (row) {
            EXPECT_EQ(row->GetWidth(), 5) << c.path;
        }
    }
}

// Run-length encoded and OS/2 bitmaps, as paint programs write them, load
// as their uncompressed twins do, pixel for pixel.
TEST_F(PictureLoaderTest, EncodedBitmapsLoadAsTheirTwins) {
    using namespace encoded_dibs;
    const auto pixels = [&](const wchar_t* name, const std::vector<std::uint8_t>& packed) {
        const LoadedPicture loaded = LoadPicture(Write(name, BmpFile(packed)), false);
        platform::ImagePixels read;
        if (loaded.image) loaded.image->ReadPixels(&read);
        return read.argb;
    };
    const std::vector<std::uint32_t> twin = pixels(L"twin.bmp", Twin8());
    ASSERT_EQ(twin.size(), 18u);
    EXPECT_EQ(pixels(L"rle8.bmp", Rle8()), twin);
    EXPECT_EQ(pixels(L"rle4.bmp", Rle4()), twin);
    EXPECT_EQ(pixels(L"os2.bmp", Core8()), pixels(L"os2twin.bmp", CoreTwin8()));
    EXPECT_FALSE(pixels(L"os2twin.bmp", CoreTwin8()).empty());
}

// The header is read before the rest: a picture over the caps, or a file
// longer than its picture can need, is refused without being read.
TEST_F(PictureLoaderTest, TheHeaderDecidesBeforeTheRestIsRead) {
    using namespace encoded_dibs;
    // A header claiming 20000 x 20000 pixels in front of a few bytes.
    std::vector<std::uint8_t> huge = BmpFile(Twin8());
    const std::int32_t side = 20000;
    std::memcpy(&huge[18], &side, 4);
    std::memcpy(&huge[22], &side, 4);
    EXPECT_EQ(LoadPicture(Write(L"huge.bmp", huge), false).result, 0);
    // A 6 x 3 picture in a file of 64 MB: no picture of that size needs it.
    const std::wstring padded = Write(L"padded.bmp", BmpFile(Twin8()));
    fs::resize_file(padded, 64ull << 20);
    const LoadedPicture loaded = LoadPicture(padded, false);
    EXPECT_EQ(loaded.result, 0);
    EXPECT_EQ(loaded.image, nullptr);
    // The same picture in a file of its own size loads.
    EXPECT_NE(LoadPicture(Write(L"plain.bmp", BmpFile(Twin8())), false).image, nullptr);
}

} // namespace
} // namespace hexmoor::preview
