// The background dialog through its modal loop: what it shows for the given
// values, what OK and Cancel return, the colour picker's custom colour and
// the scripted open dialog behind "...".
#include "editor/imaging/background_dialog.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "model/dib_pixels.h"
#include "model/gdiplus_init.h"
#include "resources/background_dialog_ids.h"
#include "tests/editor/scripted_dialog.h"

namespace hexmoor::preview {
namespace {

namespace fs = std::filesystem;
using test::Click;
using test::RunScripted;
using test::Text;

struct ScriptedFiles : fw::FileDialogService {
    std::optional<std::wstring> answer;
    int shown = 0;
    std::optional<fw::FileDialogResult> Show(HWND, const fw::FileDialogRequest& request) override {
        ++shown;
        filter = request.filter;
        if (!answer) return std::nullopt;
        return fw::FileDialogResult{*answer, 1};
    }
    std::wstring filter;
};

struct ScriptedColors : links::ColorDialogService {
    bool accept = true;
    COLORREF answer = RGB(1, 2, 3);
    int shown = 0;
    bool Choose(HWND, COLORREF, COLORREF* chosen) override {
        ++shown;
        if (!accept) return false;
        *chosen = answer;
        return true;
    }
};

void SelectEntry(BackgroundDialog& dlg, COLORREF color) {
    const std::vector<COLORREF> colors = dlg.Picker().Colors();
    const auto at = std::find(colors.begin(), colors.end(), color);
    ASSERT_NE(at, colors.end());
    SendMessageW(dlg.Picker().Handle(), CB_SETCURSEL, at - colors.begin(), 0);
    SendMessageW(dlg.Handle(), WM_COMMAND, MAKEWPARAM(IDC_BG_COLOR, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(dlg.Picker().Handle()));
}

COLORREF SelectedEntry(BackgroundDialog& dlg) {
    const LRESULT i = SendMessageW(dlg.Picker().Handle(), CB_GETCURSEL, 0, 0);
    return i == CB_ERR ? links::kCustomColorEntry
                       : static_cast<COLORREF>(SendMessageW(dlg.Picker().Handle(), CB_GETITEMDATA, i, 0));
}

void SetPath(BackgroundDialog& dlg, const std::wstring& path) {
    SetDlgItemTextW(dlg.Handle(), IDC_BG_IMAGE_FILE, path.c_str());
}

int Position(BackgroundDialog& dlg) {
    return static_cast<int>(SendMessageW(dlg.Item(IDC_BG_POSITION), CB_GETCURSEL, 0, 0));
}

bool SameChoice(const BackgroundChoice& a, const BackgroundChoice& b) {
    return a.imageFile == b.imageFile && a.imagePos == b.imagePos && a.color == b.color && a.showImage == b.showImage;
}

class BackgroundDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gdiplus_.IsStarted());
        folder_ = fs::temp_directory_path() / ("hexmoor_bg_" + std::to_string(::GetCurrentProcessId()));
        fs::create_directories(folder_);
        platform::ImagePixels pixels{12, 9, std::vector<std::uint32_t>(108, 0xFF3060A0)};
        picture_ = Write(L"back.bmp", EncodeBmpFilePixels(pixels));
        broken_ = Write(L"broken.bmp", {'B', 'M', 0, 1, 2});
        links::SetColorDialogs(&colors_);
    }
    void TearDown() override {
        links::SetColorDialogs(nullptr);
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    std::wstring Write(const wchar_t* name, const std::vector<std::uint8_t>& bytes) {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return path.wstring();
    }
    BackgroundChoice Given() const { return BackgroundChoice{picture_, kBackgroundTile, RGB(18, 52, 86), false}; }

    CGdiPlusInit gdiplus_;
    fs::path folder_;
    std::wstring picture_, broken_;
    ScriptedFiles files_;
    ScriptedColors colors_;
};

TEST_F(BackgroundDialogTest, ShowsTheGivenValuesWithACustomColourAsItsOwnEntry) {
    BackgroundDialog dlg(Given(), files_);
    COLORREF selected = 0, previewBack = 0;
    std::vector<COLORREF> colors;
    std::wstring path;
    int position = -1;
    UINT shown = BST_CHECKED;
    bool hasImage = false;
    RECT preview{}, picker{}, positions{};
    INT_PTR r = RunScripted(dlg, {[&] {
                                selected = SelectedEntry(dlg);
                                colors = dlg.Picker().Colors();
                                previewBack = dlg.Preview().BackgroundColor();
                                path = Text(dlg.Handle(), IDC_BG_IMAGE_FILE);
                                position = Position(dlg);
                                shown = IsDlgButtonChecked(dlg.Handle(), IDC_BG_SHOW_IMAGE);
                                hasImage = dlg.Preview().Image() != nullptr;
                                GetWindowRect(dlg.Preview().Handle(), &preview);
                                GetWindowRect(dlg.Picker().Handle(), &picker);
                                GetWindowRect(dlg.Item(IDC_BG_POSITION), &positions);
                                MapWindowPoints(nullptr, dlg.Handle(), reinterpret_cast<POINT*>(&preview), 2);
                                Click(dlg.Handle(), IDCANCEL);
                            }});
    EXPECT_EQ(r, IDCANCEL);
    // Not one of the sixteen: shown as an entry of its own, just before the
    // entry that opens the colour dialog.
    EXPECT_EQ(selected, RGB(18, 52, 86));
    ASSERT_GE(colors.size(), 2u);
    EXPECT_EQ(colors[colors.size() - 2], RGB(18, 52, 86));
    EXPECT_EQ(colors.back(), links::kCustomColorEntry);
    EXPECT_TRUE(std::none_of(links::StandardColors().begin(), links::StandardColors().end(),
                             [](const links::NamedColor& c) { return c.color == RGB(18, 52, 86); }));
    EXPECT_EQ(previewBack, RGB(18, 52, 86));
    EXPECT_EQ(path, picture_);
    EXPECT_EQ(position, kBackgroundTile);
    EXPECT_EQ(shown, static_cast<UINT>(BST_UNCHECKED));
    EXPECT_TRUE(hasImage);
    // The preview's client-pixel place; the picker 45 pixels below the list.
    EXPECT_EQ(preview.left, 10);
    EXPECT_EQ(preview.top, 10);
    EXPECT_EQ(preview.right, 320);
    EXPECT_EQ(preview.bottom, 180);
    EXPECT_EQ(picker.left, positions.left);
    EXPECT_EQ(picker.top, positions.top + 45);
}

TEST_F(BackgroundDialogTest, OkReturnsATypedPathThatDoesNotLoadAndTheEditedValues) {
    BackgroundDialog dlg(Given(), files_);
    std::vector<bool> imageAfter;
    INT_PTR r = RunScripted(dlg, {[&] {
                                // Typed letter by letter: only a path that loads shows a picture.
                                const std::wstring shorter = picture_.substr(0, picture_.size() - 1);
                                for (const std::wstring& p : {shorter, picture_, picture_ + L"x"}) {
                                    SetPath(dlg, p);
                                    imageAfter.push_back(dlg.Preview().Image() != nullptr);
                                }
                                SetPath(dlg, L"C:\\no\\such\\folder\\sky.png");
                                imageAfter.push_back(dlg.Preview().Image() != nullptr);
                                SelectEntry(dlg, RGB(255, 0, 0));
                                SendMessageW(dlg.Item(IDC_BG_POSITION), CB_SETCURSEL, kBackgroundStretch, 0);
                                CheckDlgButton(dlg.Handle(), IDC_BG_SHOW_IMAGE, BST_CHECKED);
                                Click(dlg.Handle(), IDOK);
                            }});
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(imageAfter, (std::vector<bool>{false, true, false, false}));
    EXPECT_TRUE(SameChoice(
        dlg.Result(), BackgroundChoice{L"C:\\no\\such\\folder\\sky.png", kBackgroundStretch, RGB(255, 0, 0), true}));
}

TEST_F(BackgroundDialogTest, CancelReturnsTheGivenValuesAfterEdits) {
    BackgroundDialog dlg(Given(), files_);
    INT_PTR r = RunScripted(dlg, {[&] {
                                SetPath(dlg, L"elsewhere.bmp");
                                SelectEntry(dlg, RGB(0, 128, 0));
                                SendMessageW(dlg.Item(IDC_BG_POSITION), CB_SETCURSEL, kBackgroundCenter, 0);
                                CheckDlgButton(dlg.Handle(), IDC_BG_SHOW_IMAGE, BST_CHECKED);
                                Click(dlg.Handle(), IDCANCEL);
                            }});
    EXPECT_EQ(r, IDCANCEL);
    EXPECT_TRUE(SameChoice(dlg.Result(), Given()));
}

TEST_F(BackgroundDialogTest, CustomColourComesFromTheColourDialogAndACancelledOneChangesNothing) {
    BackgroundDialog dlg(BackgroundChoice{L"", kBackgroundCenter, RGB(0, 0, 128), true}, files_);
    COLORREF afterCancel = 0, previewAfterCancel = 0, previewAfterChoice = 0;
    colors_.answer = RGB(200, 100, 50);
    INT_PTR r = RunScripted(dlg, {[&] {
                                colors_.accept = false;
                                SelectEntry(dlg, links::kCustomColorEntry);
                                afterCancel = SelectedEntry(dlg);
                                previewAfterCancel = dlg.Preview().BackgroundColor();
                                colors_.accept = true;
                                SelectEntry(dlg, links::kCustomColorEntry);
                                previewAfterChoice = dlg.Preview().BackgroundColor();
                                Click(dlg.Handle(), IDOK);
                            }});
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(colors_.shown, 2);
    // A cancelled colour dialog leaves the colour chosen before, selected.
    EXPECT_EQ(afterCancel, RGB(0, 0, 128));
    EXPECT_EQ(previewAfterCancel, RGB(0, 0, 128));
    EXPECT_EQ(previewAfterChoice, RGB(200, 100, 50));
    EXPECT_EQ(dlg.Result().color, RGB(200, 100, 50));
}

TEST_F(BackgroundDialogTest, AFileThatDoesNotLoadAtStartEmptiesTheEditAndInvertIsKept) {
    BackgroundDialog dlg(BackgroundChoice{broken_, kBackgroundCenter, RGB(255, 255, 255), true}, files_);
    std::wstring path = L"?";
    bool hasImage = true;
    INT_PTR r = RunScripted(dlg, {[&] {
                                path = Text(dlg.Handle(), IDC_BG_IMAGE_FILE);
                                hasImage = dlg.Preview().Image() != nullptr;
                                SelectEntry(dlg, links::kInvertColor);
                                Click(dlg.Handle(), IDOK);
                            }});
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(path, L"");
    EXPECT_FALSE(hasImage);
    EXPECT_EQ(dlg.Result().imageFile, L"");
    EXPECT_EQ(dlg.Result().color, links::kInvertColor);
}

TEST_F(BackgroundDialogTest, BrowseTakesALoadablePictureOnly) {
    BackgroundDialog dlg(BackgroundChoice{L"", kBackgroundCenter, RGB(255, 255, 255), true}, files_);
    std::wstring afterBroken = L"?", afterGood;
    bool imageAfterBroken = true, imageAfterGood = false;
    INT_PTR r = RunScripted(dlg, {[&] {
                                files_.answer = broken_;
                                Click(dlg.Handle(), IDC_BG_BROWSE);
                                afterBroken = Text(dlg.Handle(), IDC_BG_IMAGE_FILE);
                                imageAfterBroken = dlg.Preview().Image() != nullptr;
                                files_.answer = picture_;
                                Click(dlg.Handle(), IDC_BG_BROWSE);
                                afterGood = Text(dlg.Handle(), IDC_BG_IMAGE_FILE);
                                imageAfterGood = dlg.Preview().Image() != nullptr;
                                Click(dlg.Handle(), IDOK);
                            }});
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(files_.shown, 2);
    EXPECT_EQ(files_.filter, L"Image files (*.bmp;*.png;*.jpg)|*.bmp;*.png;*.jpg||");
    EXPECT_EQ(afterBroken, L"");
    EXPECT_FALSE(imageAfterBroken);
    EXPECT_EQ(afterGood, picture_);
    EXPECT_TRUE(imageAfterGood);
    EXPECT_EQ(dlg.Result().imageFile, picture_);
}

} // namespace
} // namespace hexmoor::preview
