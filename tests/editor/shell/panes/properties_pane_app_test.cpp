// The Properties pane in the running editor: the state keys refill the page
// as the state buttons do, an item still selected when another skin opens
// shows that skin's page, and opening a recent file keeps the recent list.
#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <iterator>

#include "app_fixture.h"
#include "editor/links/grid_model.h"
#include "editor/shell/runtime_link.h"
#include "editor/links/link_env.h"
#include "editor/shell/color_adjust/color_adjust_panel.h"
#include "editor/links/property_item.h"
#include "editor/links/win/property_list.h"
#include "editor/shell/editor_state.h"
#include "editor/shell/trees/element_tree.h"
#include "editor/shell/trees/element_tree_view.h"
#include "model/platform/image.h"
#include "resources/options_pages_ids.h"
#include "model/element_types.h"
#include "model/elements/static_text_properties.h"
#include "model/twf_skin.h"
#include "resources/command_ids.h"

using namespace hexmoor;
using hexmoor::test::EditorApp;

namespace {

// A skin whose static text has its own Normal and Disabled colours.
bool WriteTextSkin(const std::wstring& path, COLORREF normal, COLORREF disabled) {
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    CTwfObj* text = skin.GetOrCreateObject(kElemStaticText, L"");
    text->SetColor(static_text_props::kTextColor, normal);
    text->SetColor(static_text_props::kTextColorDisabled, disabled);
    skin.SetPath(path);
    return skin.WriteSkinFile() != FALSE;
}

class PropertiesPane : public EditorApp {
protected:
    links::CPropertyList& Grid() { return *frame->Properties()->Grid(); }
    void SelectStaticText() {
        SetFocus(frame->DefaultControls()->Tree());
        ASSERT_TRUE(SelectTreeItem(frame->DefaultControls(), L"Controls/Static Text"));
        test::Settle();
    }
    // The rows the grid shows, as "id=value".
    std::vector<std::wstring> Rows() {
        std::vector<std::wstring> rows;
        const links::PropertyGridModel& model = Grid().Model();
        for (int i = 0; i < model.Count(); ++i)
            rows.push_back(std::to_wstring(model.Item(i)->Id()) + L"=" + model.Item(i)->Value());
        return rows;
    }
    void PressInGrid(WPARAM key) {
        SetFocus(Grid().Handle());
        MSG msg{Grid().Handle(), WM_KEYDOWN, key, 0, 0, {}};
        if (!Grid().PreTranslateMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        test::Settle();
    }
};

} // namespace

TEST_F(PropertiesPane, TheStateKeysRefillThePageForTheStateTheyCheck) {
    Start();
    const std::wstring path = TempSkinPath(L"keys.twf");
    ASSERT_TRUE(WriteTextSkin(path, RGB(255, 0, 0), RGB(0, 0, 255)));
    ASSERT_TRUE(app->OpenSkinFile(path));
    SelectStaticText();
    EXPECT_EQ(Rows(), std::vector<std::wstring>{L"494=RGB(255,0,0)"});
    // Static text has Normal and Disabled only: '.' steps to Disabled and
    // the page shows Disabled's row; ',' steps back.
    PressInGrid(VK_OEM_PERIOD);
    EXPECT_EQ(frame->Properties()->GetSelectedState(), 3);
    EXPECT_EQ(Rows(), std::vector<std::wstring>{L"495=RGB(0,0,255)"});
    EXPECT_EQ(Grid().GetSelectedIndex(), 0);
    PressInGrid(VK_OEM_COMMA);
    EXPECT_EQ(frame->Properties()->GetSelectedState(), 0);
    EXPECT_EQ(Rows(), std::vector<std::wstring>{L"494=RGB(255,0,0)"});
    EXPECT_FALSE(shell::Editor().documentModified);
    DeleteFileW(path.c_str());
}

TEST_F(PropertiesPane, AnItemStillSelectedShowsItsPageOfTheSkinOpenedNext) {
    Start();
    const std::wstring first = TempSkinPath(L"first.twf"), second = TempSkinPath(L"second.twf");
    ASSERT_TRUE(WriteTextSkin(first, RGB(255, 0, 0), RGB(0, 0, 255)));
    ASSERT_TRUE(WriteTextSkin(second, RGB(0, 128, 0), RGB(0, 0, 255)));
    ASSERT_TRUE(app->OpenSkinFile(first));
    SelectStaticText();
    ASSERT_EQ(Rows(), std::vector<std::wstring>{L"494=RGB(255,0,0)"});
    ASSERT_TRUE(app->OpenSkinFile(second));
    test::Settle();
    EXPECT_EQ(Rows(), std::vector<std::wstring>{L"494=RGB(0,128,0)"});
    EXPECT_NE(frame->PropertiesSeam().Link(), nullptr);
    EXPECT_FALSE(shell::Editor().documentModified);
    DeleteFileW(first.c_str());
    DeleteFileW(second.c_str());
}

// Opening an entry of the recent list moves it to the front and keeps the
// others, whether it is the first entry or a later one.
TEST_F(PropertiesPane, OpeningRecentFilesKeepsTheRecentList) {
    Start();
    std::vector<std::wstring> paths;
    for (const wchar_t* name : {L"r1.twf", L"r2.twf", L"r3.twf"}) {
        paths.push_back(TempSkinPath(name));
        ASSERT_TRUE(WriteTextSkin(paths.back(), RGB(1, 2, 3), RGB(4, 5, 6)));
        ASSERT_TRUE(app->OpenSkinFile(paths.back()));
    }
    ASSERT_EQ(app->RecentFiles().Entries(), (std::vector<std::wstring>{paths[2], paths[1], paths[0]}));
    SendMessageW(frame->Handle(), WM_COMMAND, MAKEWPARAM(ID_FILE_MRU_FIRST + 2, 0), 0);
    EXPECT_EQ(app->CurrentSkinPath(), paths[0]);
    EXPECT_EQ(app->RecentFiles().Entries(), (std::vector<std::wstring>{paths[0], paths[2], paths[1]}));
    SendMessageW(frame->Handle(), WM_COMMAND, MAKEWPARAM(ID_FILE_MRU_FIRST, 0), 0);
    EXPECT_EQ(app->CurrentSkinPath(), paths[0]);
    EXPECT_EQ(app->RecentFiles().Entries(), (std::vector<std::wstring>{paths[0], paths[2], paths[1]}));
    for (const std::wstring& p : paths) DeleteFileW(p.c_str());
}

namespace {

// Holds Ctrl (and Shift) down in this thread's keyboard state while alive.
class HeldKeys {
public:
    explicit HeldKeys(bool shift) {
        GetKeyboardState(saved_);
        BYTE keys[256];
        std::copy(std::begin(saved_), std::end(saved_), keys);
        keys[VK_CONTROL] |= 0x80;
        if (shift) keys[VK_SHIFT] |= 0x80;
        SetKeyboardState(keys);
    }
    ~HeldKeys() { SetKeyboardState(saved_); }

private:
    BYTE saved_[256]{};
};

bool FocusWithin(HWND window) {
    HWND focus = GetFocus();
    return focus && (focus == window || IsChild(window, focus));
}

} // namespace

// The trees' keys: Enter opens the grid's first row, Ctrl+Tab goes to the
// grid; in the grid, Ctrl+Tab on an image row with an image goes to the
// image page's drawing-mode drop-down, and Ctrl+Shift+Tab back to the tree.
TEST_F(PropertiesPane, TreeAndGridKeysMoveTheFocusBetweenTreeGridAndImagePage) {
    Start();
    const std::wstring path = TempSkinPath(L"keys2.twf");
    {
        CTwfSkin skin;
        skin.InitNewSkin(L"Default");
        hexmoor::platform::ImagePixels pixels;
        pixels.width = pixels.height = 6;
        pixels.argb.assign(36, 0xFF336699u);
        skin.GetOrCreateObject(kElemGrip, L"")
            ->PutImage(
                41, std::make_shared<CMrgBitmap>(hexmoor::platform::CreateBitmapFromPixels(pixels), MrgBitmapParams{}));
        skin.SetPath(path);
        ASSERT_TRUE(skin.WriteSkinFile());
    }
    ASSERT_TRUE(app->OpenSkinFile(path));
    shell::CPanelTree* tree = frame->DefaultControls();
    auto* view = dynamic_cast<shell::CElementTreeView*>(fw::Window::FromHandle(tree->Tree()));
    ASSERT_NE(view, nullptr);
    shell::TreeHandle grip = tree->Model()->Find(L"Controls/Grip");
    ASSERT_NE(grip, nullptr);
    SetFocus(tree->Tree());
    TreeView_SelectItem(tree->Tree(), shell::TreeViewStore::ToItem(grip));
    test::Settle();
    SetFocus(tree->Tree());
    MSG enter{tree->Tree(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_FALSE(view->PreTranslateMessage(enter));
    test::Settle();
    EXPECT_TRUE(FocusWithin(Grid().Handle()));
    EXPECT_EQ(Grid().GetSelectedIndex(), 0);

    // From the grid's image row to the image page, and back to the tree.
    {
        HeldKeys ctrl(false);
        SetFocus(Grid().Handle());
        MSG tab{Grid().Handle(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        EXPECT_TRUE(Grid().PreTranslateMessage(tab));
    }
    test::Settle();
    HWND focus = GetFocus();
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(GetDlgCtrlID(focus), IDC_OPT_DRAW_MODE);
    EXPECT_TRUE(IsChild(frame->Options()->Handle(), focus));
    {
        HeldKeys ctrlShift(true);
        SetFocus(Grid().Handle());
        MSG tab{Grid().Handle(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        EXPECT_TRUE(Grid().PreTranslateMessage(tab));
    }
    EXPECT_EQ(GetFocus(), tree->Tree());
    // Ctrl+Tab in the tree goes to the grid.
    {
        HeldKeys ctrl(false);
        MSG tab{tree->Tree(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        EXPECT_TRUE(view->PreTranslateMessage(tab));
    }
    EXPECT_TRUE(FocusWithin(Grid().Handle()));
    // Ctrl+Shift+Tab in the tree goes to the image page.
    SetFocus(tree->Tree());
    {
        HeldKeys ctrlShift(true);
        MSG tab{tree->Tree(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        EXPECT_TRUE(view->PreTranslateMessage(tab));
    }
    test::Settle();
    focus = GetFocus();
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(GetDlgCtrlID(focus), IDC_OPT_DRAW_MODE);
    EXPECT_TRUE(IsChild(frame->Options()->Handle(), focus));
    DeleteFileW(path.c_str());
}

// Renaming the selected item shows it again under its new scheme, so the
// page and the colour adjustment's per-control target follow the rename.
TEST_F(PropertiesPane, ARenamedSelectedItemIsShownUnderItsNewName) {
    Start();
    const std::wstring path = TempSkinPath(L"rename.twf");
    {
        CTwfSkin skin;
        skin.InitNewSkin(L"Default");
        skin.GetOrCreateObject(kElemFolder, L"<CC>\\Labels")->SetFolderId(3);
        skin.GetOrCreateObject(kElemStaticText, L"<3>Title")->SetFolderId(3);
        skin.SetPath(path);
        ASSERT_TRUE(skin.WriteSkinFile());
    }
    ASSERT_TRUE(app->OpenSkinFile(path));
    shell::CPanelTree* custom = frame->CustomControls();
    shell::TreeHandle item = custom->Model()->Find(L"Labels/Title");
    ASSERT_NE(item, nullptr);
    TreeView_SelectItem(custom->Tree(), shell::TreeViewStore::ToItem(item));
    test::Settle();
    ASSERT_NE(frame->PropertiesSeam().Current(), nullptr);
    ASSERT_EQ(frame->PropertiesSeam().Current()->scheme, L"<3>Title");
    // The colour adjustment works on one control: the grid's text colour row.
    frame->TogglePane(shell::kPaneColorAdjustment);
    ASSERT_TRUE(frame->IsPaneVisible(shell::kPaneColorAdjustment));
    preview::ColorAdjuster& adjuster = frame->ColorAdjustment()->Pane().Adjuster();
    ASSERT_GE(Grid().Model().Count(), 1);
    ASSERT_EQ(Grid().Model().Item(0)->Id(), static_text_props::kTextColor);
    SendMessageW(Grid().Handle(), LB_SETCURSEL, 0, 0);
    Grid().OnSelchange();
    ASSERT_EQ(adjuster.TrackedId(), static_text_props::kTextColor);
    ASSERT_NE(adjuster.TrackedLink(), nullptr);
    std::wstring text = L"Heading";
    NMTVDISPINFOW info{};
    info.hdr.hwndFrom = custom->Tree();
    info.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(custom->Tree()));
    info.hdr.code = TVN_ENDLABELEDITW;
    info.item.hItem = shell::TreeViewStore::ToItem(item);
    info.item.pszText = text.data();
    SendMessageW(custom->Handle(), WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
    test::Settle();
    ASSERT_NE(custom->Model()->Find(L"Labels/Heading"), nullptr);
    ASSERT_NE(frame->PropertiesSeam().Current(), nullptr);
    EXPECT_EQ(frame->PropertiesSeam().Current()->scheme, L"<3>Heading");
    // The adjuster's target is the renamed element, not the view of the
    // link the rename replaced.
    ASSERT_NE(adjuster.TrackedLink(), nullptr);
    EXPECT_EQ(adjuster.TrackedLink()->GetTwfObj(),
              shell::runtime::MainSkin()->FindObject(kElemStaticText, L"<3>Heading"));
    shell::Editor().documentModified = false;
    DeleteFileW(path.c_str());
}
