// The image tools as the editor's frame reaches them: the region editor's
// command, the colour-adjustment pane's closing question and the background
// command.
#include <windows.h>

#include "editor/imaging/region_editor.h"
#include "framework/profile.h"
#include "resources/background_dialog_ids.h"
#include "resources/color_adjust_ids.h"
#include "resources/command_ids.h"
#include "tests/editor/app_fixture.h"
#include "tests/editor/scripted_dialog.h"

namespace hexmoor::test {
namespace {

TEST_F(EditorApp, RegionEditorCommandOpensOneEditor) {
    Start({L"x.twf"});
    HWND h = frame->Handle();
    SendMessageW(h, WM_COMMAND, MAKEWPARAM(ID_TOOLS_REGION_EDITOR, 0), 0);
    preview::RegionEditor* editor = preview::RegionEditor::Current();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(GetWindow(editor->Handle(), GW_OWNER), h);
    SendMessageW(h, WM_COMMAND, MAKEWPARAM(ID_TOOLS_REGION_EDITOR, 0), 0);
    EXPECT_EQ(preview::RegionEditor::Current(), editor);
    wchar_t caption[64] = {};
    GetWindowTextW(editor->Handle(), caption, 64);
    EXPECT_STREQ(caption, L"Region Editor");
    SendMessageW(editor->Handle(), WM_CLOSE, 0, 0);
    Settle();
    EXPECT_EQ(preview::RegionEditor::Current(), nullptr);
}

TEST_F(EditorApp, HidingTheAdjustmentPaneInPerControlModeAsks) {
    Start({L"x.twf"});
    using namespace shell;
    frame->TogglePane(kPaneColorAdjustment);
    ASSERT_TRUE(frame->IsPaneVisible(kPaneColorAdjustment));
    messages->shown.clear();
    preview::ColorAdjustPane& pane = frame->ColorAdjustment()->Pane();
    SendMessageW(pane.Item(IDC_HSL_EDIT_CONTROL), BM_CLICK, 0, 0);
    messages->answer = IDNO;
    frame->TogglePane(kPaneColorAdjustment);
    EXPECT_FALSE(frame->IsPaneVisible(kPaneColorAdjustment));
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0], L"Would you like to save your changes ColorAdjasment?");
    EXPECT_EQ(IsDlgButtonChecked(pane.Handle(), IDC_HSL_EDIT_CONTROL), BST_UNCHECKED);
    // Whole-skin mode with nothing pending: shown and hidden without a question.
    frame->TogglePane(kPaneColorAdjustment);
    frame->TogglePane(kPaneColorAdjustment);
    EXPECT_EQ(messages->shown.size(), 1u);
}

HWND BackgroundDialogWindow() {
    HWND h = FindWindowW(L"#32770", L"Background color and image");
    return h && IsWindowVisible(h) ? h : nullptr;
}

// Runs the background command while the steps play on its dialog.
void RunBackgroundCommand(HWND frame, std::deque<std::function<void()>> steps) {
    RunWithSteps(
        [&] {
            SendMessageW(frame, WM_COMMAND, MAKEWPARAM(ID_VIEW_SET_BACKGROUND, 0), 0);
            return 0;
        },
        [] { return BackgroundDialogWindow() != nullptr; }, std::move(steps));
}

TEST_F(EditorApp, BackgroundCommandKeepsWhatOkReturnsAndExitWritesIt) {
    Start({L"x.twf"});
    shell::EditorSettings& s = app->Settings();
    s.backgroundColor = RGB(0, 0, 128);
    s.backgroundImagePos = 1;
    s.showImage = 0;
    int shownPosition = -1;
    HWND owner = nullptr;
    RunBackgroundCommand(frame->Handle(), {[&] {
                             HWND dlg = BackgroundDialogWindow();
                             owner = GetWindow(dlg, GW_OWNER);
                             shownPosition =
                                 static_cast<int>(SendDlgItemMessageW(dlg, IDC_BG_POSITION, CB_GETCURSEL, 0, 0));
                             SetDlgItemTextW(dlg, IDC_BG_IMAGE_FILE, L"C:\\pictures\\missing.png");
                             SendDlgItemMessageW(dlg, IDC_BG_POSITION, CB_SETCURSEL, 2, 0);
                             CheckDlgButton(dlg, IDC_BG_SHOW_IMAGE, BST_CHECKED);
                             Click(dlg, IDOK);
                         }});
    EXPECT_EQ(owner, frame->Handle());
    EXPECT_EQ(shownPosition, 1);
    EXPECT_EQ(s.backgroundImageFile, L"C:\\pictures\\missing.png");
    EXPECT_EQ(s.backgroundImagePos, 2);
    EXPECT_EQ(s.backgroundColor, static_cast<unsigned>(RGB(0, 0, 128)));
    EXPECT_EQ(s.showImage, 1);

    // Cancel keeps the settings as they were.
    RunBackgroundCommand(frame->Handle(), {[&] {
                             HWND dlg = BackgroundDialogWindow();
                             SetDlgItemTextW(dlg, IDC_BG_IMAGE_FILE, L"other.bmp");
                             CheckDlgButton(dlg, IDC_BG_SHOW_IMAGE, BST_UNCHECKED);
                             Click(dlg, IDCANCEL);
                         }});
    EXPECT_EQ(s.backgroundImageFile, L"C:\\pictures\\missing.png");
    EXPECT_EQ(s.showImage, 1);

    // The kept values reach the registry at exit and come back at start-up.
    Stop();
    fw::Profile profile(L"Tarnwick", L"Hexmoor");
    EXPECT_EQ(profile.GetString(shell::kSettingsSection, L"BackgroundImageFile", L""), L"C:\\pictures\\missing.png");
    EXPECT_EQ(profile.GetInt(shell::kSettingsSection, L"BackgroundImagePos", 0), 2);
    EXPECT_EQ(profile.GetInt(shell::kSettingsSection, L"BackgroundColor", 0), static_cast<int>(RGB(0, 0, 128)));
    EXPECT_EQ(profile.GetInt(shell::kSettingsSection, L"ShowImage", 0), 1);
    Start({L"x.twf"});
    EXPECT_EQ(app->Settings().backgroundImageFile, L"C:\\pictures\\missing.png");
    EXPECT_EQ(app->Settings().backgroundImagePos, 2);
}

} // namespace
} // namespace hexmoor::test
