// The colour-adjustment marks in the real editor: shown in front of the
// icons of the default and custom trees while the colour-adjustment pane
// shows, switched by a real click on a mark (the selection stays), the
// lock drawn as its own mark, and the marks' second look while an
// adjustment of one control locks the trees.
#include <gtest/gtest.h>

#include <commctrl.h>

#include "app_fixture.h"
#include "editor/shell/trees/tree_images.h"
#include "resources/command_ids.h"
#include "tests/harness/capture.h"

using namespace hexmoor;
using hexmoor::test::EditorApp;

namespace {

using test::ClickAt;
using test::Settle;

int ImageWidth(HWND tree) {
    int cx = 0, cy = 0;
    ImageList_GetIconSize(TreeView_GetImageList(tree, TVSIL_NORMAL), &cx, &cy);
    return cx;
}

// The item's picture (mark and icon) as the tree's own hit test finds it
// left of the label.
RECT ImageRect(HWND tree, HTREEITEM item) {
    RECT label{};
    TreeView_GetItemRect(tree, item, &label, TRUE);
    RECT image{label.left, label.top, label.left, label.bottom};
    for (int x = label.left - 1; x >= 0; --x) {
        TVHITTESTINFO hit{};
        hit.pt = {x, (label.top + label.bottom) / 2};
        if (TreeView_HitTest(tree, &hit) != item || !(hit.flags & TVHT_ONITEMICON)) break;
        image.left = x;
    }
    return image;
}

// What the mark at the left of the item's picture shows, by the colours of
// the drawings: the colour wheel (taken in), the padlock (locked), or the
// grey ring (left out).
enum class Seen { In, Out, Locked };

Seen MarkShown(HWND tree, HTREEITEM item) {
    const RECT image = ImageRect(tree, item);
    test::PixelBuffer shot = test::CaptureClient(tree);
    int red = 0, yellow = 0;
    for (int y = image.top; y < image.bottom; ++y) {
        for (int x = image.left; x < image.left + 16; ++x) {
            const COLORREF c = shot.At(x, y);
            const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
            if (r > 180 && g < 120 && b < 120) ++red;
            if (r > 200 && g > 170 && b < 100) ++yellow;
        }
    }
    return red > 4 ? Seen::In : yellow > 4 ? Seen::Locked : Seen::Out;
}

} // namespace

