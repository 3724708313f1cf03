// The Edit menu in the real editor: with a static text's colour row
// selected, the menu's rules follow the row and the held colour, Copy then
// Paste enables, "Fill all states" copies the colour to the other state,
// and Refresh runs; the Options pane's pages are the links' pages.
#include <gtest/gtest.h>

#include <commctrl.h>

#include <deque>
#include <functional>

#include "app_fixture.h"
#include "copyright_dialog_ids.h"
#include "scripted_dialog.h"
#include "editor/links/grid_model.h"
#include "editor/links/link_env.h"
#include "editor/links/win/property_list.h"
#include "editor/shell/editor_state.h"
#include "editor/shell/panes/options_pages.h"
#include "editor/shell/runtime_link.h"
#include "model/element_types.h"
#include "model/twf_skin.h"
#include "resources/command_ids.h"

using namespace hexmoor;
using hexmoor::test::EditorApp;

TEST_F(EditorApp, EditMenuFollowsTheSelectedRow) {
    Start();
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring path = std::wstring(temp) + L"hexmoor-edit-" + std::to_wstring(GetCurrentProcessId()) + L".twf";
    {
        CTwfSkin skin;
        skin.InitNewSkin(L"Default");
        skin.GetOrCreateObject(kElemFolder, L"<CC>\\Labels")->SetFolderId(3);
        CTwfObj* label = skin.GetOrCreateObject(kElemStaticText, L"<3>Title");
        label->SetFolderId(3);
        label->SetColor(494, RGB(10, 20, 30));
        skin.SetPath(path);
        ASSERT_TRUE(skin.WriteSkinFile());
    }
    ASSERT_TRUE(app->OpenSkinFile(path));
    ASSERT_NE(frame->Options(), nullptr);
    EXPECT_EQ(links::Links().options, &frame->Options()->Pages().Model());

    auto enabled = [&](unsigned id) { return frame->QueryCommand(id, nullptr).enabled; };
    // Nothing selected: every grid command is off.
    for (unsigned id : {ID_EDIT_COPY_VALUE, ID_EDIT_PASTE_VALUE, ID_EDIT_FILL_ALL_STATES, ID_EDIT_DELETE_VALUE})
        EXPECT_FALSE(enabled(id)) << id;

    shell::CPanelTree* custom = frame->CustomControls();
    TreeView_SelectItem(custom->Tree(), shell::TreeViewStore::ToItem(custom->Model()->Find(L"Labels/Title")));
    links::CPropertyList* grid = frame->Properties()->Grid();
    ASSERT_EQ(grid->Model().Count(), 1);
    SendMessageW(grid->Handle(), LB_SETCURSEL, 0, 0);
    grid->OnSelchange();

    const struct {
        unsigned id;
        bool on;
    } before[] = {{ID_EDIT_COPY_VALUE, true},    {ID_EDIT_COPY_WITH_MARGINS, false},
                  {ID_EDIT_PASTE_VALUE, false},  {ID_EDIT_PASTE_WITH_MARGINS, false},
                  {ID_EDIT_DELETE_VALUE, false}, {ID_EDIT_FILL_ALL_STATES, true},
                  {ID_EDIT_CUT_VALUE, false}};
    for (const auto& c : before) EXPECT_EQ(enabled(c.id), c.on) << c.id;

    ASSERT_TRUE(frame->RunCommand(ID_EDIT_COPY_VALUE));
    EXPECT_TRUE(enabled(ID_EDIT_PASTE_VALUE));
    EXPECT_EQ(grid->Clipboard().HeldColor(), RGB(10, 20, 30));

    shell::Editor().documentModified = false;
    ASSERT_TRUE(frame->RunCommand(ID_EDIT_FILL_ALL_STATES));
    CTwfObj* title = shell::runtime::MainSkin()->FindObject(kElemStaticText, L"<3>Title");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->GetColor(495), RGB(10, 20, 30));
    EXPECT_TRUE(shell::Editor().documentModified);
    EXPECT_TRUE(frame->RunCommand(ID_VIEW_REFRESH));
    DeleteFileW(path.c_str());
}

// The skin-information command: a changed field reaches the skin and marks
// it modified; OK without a change leaves the flag as it was.
TEST_F(EditorApp, CopyrightCommandWritesChangedFieldsOnly) {
    Start();
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring path = std::wstring(temp) + L"hexmoor-info-" + std::to_wstring(GetCurrentProcessId()) + L".twf";
    {
        CTwfSkin stored;
        stored.InitNewSkin(L"Default");
        stored.GetInfo().skinName = L"Before";
        stored.SetPath(path);
        ASSERT_TRUE(stored.WriteSkinFile());
    }
    ASSERT_TRUE(app->OpenSkinFile(path));
    CTwfSkin* skin = shell::runtime::MainSkin();
    ASSERT_NE(skin, nullptr);
    auto dialog = [] { return FindWindowW(nullptr, L"Skin Copyright Info"); };
    auto run = [&](std::deque<std::function<void()>> steps) {
        test::RunWithSteps(
            [&] {
                frame->RunCommand(ID_TOOLS_COPYRIGHT_INFO);
                return 0;
            },
            [&] { return dialog() && IsWindowVisible(dialog()); }, std::move(steps));
    };
    shell::Editor().documentModified = false;
    run({[&] { SetDlgItemTextW(dialog(), IDC_INFO_AUTHOR, L"Someone"); },
         [&] { SendMessageW(dialog(), WM_COMMAND, IDOK, 0); }});
    EXPECT_EQ(skin->GetInfo().author, L"Someone");
    EXPECT_TRUE(shell::Editor().documentModified);
    // The fields start from the skin.
    EXPECT_EQ(skin->GetInfo().skinName, L"Before");

    shell::Editor().documentModified = false;
    run({[&] { SendMessageW(dialog(), WM_COMMAND, IDOK, 0); }});
    EXPECT_FALSE(shell::Editor().documentModified);
    EXPECT_EQ(skin->GetInfo().author, L"Someone");
    DeleteFileW(path.c_str());
}
