// The default-controls tree in the real editor: filled with the skin's
// enabled flags, its check boxes under a real click and the Space key, its
// items selected like the others', and one tree holding the selection.
#include <gtest/gtest.h>

#include <commctrl.h>

#include "app_fixture.h"
#include "editor/shell/editor_state.h"
#include "editor/shell/trees/element_tree.h"
#include "editor/shell/runtime_link.h"
#include "model/element_types.h"
#include "model/twf_skin.h"
#include "resources/command_ids.h"

using namespace hexmoor;
using hexmoor::test::EditorApp;

namespace {

HTREEITEM ItemOf(shell::CPanelTree* panel, const wchar_t* path) {
    return shell::TreeViewStore::ToItem(panel->Model()->Find(path));
}

bool Checked(HWND tree, HTREEITEM item) { return (TreeView_GetItemState(tree, item, TVIS_STATEIMAGEMASK) >> 12) == 2; }

// The point of the item's check box in the tree's client area, found by
// the tree's own hit test left of the label.
bool CheckBoxPoint(HWND tree, HTREEITEM item, POINT* at) {
    RECT label{};
    if (!TreeView_GetItemRect(tree, item, &label, TRUE)) return false;
    for (int x = label.left - 1; x > label.left - 40 && x >= 0; --x) {
        TVHITTESTINFO hit{};
        hit.pt = {x, (label.top + label.bottom) / 2};
        if (TreeView_HitTest(tree, &hit) == item && (hit.flags & TVHT_ONITEMSTATEICON)) {
            // The middle of the box: a few pixels further left.
            *at = {x - 4, hit.pt.y};
            return true;
        }
    }
    return false;
}

using test::ClickAt;
using test::Settle;

void PressSpace() {
    INPUT input[2] = {};
    for (auto& i : input) {
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = VK_SPACE;
    }
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
    Settle();
}

} // namespace

TEST_F(EditorApp, TheDefaultTreeShowsTheEnabledFlagsAndItsChecksSetThem) {
    Start();
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring path =
        std::wstring(temp) + L"hexmoor-default-tree-" + std::to_wstring(GetCurrentProcessId()) + L".twf";
    {
        CTwfSkin skin;
        skin.InitNewSkin(L"Default");
        skin.GetOrCreateObject(kElemButton, L"Default")->SetEnabled(TRUE);
        skin.GetOrCreateObject(kElemEdit, L"Default")->SetEnabled(FALSE);
        skin.GetOrCreateObject(kElemButton, L"Mine");
        skin.SetPath(path);
        ASSERT_TRUE(skin.WriteSkinFile());
    }
    ASSERT_TRUE(app->OpenSkinFile(path));
    shell::CPanelTree* panel = frame->DefaultControls();
    ASSERT_NE(panel->Model(), nullptr);
    HWND tree = panel->Tree();
    CTwfSkin* skin = shell::runtime::MainSkin();
    HTREEITEM button = ItemOf(panel, L"Controls/Button");
    HTREEITEM edit = ItemOf(panel, L"Controls/Edit");
    ASSERT_TRUE(button && edit);
    EXPECT_TRUE(Checked(tree, button));
    EXPECT_FALSE(Checked(tree, edit));
    // Groups and parts carry no box; the custom tree none at all.
    EXPECT_EQ(TreeView_GetItemState(tree, ItemOf(panel, L"Controls"), TVIS_STATEIMAGEMASK), 0u);
    EXPECT_EQ(
        TreeView_GetItemState(tree, ItemOf(panel, L"Controls/Scrollbars/Internal HScrollbar"), TVIS_STATEIMAGEMASK),
        0u);
    EXPECT_FALSE(shell::Editor().documentModified);

    // A real click on the edit's box switches the element on, and leaves the
    // selection where it was.
    ASSERT_TRUE(IsWindowVisible(tree));
    SetForegroundWindow(frame->Handle());
    TreeView_SelectItem(tree, button);
    SetFocus(tree);
    POINT box{};
    ASSERT_TRUE(CheckBoxPoint(tree, edit, &box));
    ClickAt(tree, box);
    EXPECT_TRUE(Checked(tree, edit));
    EXPECT_TRUE(skin->FindObject(kElemEdit, L"Default")->IsEnabled());
    EXPECT_TRUE(shell::Editor().documentModified);
    EXPECT_EQ(TreeView_GetSelection(tree), button);
    // Again: off.
    ClickAt(tree, box);
    EXPECT_FALSE(Checked(tree, edit));
    EXPECT_FALSE(skin->FindObject(kElemEdit, L"Default")->IsEnabled());

    // Space toggles the selected item's box and element, twice round.
    SetFocus(tree);
    PressSpace();
    EXPECT_FALSE(Checked(tree, button));
    EXPECT_FALSE(skin->FindObject(kElemButton, L"Default")->IsEnabled());
    EXPECT_TRUE(skin->FindObject(kElemButton, L"Mine")->IsEnabled()); // the custom one is not touched
    PressSpace();
    EXPECT_TRUE(Checked(tree, button));
    EXPECT_TRUE(skin->FindObject(kElemButton, L"Default")->IsEnabled());

    // Saved and reopened, the boxes come back from the file.
    ASSERT_EQ(app->SaveSkinFile(path, false), shell::SaveOutcome::Saved);
    ASSERT_TRUE(app->OpenSkinFile(path));
    EXPECT_FALSE(Checked(tree, ItemOf(panel, L"Controls/Edit")));
    EXPECT_TRUE(Checked(tree, ItemOf(panel, L"Controls/Button")));
    DeleteFileW(path.c_str());
}

