// Loading pictures for the previews from files written in a scratch folder.
#include "editor/imaging/picture_loader.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "model/dib_pixels.h"
#include "model/gdiplus_init.h"
#include "model/platform/image.h"

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

} // namespace
} // namespace hexmoor::preview
