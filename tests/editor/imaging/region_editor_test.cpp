// The region editor as a real window, its dialogs answered by a script.
#include "editor/imaging/picker_cursor.h"
#include "editor/imaging/region_editor.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <vector>

#include "model/dib_pixels.h"
#include "model/gdiplus_init.h"
#include "model/image_rgn.h"
#include "model/platform/file.h"
#include "resources/region_editor_ids.h"
#include "tests/harness/test_window.h"

namespace hexmoor::preview {
namespace {

namespace fs = std::filesystem;

class ScriptedFiles : public fw::FileDialogService {
public:
    std::optional<fw::FileDialogResult> Show(HWND, const fw::FileDialogRequest& request) override {
        requests.push_back(request);
        if (answers.empty()) return std::nullopt;
        std::optional<fw::FileDialogResult> next = answers.front();
        answers.pop_front();
        return next;
    }
    void Answer(const std::wstring& path) { answers.push_back(fw::FileDialogResult{path, 1}); }
    std::deque<std::optional<fw::FileDialogResult>> answers;
    std::vector<fw::FileDialogRequest> requests;
};

class RecordingMessages : public fw::MessageBoxService {
public:
    int Show(HWND, const std::wstring& text, const std::wstring&, UINT) override {
        shown.push_back(text);
        return IDOK;
    }
    std::vector<std::wstring> shown;
};

class RegionEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gdiplus_.IsStarted());
        folder_ = fs::temp_directory_path() / ("hexmoor_rgn_" + std::to_string(::GetCurrentProcessId()));
        fs::create_directories(folder_);
        previousShower_ = platform::SetMessageBoxShower(
            [this](const std::wstring& text, const std::wstring&, unsigned) { modelBoxes_.push_back(text); });
    }
    void TearDown() override {
        if (RegionEditor* editor = RegionEditor::Current()) ::DestroyWindow(editor->Handle());
        test::PumpMessages();
        platform::SetMessageBoxShower(std::move(previousShower_));
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    // A picture of the given colour with a black square at (10, 10)-(20, 20).
    std::wstring WritePicture(const wchar_t* name, std::uint32_t argb, bool square = true) {
        platform::ImagePixels pixels{40, 30, std::vector<std::uint32_t>(1200, argb)};
        for (int y = 10; square && y < 20; ++y) {
            for (int x = 10; x < 20; ++x) pixels.argb[y * 40 + x] = 0xFF000000;
        }
        return Write(name, EncodeBmpFilePixels(pixels));
    }
    std::wstring Write(const wchar_t* name, const std::vector<std::uint8_t>& bytes) {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return path.wstring();
    }
    RegionEditor* OpenEditor() {
        RegionEditor* editor = RegionEditor::Open(host_.Handle(), files_, messages_);
        if (editor) ::SetWindowPos(editor->Handle(), HWND_TOP, 0, 0, 640, 480, SWP_SHOWWINDOW);
        test::PumpMessages();
        return editor;
    }
    static bool CreateGreyed(RegionEditor& editor) {
        return (::GetMenuState(::GetMenu(editor.Handle()), 1, MF_BYPOSITION) & MF_GRAYED) != 0;
    }
    static std::vector<RECT> Rects(const CImageRgn& region) {
        const std::vector<std::uint8_t> data = region.GetRegionData();
        std::vector<RECT> rects(data.size() >= 32 ? (data.size() - 32) / 16 : 0);
        if (!rects.empty()) std::memcpy(rects.data(), data.data() + 32, rects.size() * 16);
        return rects;
    }

    CGdiPlusInit gdiplus_;
    test::TestWindow host_{{.clientWidth = 100, .clientHeight = 100}};
    ScriptedFiles files_;
    RecordingMessages messages_;
    fs::path folder_;
    std::vector<std::wstring> modelBoxes_;
    platform::MessageBoxShower previousShower_;
};