TEST_F(EditorApp, ADefaultItemFillsThePageAndOnlyOneTreeHoldsTheSelection) {
    Start();
    ASSERT_NE(shell::runtime::MainSkin(), nullptr);
    shell::CPanelTree* trees[] = {frame->DefaultControls(), frame->CustomControls(), frame->UserData()};
    // A custom item to select in the second tree.
    SetFocus(trees[1]->Tree());
    ASSERT_NE(trees[1]->Model()->AddCustomControl(trees[1]->Model()->Root(), ID_ADD_BUTTON), nullptr);
    const struct {
        int tree;
        const wchar_t* path;
        const wchar_t* caption;
        const char* linkClass;
    } steps[] = {
        {0, L"Controls/Static Text", L"Properties - Static Text", "CStaticTextLink"},
        {1, L"CustomButton", L"Properties - Button", "CButtonLink"},
        {0, L"Windows/Window Frame/Frame Sides/Top Side", L"Top Side", "CTopSideFrame"},
        {0, L"Windows/Window Frame/Frame Sides/Left Side", L"Left Side", "CLeftSideFrame"},
        {0, L"Windows/Window Frame", L"Properties - Window Frame", "CFrameLink"},
        {0, L"Windows/Window Frame/Caption Buttons/Close Button", L"Properties - Close Button", "CWinCloseLink"},
        // A group and a root edit nothing: an empty node's caption.
        {0, L"Controls", L"Properties - ", "CEmptyLink"},
        {2, L"", L"Properties - ", "CEmptyLink"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.path);
        HTREEITEM item = ItemOf(trees[s.tree], s.path);
        ASSERT_NE(item, nullptr);
        TreeView_SelectItem(trees[s.tree]->Tree(), item);
        app->RunPending();
        for (int t = 0; t < 3; ++t)
            EXPECT_EQ(TreeView_GetSelection(trees[t]->Tree()) != nullptr, t == s.tree) << "tree " << t;
        EXPECT_EQ(shell::Editor().treeIndexActive, s.tree);
        // Each item shows its own link's page (a frame side its own side's);
        // groups and roots show an empty node's.
        const links::CItemLinkObj* link = frame->PropertiesSeam().Link();
        EXPECT_EQ(std::string(link ? link->ClassName() : ""), s.linkClass);
        if (s.caption) {
            // The element's name, after the pane's own where its page shows.
            const std::wstring caption = frame->Docks().Caption(shell::kPaneProperties);
            EXPECT_TRUE(caption.ends_with(s.caption)) << caption;
        }
    }
}

