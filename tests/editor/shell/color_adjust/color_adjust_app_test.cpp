// The colour-adjustment pane on the running editor's skin: a whole-skin
// adjustment reaches the elements the trees take in, and a per-control
// adjustment the grid's selected colour row, whose text follows; undoing
// gives the values back.
#include <gtest/gtest.h>

#include <commctrl.h>

#include "app_fixture.h"
#include "editor/links/grid_model.h"
#include "editor/links/link_env.h"
#include "editor/links/win/property_list.h"
#include "editor/shell/runtime_link.h"
#include "model/element_types.h"
#include "model/twf_skin.h"

using namespace hexmoor;
using hexmoor::test::EditorApp;

TEST_F(EditorApp, TheAdjustmentPaneAdjustsTheTreesElementsAndTheGridsRow) {
    Start();
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring path =
        std::wstring(temp) + L"hexmoor-adjust-" + std::to_wstring(GetCurrentProcessId()) + L".twf";
    constexpr COLORREF kTitle = RGB(10, 20, 30), kNote = RGB(200, 40, 40);
    {
        CTwfSkin skin;
        skin.InitNewSkin(L"Default");
        skin.GetOrCreateObject(kElemFolder, L"<CC>\\Labels")->SetFolderId(3);
        for (const auto& [scheme, color] : {std::pair{L"<3>Title", kTitle}, std::pair{L"<3>Note", kNote}}) {
            CTwfObj* label = skin.GetOrCreateObject(kElemStaticText, scheme);
            label->SetFolderId(3);
            label->SetColor(494, color);
        }
        skin.SetPath(path);
        ASSERT_TRUE(skin.WriteSkinFile());
    }
    ASSERT_TRUE(app->OpenSkinFile(path));
    frame->TogglePane(shell::kPaneColorAdjustment);
    ASSERT_TRUE(frame->IsPaneVisible(shell::kPaneColorAdjustment));
    preview::ColorAdjuster& adjuster = frame->ColorAdjustment()->Pane().Adjuster();
    adjuster.SetAutoSave(true);
    shell::CPanelTree* custom = frame->CustomControls();
    shell::ElementTree& model = *custom->Model();
    auto colorOf = [](const wchar_t* scheme) {
        return shell::runtime::MainSkin()->FindObject(kElemStaticText, scheme)->GetColor(494);
    };

    // Whole skin: the custom tree taken in, but "Note" locked.
    model.SetMarkRecursive(model.Root(), 0, false);
    model.ToggleLock(model.Find(L"Labels/Note"));
    ASSERT_TRUE(adjuster.ApplyHSL(HSLValues(120, 0, 0, 100)));
    EXPECT_NE(colorOf(L"<3>Title"), kTitle);
    EXPECT_EQ(colorOf(L"<3>Note"), kNote);
    adjuster.Restore();
    EXPECT_EQ(colorOf(L"<3>Title"), kTitle);

    // One control: the grid's selected colour row of the selected element.
    TreeView_SelectItem(custom->Tree(), shell::TreeViewStore::ToItem(model.Find(L"Labels/Title")));
    links::CPropertyList* grid = frame->Properties()->Grid();
    ASSERT_GE(grid->Model().Count(), 1);
    links::CPropertyItem* row = grid->Model().Item(0);
    ASSERT_EQ(row->Id(), 494);
    const std::wstring before = row->Value();
    adjuster.SetEditControl(true);
    SendMessageW(grid->Handle(), LB_SETCURSEL, 0, 0);
    grid->OnSelchange();
    ASSERT_EQ(adjuster.TrackedId(), 494);
    ASSERT_TRUE(adjuster.ApplyHSL(HSLValues(120, 0, 0, 100)));
    const COLORREF adjusted = colorOf(L"<3>Title");
    EXPECT_NE(adjusted, kTitle);
    EXPECT_EQ(row->Value(), links::Links().current->ColorToText(adjusted));
    EXPECT_EQ(colorOf(L"<3>Note"), kNote);
    adjuster.Restore();
    EXPECT_EQ(colorOf(L"<3>Title"), kTitle);
    EXPECT_EQ(row->Value(), before);
    adjuster.SetEditControl(false);
    DeleteFileW(path.c_str());
}

// At its default size the pane shows every control of the dialog whole: the
// value boxes beside the sliders and the two check boxes at the bottom.
TEST_F(EditorApp, TheAdjustmentPaneShowsEveryControlAtItsDefaultSize) {
    Start({L"x.twf"});
    frame->TogglePane(shell::kPaneColorAdjustment);
    ASSERT_TRUE(frame->IsPaneVisible(shell::kPaneColorAdjustment));
    test::Settle();
    HWND panel = frame->ColorAdjustment()->Handle();
    HWND dialog = frame->ColorAdjustment()->Pane().Handle();
    ASSERT_TRUE(panel && dialog);
    RECT client{};
    GetClientRect(panel, &client);
    MapWindowPoints(panel, nullptr, reinterpret_cast<POINT*>(&client), 2);
    int checked = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        RECT r{};
        GetWindowRect(child, &r);
        wchar_t text[64]{};
        GetWindowTextW(child, text, 64);
        SCOPED_TRACE(std::to_wstring(GetDlgCtrlID(child)) + L" " + text);
        EXPECT_GE(r.left, client.left);
        EXPECT_GE(r.top, client.top);
        EXPECT_LE(r.right, client.right);
        EXPECT_LE(r.bottom, client.bottom);
        ++checked;
    }
    EXPECT_GE(checked, 16);
}