TEST_F(RegionEditorTest, OpensOnceAndBuildsTheRegionOfAPicture) {
    RegionEditor* editor = OpenEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(RegionEditor::Open(host_.Handle(), files_, messages_), editor); // a second open does nothing
    EXPECT_TRUE(CreateGreyed(*editor));
    EXPECT_FALSE(::IsWindowEnabled(editor->Settings().Item(IDC_RGN_UPDATE)));

    // Not a bitmap: the message, and "Create RGN" stays greyed.
    std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 0};
    files_.Answer(Write(L"fake.bmp", png));
    editor->ChooseImage();
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0], L"You MUST First Load Picture!");
    EXPECT_TRUE(CreateGreyed(*editor));

    files_.Answer(WritePicture(L"Square.BMP", 0xFFFFFFFF));
    editor->ChooseImage();
    EXPECT_FALSE(CreateGreyed(*editor));
    EXPECT_TRUE(::IsWindowEnabled(editor->Settings().Item(IDC_RGN_UPDATE)));
    EXPECT_FALSE(::IsWindowEnabled(editor->Settings().Item(IDC_RGN_DEST_R))); // range still off
    const CImageRgn* region = editor->RegionView().GetRegion();
    ASSERT_NE(region, nullptr);
    const std::vector<RECT> rects = Rects(*region);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].left, 10);
    EXPECT_EQ(rects[0].bottom, 20);

    // Invert and Update: everything but the square.
    ::CheckDlgButton(editor->Settings().Handle(), IDC_RGN_INVERT, BST_CHECKED);
    editor->Settings().Update();
    EXPECT_EQ(Rects(*editor->RegionView().GetRegion()).size(), 4u); // above, left, right, below
}

TEST_F(RegionEditorTest, SavesAndLoadsRegionFiles) {
    RegionEditor* editor = OpenEditor();
    ASSERT_NE(editor, nullptr);
    files_.Answer(WritePicture(L"my.dir.shape.bmp", 0xFFFFFFFF));
    editor->ChooseImage();
    const std::wstring saved = (folder_ / L"out.rgn").wstring();
    files_.Answer(saved);
    editor->CreateRegionFile();
    ASSERT_EQ(files_.requests.size(), 2u);
    EXPECT_EQ(files_.requests[1].initialPath, L"my.dir.shape.rgn"); // the file name's extension replaced
    EXPECT_TRUE(files_.requests[1].save);
    std::vector<std::uint8_t> bytes;
    ASSERT_EQ(platform::ReadFileBytes(saved, &bytes), platform::FileReadResult::kOk);
    auto decoded = DecodeRegionFile(bytes);
    ASSERT_NE(decoded->GetHRgn(), nullptr);
    EXPECT_EQ(decoded->GetWidth(), 40);
    EXPECT_EQ(Rects(*decoded).size(), 1u);

    // Cancel writes nothing.
    fs::remove(saved);
    editor->CreateRegionFile();
    EXPECT_FALSE(fs::exists(saved));
    files_.Answer(saved);
    editor->CreateRegionFile();

    // Loading shows the region and its picture, and disables the form.
    files_.Answer(saved);
    editor->LoadRegion();
    ASSERT_NE(editor->RegionView().GetRegion(), nullptr);
    EXPECT_TRUE(::EqualRgn(editor->RegionView().GetRegion()->GetHRgn(), decoded->GetHRgn()));
    EXPECT_NE(editor->Picture().GetBitmapHandle(), nullptr);
    EXPECT_FALSE(::IsWindowEnabled(editor->Settings().Item(IDC_RGN_UPDATE)));
    EXPECT_TRUE(modelBoxes_.empty());
}