TEST_F(EditorApp, CustomItemsMoveByTheToolbarAndByDragAndDropWithTheirPicture) {
    Start();
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring path =
        std::wstring(temp) + L"hexmoor-tree-moves-" + std::to_wstring(GetCurrentProcessId()) + L".twf";
    {
        CTwfSkin skin;
        skin.InitNewSkin(L"Default");
        skin.SetPath(path);
        ASSERT_TRUE(skin.WriteSkinFile());
    }
    ASSERT_TRUE(app->OpenSkinFile(path));
    frame->Docks().RequestActivate(shell::kPaneCustomControls);
    test::Settle();
    shell::CPanelTree* panel = frame->CustomControls();
    shell::ElementTree* model = panel->Model();
    HWND tree = panel->Tree();
    ASSERT_TRUE(IsWindowVisible(tree));
    model->AddFolder(model->Root(), L"Box");
    model->AddCustomControl(model->Root(), ID_ADD_BUTTON);
    model->AddCustomControl(model->Root(), ID_ADD_EDIT);
    TreeView_Expand(tree, shell::TreeViewStore::ToItem(model->Root()), TVE_EXPAND);
    auto names = [&](const wchar_t* under) {
        std::vector<std::wstring> out;
        shell::TreeHandle at = *under ? model->Find(under) : model->Root();
        for (shell::TreeHandle c = panel->Store().FirstChild(at); c; c = panel->Store().NextSibling(c))
            out.push_back(panel->Store().Text(c));
        return out;
    };
    using V = std::vector<std::wstring>;

    // Move Up from the toolbar: the edit goes up and stays selected.
    TreeView_SelectItem(tree, ItemOf(panel, L"CustomEdit"));
    SendMessageW(panel->Handle(), WM_COMMAND, MAKEWPARAM(3, 0), reinterpret_cast<LPARAM>(panel->Bar().Handle()));
    EXPECT_EQ(names(L""), (V{L"Box", L"CustomEdit", L"CustomButton"}));
    EXPECT_EQ(TreeView_GetSelection(tree), ItemOf(panel, L"CustomEdit"));
    // Move Down twice: once down, then it is last and stays.
    SendMessageW(panel->Handle(), WM_COMMAND, MAKEWPARAM(2, 0), reinterpret_cast<LPARAM>(panel->Bar().Handle()));
    SendMessageW(panel->Handle(), WM_COMMAND, MAKEWPARAM(2, 0), reinterpret_cast<LPARAM>(panel->Bar().Handle()));
    EXPECT_EQ(names(L""), (V{L"Box", L"CustomButton", L"CustomEdit"}));

    // Drag and drop as the tree reports it: the drag starts on the tree's
    // notification, the mouse then moves and goes up over the panel, which
    // holds the capture meanwhile.
    bool first = true;
    auto drag = [&](const wchar_t* item, const wchar_t* onto) {
        NMTREEVIEWW nm{};
        nm.hdr.hwndFrom = tree;
        nm.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(tree));
        nm.hdr.code = TVN_BEGINDRAGW;
        nm.itemNew.hItem = ItemOf(panel, item);
        SendMessageW(panel->Handle(), WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
        EXPECT_EQ(GetCapture(), panel->Handle());
        // The dragged item's picture follows the mouse until the drop.
        EXPECT_NE(ImageList_GetDragImage(nullptr, nullptr), nullptr);
        TreeView_EnsureVisible(tree, ItemOf(panel, onto));
        RECT rc{};
        TreeView_GetItemRect(tree, ItemOf(panel, onto), &rc, TRUE);
        POINT p{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
        MapWindowPoints(tree, panel->Handle(), &p, 1);
        SendMessageW(panel->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        // The item under the mouse is marked while the drag goes on (checked
        // on a tree that has not changed since it was shown: under Wine the
        // first hit test after a branch moved into a folder that then opens
        // may still answer the item moved away).
        if (first) {
            EXPECT_EQ(TreeView_GetDropHilight(tree), ItemOf(panel, onto));
        }
        first = false;
        SendMessageW(panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
        EXPECT_EQ(ImageList_GetDragImage(nullptr, nullptr), nullptr);
    };
    drag(L"CustomButton", L"Box");
    EXPECT_EQ(names(L""), (V{L"Box", L"CustomEdit"}));
    EXPECT_EQ(names(L"Box"), (V{L"CustomButton"}));
    const WORD box = shell::runtime::MainSkin()->FindObject(kElemFolder, L"<CC>\\Box")->GetFolderId();
    EXPECT_NE(shell::runtime::MainSkin()->FindObject(kElemButton, L"<" + std::to_wstring(box) + L">CustomButton"),
              nullptr);
    EXPECT_TRUE(shell::Editor().documentModified);
    // Dropped on its own parent it stays; dropped beside the edit it comes out.
    drag(L"Box/CustomButton", L"Box");
    EXPECT_EQ(names(L"Box"), (V{L"CustomButton"}));
    drag(L"Box", L"Box/CustomButton"); // into its own branch
    EXPECT_EQ(names(L"Box"), (V{L"CustomButton"}));
    drag(L"Box/CustomButton", L"CustomEdit");
    EXPECT_EQ(names(L""), (V{L"Box", L"CustomEdit", L"CustomButton"}));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(TreeView_GetDropHilight(tree), nullptr);
    DeleteFileW(path.c_str());
}

namespace {

std::vector<UINT> g_menuSeen;

// Reads the entries of the popup menu on screen, then closes it.
void CALLBACK ReadMenuAndClose(HWND, UINT, UINT_PTR, DWORD) {
    HWND popup = FindWindowW(L"#32768", nullptr);
    if (!popup || !IsWindowVisible(popup)) return;
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
    g_menuSeen.clear();
    for (int i = 0; menu && i < GetMenuItemCount(menu); ++i)
        g_menuSeen.push_back(GetSubMenu(menu, i)                  ? 1u
                             : GetMenuItemID(menu, i) == UINT(-1) ? 0u
                                                                  : GetMenuItemID(menu, i));
    EndMenu();
}

} // namespace

TEST_F(EditorApp, ARightClickSelectsTheItemAndShowsItsKindsMenu) {
    Start();
    shell::CPanelTree* trees[] = {frame->DefaultControls(), frame->CustomControls(), frame->UserData()};
    shell::ElementTree* custom = trees[1]->Model();
    custom->AddFolder(custom->Root(), L"Box");
    custom->AddCustomControl(custom->Root(), ID_ADD_BUTTON);
    TreeView_Expand(trees[1]->Tree(), shell::TreeViewStore::ToItem(custom->Root()), TVE_EXPAND);
    using V = std::vector<UINT>;
    const struct {
        shell::CPanelTree* panel;
        int pane;
        const wchar_t* path;
        V entries; // ids, 0 a separator, 1 a sub-menu
    } cases[] = {
        {trees[0], shell::kPaneDefaultControls, L"Controls/Button", {ID_CONTEXT_CLEAR}},
        {trees[0],
         shell::kPaneDefaultControls,
         L"Controls/Scrollbars/Standalone HScrollbar",
         {ID_FILL_FROM_INTERNAL_HSCROLL, 0, ID_CONTEXT_CLEAR}},
        {trees[1], shell::kPaneCustomControls, L"CustomButton", {ID_TREE_RENAME, ID_TREE_DELETE, ID_TREE_CLEAR_ITEM}},
        {trees[1], shell::kPaneCustomControls, L"Box", {1, 1, 1, ID_TREE_ADD_FOLDER, ID_TREE_RENAME, ID_TREE_DELETE}},
        {trees[2], shell::kPaneUserData, L"", {ID_TREE_ADD_USER_DATA, ID_TREE_ADD_UD_FOLDER}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.path)));
        frame->Docks().RequestActivate(c.pane);
        test::Settle();
        HWND tree = c.panel->Tree();
        HTREEITEM item = ItemOf(c.panel, c.path);
        ASSERT_NE(item, nullptr);
        TreeView_EnsureVisible(tree, item);
        UpdateWindow(tree);
        RECT rc{};
        ASSERT_TRUE(TreeView_GetItemRect(tree, item, &rc, TRUE));
        POINT at{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
        ClientToScreen(tree, &at);
        SetForegroundWindow(frame->Handle());
        SetCursorPos(at.x, at.y);
        g_menuSeen.clear();
        INPUT input[2] = {};
        for (auto& i : input) i.type = INPUT_MOUSE;
        input[0].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
        input[1].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
        UINT_PTR timer = SetTimer(nullptr, 0, 50, &ReadMenuAndClose);
        SendInput(2, input, sizeof(INPUT));
        Settle();
        Settle();
        KillTimer(nullptr, timer);
        EXPECT_EQ(g_menuSeen, c.entries);
        EXPECT_EQ(TreeView_GetSelection(tree), item);
    }
}

// The pane toolbar's tooltip is made when the mouse first comes over the
// bar (start-up makes none), with one tool per button carrying its text.
TEST_F(EditorApp, ThePaneToolbarsTooltipIsMadeAtTheFirstHoverWithEveryButtonsText) {
    Start();
    shell::CPanelTree* panel = frame->DefaultControls();
    HWND bar = panel->Bar().Handle();
    EXPECT_EQ(SendMessageW(bar, TB_GETTOOLTIPS, 0, 0), 0);
    RECT first{};
    ASSERT_TRUE(SendMessageW(bar, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first)));
    SendMessageW(bar, WM_MOUSEMOVE, 0, MAKELPARAM(first.left + 2, first.top + 2));
    auto tooltip = reinterpret_cast<HWND>(SendMessageW(bar, TB_GETTOOLTIPS, 0, 0));
    ASSERT_NE(tooltip, nullptr);
    const LRESULT buttons = SendMessageW(bar, TB_BUTTONCOUNT, 0, 0);
    EXPECT_GT(buttons, 0);
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), buttons);
    TBBUTTON button{};
    ASSERT_TRUE(SendMessageW(bar, TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&button)));
    wchar_t text[80]{};
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.hwnd = bar;
    ti.uId = static_cast<UINT_PTR>(button.idCommand);
    ti.lpszText = text;
    SendMessageW(tooltip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&ti));
    EXPECT_STRNE(text, L"");
    // A later move makes no second one.
    SendMessageW(bar, WM_MOUSEMOVE, 0, MAKELPARAM(first.left + 3, first.top + 3));
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(bar, TB_GETTOOLTIPS, 0, 0)), tooltip);
}