TEST_F(EditorApp, TheColourAdjustmentPaneShowsTheMarksWhichAClickOrTheLockSwitches) {
    Start();
    shell::CPanelTree* panel = frame->DefaultControls();
    HWND tree = panel->Tree();
    shell::ElementTree& model = *panel->Model();
    auto item = [&](const wchar_t* path) { return shell::TreeViewStore::ToItem(model.Find(path)); };
    HTREEITEM controls = item(L"Controls");
    HTREEITEM button = item(L"Controls/Button");
    HTREEITEM edit = item(L"Controls/Edit");
    HTREEITEM frameSide = item(L"Windows/Window Frame/Frame Sides/Top Side");
    ASSERT_TRUE(controls && button && edit && frameSide);

    // Plain icons until the pane shows; every tree has them.
    ASSERT_FALSE(frame->IsPaneVisible(shell::kPaneColorAdjustment));
    for (HWND t : {tree, frame->CustomControls()->Tree(), frame->UserData()->Tree()}) EXPECT_EQ(ImageWidth(t), 16);
    frame->TogglePane(shell::kPaneColorAdjustment);
    Settle();
    ASSERT_TRUE(frame->IsPaneVisible(shell::kPaneColorAdjustment));
    EXPECT_EQ(ImageWidth(tree), shell::kMarkedIconWidth);
    EXPECT_EQ(ImageWidth(frame->CustomControls()->Tree()), shell::kMarkedIconWidth);
    EXPECT_EQ(ImageWidth(frame->UserData()->Tree()), 16);

    // The trees pane may share its place with others: bring it forward.
    frame->TogglePane(shell::kPaneDefaultControls);
    if (!frame->IsPaneVisible(shell::kPaneDefaultControls)) frame->TogglePane(shell::kPaneDefaultControls);
    Settle();
    ASSERT_TRUE(IsWindowVisible(tree));
    SetForegroundWindow(frame->Handle());
    TreeView_EnsureVisible(tree, edit);
    TreeView_SelectItem(tree, edit);
    Settle();
    EXPECT_EQ(MarkShown(tree, button), Seen::Out);

    // A click on the group's mark takes its branch in, shown at once; the
    // selection stays on the edit.
    RECT groupImage = ImageRect(tree, controls);
    ASSERT_GT(groupImage.right - groupImage.left, 16);
    ClickAt(tree, {groupImage.left + 8, (groupImage.top + groupImage.bottom) / 2});
    EXPECT_EQ(model.MarkOf(model.Find(L"Controls")), 0);
    EXPECT_EQ(model.MarkOf(model.Find(L"Controls/Button")), 0);
    EXPECT_EQ(model.MarkOf(model.Find(L"Windows/Window Frame/Frame Sides/Top Side")), 1);
    EXPECT_EQ(TreeView_GetSelection(tree), edit);
    EXPECT_EQ(MarkShown(tree, button), Seen::In);
    EXPECT_EQ(MarkShown(tree, edit), Seen::In);
    // A click on the icon beside the mark is an ordinary click: it selects.
    RECT buttonImage = ImageRect(tree, button);
    ClickAt(tree, {buttonImage.left + shell::kMarkedIconX + 8, (buttonImage.top + buttonImage.bottom) / 2});
    EXPECT_EQ(TreeView_GetSelection(tree), button);
    EXPECT_EQ(model.MarkOf(model.Find(L"Controls/Button")), 0);

    // The lock on the selected button shows; a click on a locked mark does
    // nothing, and the group's next click leaves the locked button out.
    ASSERT_TRUE(frame->RunCommand(ID_TREE_TOGGLE_LOCK, tree));
    Settle();
    EXPECT_EQ(MarkShown(tree, button), Seen::Locked);
    ClickAt(tree, {buttonImage.left + 8, (buttonImage.top + buttonImage.bottom) / 2});
    EXPECT_EQ(model.MarkOf(model.Find(L"Controls/Button")), 2);
    ClickAt(tree, {groupImage.left + 8, (groupImage.top + groupImage.bottom) / 2});
    EXPECT_EQ(MarkShown(tree, edit), Seen::Out);
    EXPECT_EQ(MarkShown(tree, button), Seen::Locked);
    // The mark of an item with a check box lies after the box.
    RECT editImage = ImageRect(tree, edit);
    ClickAt(tree, {editImage.left + 8, (editImage.top + editImage.bottom) / 2});
    EXPECT_EQ(model.MarkOf(model.Find(L"Controls/Edit")), 0);
    EXPECT_EQ(MarkShown(tree, edit), Seen::In);
    EXPECT_EQ(TreeView_GetSelection(tree), button);

    // An adjustment of one control locks the trees and greys the marks.
    frame->ColorAdjustment()->Pane().Adjuster().SetEditControl(true);
    Settle();
    EXPECT_FALSE(IsWindowEnabled(tree));
    EXPECT_EQ(MarkShown(tree, button), Seen::Out); // no colour in the grey padlock
    EXPECT_EQ(TreeView_GetItemState(tree, button, TVIS_BOLD) & TVIS_BOLD, static_cast<UINT>(TVIS_BOLD));
    frame->ColorAdjustment()->Pane().Adjuster().SetEditControl(false);
    Settle();
    EXPECT_TRUE(IsWindowEnabled(tree));
    EXPECT_EQ(MarkShown(tree, button), Seen::Locked);
    EXPECT_EQ(TreeView_GetItemState(tree, button, TVIS_BOLD) & TVIS_BOLD, 0u);

    // Hiding the pane takes the marks away.
    frame->TogglePane(shell::kPaneColorAdjustment);
    Settle();
    EXPECT_EQ(ImageWidth(tree), 16);
    EXPECT_EQ(ImageWidth(frame->CustomControls()->Tree()), 16);
    Stop();
}