TEST_F(RegionEditorTest, HostileRegionFileGivesAMessageAndAnEmptyView) {
    RegionEditor* editor = OpenEditor();
    ASSERT_NE(editor, nullptr);
    std::vector<std::uint8_t> hostile(12, 0);
    hostile[0] = 0xFF; // width far beyond the canvas limit
    hostile[1] = 0xFF;
    hostile[2] = 0xFF;
    hostile[3] = 0x7F;
    const std::wstring path = Write(L"hostile.rgn", hostile);
    files_.Answer(path);
    editor->LoadRegion();
    EXPECT_EQ(modelBoxes_.size(), 1u);
    EXPECT_EQ(editor->RegionView().GetRegion(), nullptr);
    EXPECT_EQ(editor->Picture().Image(), nullptr);
    EXPECT_TRUE(CreateGreyed(*editor));
    // The file is left as it was.
    std::vector<std::uint8_t> after;
    ASSERT_EQ(platform::ReadFileBytes(path, &after), platform::FileReadResult::kOk);
    EXPECT_EQ(after, hostile);
}

TEST_F(RegionEditorTest, PicksTheColourUnderThePointer) {
    RegionEditor* editor = OpenEditor();
    ASSERT_NE(editor, nullptr);
    files_.Answer(WritePicture(L"plain.bmp", 0xFF0A141E, false)); // RGB(10, 20, 30)
    editor->ChooseImage();
    editor->Picture().Repaint();
    test::PumpMessages();
    RegionSettings& form = editor->Settings();
    // A click on the base picker starts picking: the picture holds the mouse.
    RECT picker{};
    ::GetWindowRect(form.Item(IDC_RGN_BASE_PICKER), &picker);
    ::MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&picker), 2);
    ::SendMessageW(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON,
                   MAKELPARAM((picker.left + picker.right) / 2, (picker.top + picker.bottom) / 2));
    EXPECT_EQ(form.TrackingMode(), 0);
    EXPECT_EQ(::GetCapture(), editor->Picture().Handle());
    // Picking shows the application's pipette, not the system's cross.
    EXPECT_EQ(::GetCursor(), preview::ColorPickerCursor());
    EXPECT_NE(::GetCursor(), ::LoadCursorW(nullptr, IDC_CROSS));
    // The pointer over the middle of the picture (a known colour on screen).
    RECT view{};
    ::GetClientRect(editor->Picture().Handle(), &view);
    POINT middle{view.right / 2, view.bottom / 2};
    POINT screen = middle;
    ::ClientToScreen(editor->Picture().Handle(), &screen);
    ::SetCursorPos(screen.x, screen.y);
    ::SendMessageW(editor->Picture().Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(middle.x, middle.y));
    wchar_t text[16];
    ::GetDlgItemTextW(form.Handle(), IDC_RGN_BASE_R, text, 16);
    EXPECT_STREQ(text, L"10");
    ::GetDlgItemTextW(form.Handle(), IDC_RGN_BASE_G, text, 16);
    EXPECT_STREQ(text, L"20");
    ::GetDlgItemTextW(form.Handle(), IDC_RGN_BASE_B, text, 16);
    EXPECT_STREQ(text, L"30");
    // The next click fixes the colour and ends picking.
    ::SendMessageW(editor->Picture().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(middle.x, middle.y));
    EXPECT_EQ(form.TrackingMode(), -1);
    EXPECT_NE(::GetCapture(), editor->Picture().Handle());
    // Update with that key: the whole plain picture matches, the region is empty.
    form.Update();
    ASSERT_NE(editor->RegionView().GetRegion(), nullptr);
    EXPECT_TRUE(Rects(*editor->RegionView().GetRegion()).empty());
}

TEST_F(RegionEditorTest, ClosingClearsTheEditor) {
    RegionEditor* editor = OpenEditor();
    ASSERT_NE(editor, nullptr);
    ::SendMessageW(editor->Handle(), WM_CLOSE, 0, 0);
    test::PumpMessages();
    EXPECT_EQ(RegionEditor::Current(), nullptr);
    RegionEditor* again = OpenEditor();
    ASSERT_NE(again, nullptr);
    RECT r{};
    ::SetWindowPos(again->Handle(), nullptr, 0, 0, 100, 100, SWP_NOZORDER);
    ::GetWindowRect(again->Handle(), &r);
    EXPECT_GE(r.right - r.left, 360);
    EXPECT_GE(r.bottom - r.top, 375);
}

} // namespace
} // namespace hexmoor::preview
