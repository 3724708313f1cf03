// Moving items of the custom trees by the toolbar's Move buttons and by
// drag and drop: the panel holds the mouse while an item is dragged, marks
// the item under it as the drop target, and on release moves the branch
// into a folder (or the root) or beside an item of one.
#include <commctrl.h>

#include "editor/shell/panes/panels.h"

namespace hexmoor::shell {

void CPanelTree::MoveSelected(int direction) {
    if (!model_ || mode_ == 0) return;
    if (TreeHandle moved = model_->Move(Selected(), direction)) {
        TreeView_SelectItem(tree_, TreeViewStore::ToItem(moved));
        InvalidateRect(tree_, nullptr, TRUE);
    }
}

void CPanelTree::BeginDrag(HTREEITEM item) {
    if (!model_ || mode_ == 0 || !item || TreeViewStore::FromItem(item) == model_->Root()) return;
    dragged_ = item;
    dropTarget_ = nullptr;
    SetCapture(Handle());
}

bool CPanelTree::OnDragMessage(UINT msg, LPARAM lp) {
    auto targetAt = [&](LPARAM at) {
        TVHITTESTINFO hit{};
        hit.pt = {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
        MapWindowPoints(Handle(), tree_, &hit.pt, 1);
        HTREEITEM item = TreeView_HitTest(tree_, &hit);
        return (hit.flags & TVHT_ONITEM) ? item : nullptr;
    };
    switch (msg) {
    case WM_MOUSEMOVE:
        if (HTREEITEM over = targetAt(lp); over && over != dropTarget_) {
            dropTarget_ = over;
            TreeView_SelectDropTarget(tree_, over);
        }
        return true;
    case WM_LBUTTONUP: {
        HTREEITEM dragged = std::exchange(dragged_, nullptr);
        HTREEITEM target = targetAt(lp);
        dropTarget_ = nullptr;
        TreeView_SelectDropTarget(tree_, nullptr);
        ReleaseCapture();
        // A folder or the root takes the branch as its last child; an item
        // of a folder takes it right after itself. Anything else (the item
        // itself, its parent, its own branch) leaves the tree alone.
        const TreeHandle item = TreeViewStore::FromItem(dragged);
        const TreeHandle onto = TreeViewStore::FromItem(target);
        if (target && target != dragged && onto != store_.Parent(item)) {
            TreeHandle moved = model_->IsContainer(onto) ? model_->Move(item, -1, onto) : model_->Move(item, 2, onto);
            if (moved) TreeView_SelectItem(tree_, TreeViewStore::ToItem(moved));
        }
        return true;
    }
    case WM_CAPTURECHANGED:
        if (dragged_) {
            dragged_ = dropTarget_ = nullptr;
            TreeView_SelectDropTarget(tree_, nullptr);
        }
        return false;
    default: return false;
    }
}

} // namespace hexmoor::shell
