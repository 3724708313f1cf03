// The file roads and the element trees in the real editor: a skin opened
// fills the custom-controls and user-data trees, the tree commands edit it,
// selecting an item names it in the Properties pane and fills the grid with
// its links' rows, and a save keeps it.
#include <gtest/gtest.h>

#include <commctrl.h>

#include "app_fixture.h"
#include "editor/links/grid_model.h"
#include "editor/links/property_item.h"
#include "editor/links/win/property_list.h"
#include "editor/shell/editor_state.h"
#include "editor/shell/trees/element_tree.h"
#include "editor/shell/runtime_link.h"
#include "model/element_types.h"
#include "model/twf_skin.h"
#include "resources/command_ids.h"

using namespace hexmoor;
using hexmoor::test::EditorApp;

namespace {

std::wstring TempSkinPath(const wchar_t* name) {
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + L"hexmoor-trees-" + std::to_wstring(GetCurrentProcessId()) + L"-" + name;
}

// A skin with one custom control in a folder and one user-data block.
bool WriteDialogsSkin(const std::wstring& path) {
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    skin.GetOrCreateObject(kElemFolder, L"<CC>\\Dialogs")->SetFolderId(3);
    skin.GetOrCreateObject(kElemButton, L"<3>OkButton")->SetFolderId(3);
    skin.GetOrCreateObject(kElemUserData, L"Blob");
    skin.SetPath(path);
    return skin.WriteSkinFile() != FALSE;
}

} // namespace

TEST_F(EditorApp, AnOpenedSkinFillsTheTreesAndTheirCommandsEditItUntilSaved) {
    Start();
    const std::wstring path = TempSkinPath(L"a.twf");
    ASSERT_TRUE(WriteDialogsSkin(path));
    ASSERT_TRUE(app->OpenSkinFile(path));
    shell::CPanelTree* custom = frame->CustomControls();
    shell::CPanelTree* userData = frame->UserData();
    ASSERT_TRUE(custom->Model() && userData->Model());
    EXPECT_EQ(TreeView_GetCount(custom->Tree()), 3u);
    EXPECT_EQ(TreeView_GetCount(userData->Tree()), 2u);
    EXPECT_FALSE(shell::Editor().documentModified);

    // Selecting the button shows its page, under the button page's caption.
    shell::TreeHandle button = custom->Model()->Find(L"Dialogs/OkButton");
    ASSERT_NE(button, nullptr);
    TreeView_SelectItem(custom->Tree(), shell::TreeViewStore::ToItem(button));
    ASSERT_NE(frame->PropertiesSeam().Current(), nullptr);
    EXPECT_EQ(frame->PropertiesSeam().Current()->scheme, L"<3>OkButton");
    EXPECT_EQ(frame->Docks().Caption(shell::kPaneProperties), L"Properties - Button");

    // The tree's commands run through the frame with the focus in the tree.
    SetFocus(custom->Tree());
    EXPECT_TRUE(frame->RunCommand(ID_ADD_EDIT, custom->Tree()));
    EXPECT_NE(custom->Model()->Find(L"Dialogs/CustomEdit"), nullptr);
    EXPECT_TRUE(shell::Editor().documentModified);
    TreeView_SelectItem(custom->Tree(), shell::TreeViewStore::ToItem(custom->Model()->Find(L"Dialogs/OkButton")));
    // Delete asks first: No keeps the item, Yes deletes it.
    const std::wstring question = L"Are you sure you want to delete the selected item?";
    messages->shown.clear();
    messages->answer = IDNO;
    EXPECT_TRUE(frame->RunCommand(ID_TREE_DELETE, custom->Tree()));
    EXPECT_EQ(messages->shown, std::vector<std::wstring>{question});
    EXPECT_NE(custom->Model()->Find(L"Dialogs/OkButton"), nullptr);
    messages->answer = IDYES;
    EXPECT_TRUE(frame->RunCommand(ID_TREE_DELETE, custom->Tree()));
    EXPECT_EQ(messages->shown.size(), 2u);
    EXPECT_EQ(custom->Model()->Find(L"Dialogs/OkButton"), nullptr);

    // Save writes it; reopening gives the same trees.
    EXPECT_EQ(app->SaveSkinFile(path, false), shell::SaveOutcome::Saved);
    EXPECT_FALSE(shell::Editor().documentModified);
    const auto dump = custom->Model()->Dump();
    ASSERT_TRUE(app->OpenSkinFile(path));
    EXPECT_EQ(custom->Model()->Dump(), dump);
    EXPECT_NE(shell::runtime::MainSkin()->FindObject(kElemEdit, L"<3>CustomEdit"), nullptr);
    EXPECT_EQ(shell::runtime::MainSkin()->FindObject(kElemButton, L"<3>OkButton"), nullptr);
    DeleteFileW(path.c_str());
}

