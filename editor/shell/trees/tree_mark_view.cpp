// The colour-adjustment marks in the tree windows: the image lists that
// show them, the tree's look while an adjustment of one control runs, and
// clicks on a mark (which CElementTreeView hands here).
#include <commctrl.h>

#include "editor/shell/panes/panels.h"
#include "editor/shell/trees/tree_checks.h"

namespace hexmoor::shell {

namespace {

int Depth(HWND tree, HTREEITEM item) {
    int depth = 0;
    for (HTREEITEM p = TreeView_GetParent(tree, item); p; p = TreeView_GetParent(tree, p)) ++depth;
    return depth;
}

} // namespace

void CPanelTree::ShowAdjustMarks(bool on) {
    if (!tree_ || !model_ || mode_ == 2) return;
    marksShown_ = on;
    HIMAGELIST list = on ? images_.Marked(model_->ColorAdjustMode()) : images_.Icons();
    if (list) TreeView_SetImageList(tree_, list, TVSIL_NORMAL);
    TreeView_SetIndent(tree_, 0);
}

void CPanelTree::SetColorAdjustMode(bool on) {
    if (!tree_ || !model_ || mode_ == 2) return;
    model_->SetColorAdjustMode(on);
    if (marksShown_)
        if (HIMAGELIST list = images_.Marked(on)) TreeView_SetImageList(tree_, list, TVSIL_NORMAL);
    // The tree is locked while the adjustment runs; its selection shows in
    // bold meanwhile.
    EnableWindow(tree_, !on);
    if (HTREEITEM selected = TreeView_GetSelection(tree_))
        TreeView_SetItemState(tree_, selected, on ? TVIS_BOLD : 0, TVIS_BOLD);
}

bool CPanelTree::ClickMarkAt(POINT pt) {
    if (!marksShown_ || !model_) return false;
    TVHITTESTINFO hit{};
    hit.pt = pt;
    HTREEITEM item = TreeView_HitTest(tree_, &hit);
    if (!item || !(hit.flags & TVHT_ONITEMICON)) return false;
    int stateWidth = 0;
    if (TreeView_GetItemState(tree_, item, TVIS_STATEIMAGEMASK) & TVIS_STATEIMAGEMASK) {
        int cy = 0;
        if (HIMAGELIST states = TreeView_GetImageList(tree_, TVSIL_STATE))
            ImageList_GetIconSize(states, &stateWidth, &cy);
    }
    const int indent = static_cast<int>(TreeView_GetIndent(tree_));
    if (!IsOnMark(pt.x, indent, Depth(tree_, item), GetScrollPos(tree_, SB_HORZ), stateWidth)) return false;
    return model_->ClickMark(TreeViewStore::FromItem(item));
}

} // namespace hexmoor::shell
