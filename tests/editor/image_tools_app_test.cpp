// The image tools as the editor's frame reaches them: the region editor's
// command and the colour-adjustment pane's closing question.
#include <windows.h>

#include "editor/preview/region_editor.h"
#include "resources/color_adjust_ids.h"
#include "resources/command_ids.h"
#include "tests/editor/app_fixture.h"

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
    Drain();
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

} // namespace
} // namespace hexmoor::test
