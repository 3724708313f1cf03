// The open dialog with a preview: its notifications on a stand-in template
// window, and the system dialog itself under Wine.
#include "editor/imaging/preview_file_dialog.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "model/dib_pixels.h"
#include "model/gdiplus_init.h"
#include "model/image_rgn.h"
#include "model/platform/region.h"
#include "resources/region_editor_ids.h"
#include "tests/harness/test_window.h"

namespace hexmoor::preview {
namespace {

namespace fs = std::filesystem;

class PreviewFileDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gdiplus_.IsStarted());
        folder_ = fs::temp_directory_path() / ("hexmoor_open_" + std::to_string(::GetCurrentProcessId()));
        fs::create_directories(folder_);
        platform::ImagePixels pixels{8, 6, std::vector<std::uint32_t>(48, 0xFF102030)};
        picture_ = Write(L"pic.bmp", EncodeBmpFilePixels(pixels));
        CImageRgn region(platform::CreateRectRegion(1, 1, 4, 4), 8, 8);
        regionFile_ = Write(L"shape.rgn", EncodeRegionFile(region));
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
    // A window standing in for the dialog's child template, with its group box.
    HWND MakeTemplate(test::TestWindow& window) {
        HWND area = ::CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 20, 10, 150, 15,
                                      window.Handle(), reinterpret_cast<HMENU>(IDC_PREVIEW_AREA), nullptr, nullptr);
        EXPECT_NE(area, nullptr);
        return window.Handle();
    }

    CGdiPlusInit gdiplus_;
    fs::path folder_;
    std::wstring picture_, regionFile_;
};

TEST_F(PreviewFileDialogTest, ImagePreviewFollowsSelectionAndFolder) {
    test::TestWindow window({.clientWidth = 300, .clientHeight = 260});
    PreviewFileDialog dialog;
    dialog.OnInitDone(MakeTemplate(window), L"Image files (*.bmp;*.png;*.jpg)|*.bmp;*.png;*.jpg||");
    const RECT r = dialog.PreviewRect();
    const int h = ::GetSystemMetrics(SM_CYHSCROLL);
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.top, 10 + 2 * h);
    EXPECT_EQ(r.right, 295);
    EXPECT_EQ(r.bottom, 260 - h - 1);
    EXPECT_TRUE(dialog.ShowsImages());
    EXPECT_TRUE(::IsWindowVisible(dialog.Image().Handle()));
    EXPECT_FALSE(::IsWindowVisible(dialog.Region().Handle()));
    dialog.OnSelectionChange(picture_);
    ASSERT_NE(dialog.Image().Image(), nullptr);
    EXPECT_EQ(dialog.Image().Image()->GetWidth(), 8);
    dialog.OnFolderChange();
    EXPECT_EQ(dialog.Image().Image(), nullptr);
}

TEST_F(PreviewFileDialogTest, RegionPreviewStaysOnFolderChange) {
    test::TestWindow window({.clientWidth = 300, .clientHeight = 260});
    PreviewFileDialog dialog;
    dialog.OnInitDone(MakeTemplate(window), L"Region Files (*.rgn)|*.rgn|All Files (*.*)|*.*||");
    EXPECT_FALSE(dialog.ShowsImages());
    EXPECT_TRUE(::IsWindowVisible(dialog.Region().Handle()));
    dialog.OnSelectionChange(regionFile_);
    ASSERT_NE(dialog.Region().GetRegion(), nullptr);
    dialog.OnFolderChange();
    EXPECT_NE(dialog.Region().GetRegion(), nullptr);
    dialog.OnSelectionChange(L""); // nothing selected: the region stays
    EXPECT_NE(dialog.Region().GetRegion(), nullptr);
}

// The system dialog with the template: a timer inside its modal loop looks
// at the preview and then types a file name and presses OK.
PreviewFileDialog* g_dialog = nullptr;
std::wstring g_typed;
RECT g_seen{};
bool g_imageViewSeen = false;

void CALLBACK Drive(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = nullptr;
    for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
        wchar_t cls[16] = {};
        ::GetClassNameW(w, cls, 16);
        if (std::wstring(cls) == L"#32770" && ::IsWindowVisible(w) &&
            ::GetWindowThreadProcessId(w, nullptr) == ::GetCurrentThreadId()) {
            dialog = w;
            break;
        }
    }
    if (!dialog) return;
    ::KillTimer(nullptr, id);
    g_seen = g_dialog->PreviewRect();
    g_imageViewSeen = g_dialog->Image().Handle() != nullptr && ::IsWindowVisible(g_dialog->Image().Handle());
    ::SendMessageW(dialog, CDM_SETCONTROLTEXT, 1148 /* file name combo */, reinterpret_cast<LPARAM>(g_typed.c_str()));
    ::SendMessageW(dialog, CDM_SETCONTROLTEXT, 1152 /* file name edit */, reinterpret_cast<LPARAM>(g_typed.c_str()));
    ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

TEST_F(PreviewFileDialogTest, SystemDialogCarriesThePreview) {
    test::TestWindow owner({.clientWidth = 100, .clientHeight = 100});
    fw::SystemFileDialog files;
    PreviewFileDialog dialog;
    g_dialog = &dialog;
    g_typed = picture_;
    ::SetTimer(nullptr, 0, 300, &Drive);
    fw::FileDialogRequest request;
    request.filter = L"Bmp Files (*.bmp)|*.bmp||";
    request.flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    const std::optional<fw::FileDialogResult> chosen = dialog.Run(files, owner.Handle(), request);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_TRUE(fs::equivalent(fs::path(chosen->path), fs::path(picture_)));
    EXPECT_LT(g_seen.left, g_seen.right); // the preview has room
    EXPECT_LT(g_seen.top, g_seen.bottom);
    EXPECT_TRUE(g_imageViewSeen);
}

} // namespace
} // namespace hexmoor::preview