TEST_F(EditorApp, ASelectedItemFillsTheGridAndARowEditMarksTheSkinModified) {
    Start();
    const std::wstring path = TempSkinPath(L"b.twf");
    {
        CTwfSkin skin;
        skin.InitNewSkin(L"Default");
        skin.GetOrCreateObject(kElemFolder, L"<CC>\\Labels")->SetFolderId(3);
        CTwfObj* label = skin.GetOrCreateObject(kElemStaticText, L"<3>Title");
        label->SetFolderId(3);
        label->SetColor(494, RGB(10, 20, 30));
        skin.GetOrCreateObject(kElemScrollbars, L"<3>Bars")->SetFolderId(3);
        skin.GetOrCreateObject(kElemUserData, L"Blob");
        skin.SetPath(path);
        ASSERT_TRUE(skin.WriteSkinFile());
    }
    ASSERT_TRUE(app->OpenSkinFile(path));
    shell::CPanelTree* custom = frame->CustomControls();
    shell::CPanelTree* userData = frame->UserData();
    links::PropertyGridModel& grid = frame->Properties()->Grid()->Model();
    auto select = [](shell::CPanelTree* panel, const wchar_t* item) {
        shell::TreeHandle h = panel->Model()->Find(item);
        ASSERT_NE(h, nullptr) << item;
        TreeView_SelectItem(panel->Tree(), shell::TreeViewStore::ToItem(h));
    };

    // The static text's page for the normal state: its text colour row.
    select(custom, L"Labels/Title");
    ASSERT_NE(frame->PropertiesSeam().Link(), nullptr);
    ASSERT_EQ(grid.Count(), 1);
    EXPECT_EQ(grid.Item(0)->Id(), 494);
    EXPECT_TRUE(IsWindowVisible(frame->Properties()->Grid()->Handle()));
    EXPECT_FALSE(shell::Editor().documentModified);

    // Editing the row writes the element and marks the document modified.
    ASSERT_EQ(grid.Select(0), links::EditorKind::kColor);
    grid.SetSelectedColor(RGB(200, 100, 50));
    grid.CloseEditor();
    EXPECT_EQ(shell::runtime::MainSkin()->FindObject(kElemStaticText, L"<3>Title")->GetColor(494), RGB(200, 100, 50));
    EXPECT_TRUE(shell::Editor().documentModified);

    // The scroll-bars folder: its page has no rows and hides the grid.
    select(custom, L"Labels/Bars");
    ASSERT_NE(frame->PropertiesSeam().Link(), nullptr);
    EXPECT_EQ(links::Links().current, frame->PropertiesSeam().Link());
    EXPECT_EQ(grid.Count(), 0);
    EXPECT_FALSE(IsWindowVisible(frame->Properties()->Grid()->Handle()));
    EXPECT_EQ(frame->Docks().Caption(shell::kPaneProperties), L"Properties - Scrollbars");

    // User data shows its block row; clearing the trees drops it.
    select(userData, L"Blob");
    ASSERT_NE(frame->PropertiesSeam().Link(), nullptr);
    EXPECT_EQ(grid.Count(), 1);
    frame->ClearTrees();
    EXPECT_EQ(frame->PropertiesSeam().Link(), nullptr);
    EXPECT_EQ(grid.Count(), 0);
    DeleteFileW(path.c_str());
}

// The two trees behind the default tree's tab are empty until a skin fills
// them and are not made at start-up. Filling a skin makes them, hidden, so
// that every element is bound (custom controls switched on) whether or not a
// tab ever shows; a tab's show puts its tree in the tab group. Without a
// skin, a tab's first show makes its empty tree.
TEST_F(EditorApp, HiddenTreeTabsAreMadeWhenASkinFillsThemOrTheirTabFirstShows) {
    Start();
    auto& docks = frame->Docks();
    EXPECT_EQ(docks.Content(shell::kPaneCustomControls), nullptr);
    EXPECT_EQ(docks.Content(shell::kPaneUserData), nullptr);
    EXPECT_EQ(shell::Editor().trees[1], nullptr);
    EXPECT_EQ(shell::Editor().trees[2], nullptr);

    docks.RequestActivate(shell::kPaneUserData);
    test::Settle();
    HWND userPane = docks.Content(shell::kPaneUserData);
    ASSERT_TRUE(userPane);
    EXPECT_TRUE(IsWindowVisible(userPane));
    EXPECT_EQ(GetParent(userPane), docks.Container(shell::kPaneDefaultControls));
    EXPECT_EQ(docks.Content(shell::kPaneCustomControls), nullptr);
    docks.RequestActivate(shell::kPaneDefaultControls);
    test::Settle();

    const std::wstring path = TempSkinPath(L"c.twf");
    ASSERT_TRUE(WriteDialogsSkin(path));
    ASSERT_TRUE(app->OpenSkinFile(path));
    HWND customPane = docks.Content(shell::kPaneCustomControls);
    ASSERT_TRUE(customPane);
    EXPECT_FALSE(IsWindowVisible(customPane));
    EXPECT_FALSE(IsWindowVisible(userPane));
    shell::CPanelTree* custom = frame->CustomControls();
    EXPECT_EQ(custom->Handle(), customPane);
    EXPECT_EQ(shell::Editor().trees[1], custom->Tree());
    EXPECT_EQ(TreeView_GetCount(custom->Tree()), 3u);
    EXPECT_TRUE(shell::runtime::MainSkin()->FindObject(kElemButton, L"<3>OkButton")->IsEnabled());
    EXPECT_NE(SendMessageW(custom->Bar().Handle(), TB_ISBUTTONENABLED, 1, 0), 0);
    EXPECT_EQ(TreeView_GetCount(frame->UserData()->Tree()), 2u);

    docks.RequestActivate(shell::kPaneCustomControls);
    test::Settle();
    EXPECT_TRUE(IsWindowVisible(customPane));
    EXPECT_EQ(GetParent(customPane), docks.Container(shell::kPaneDefaultControls));
    DeleteFileW(path.c_str());
}
