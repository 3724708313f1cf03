// Moving items of the custom trees by the toolbar's Move buttons and by
// drag and drop: the panel holds the mouse while an item is dragged, marks
// the item under it as the drop target, and on release moves the branch
// into a folder (or the root) or beside an item of one. The dragged item's
// picture follows the mouse meanwhile.
#include <commctrl.h>

#include <algorithm>

#include "base/win/gdi.h"
#include "editor/shell/panes/panels.h"

namespace hexmoor::shell {
namespace {

// A point of the panel's client area relative to the tree's window
// rectangle, where drag images are placed (not its client area).
POINT InTreeWindow(HWND panel, HWND tree, LPARAM panelPoint) {
    POINT at{static_cast<short>(LOWORD(panelPoint)), static_cast<short>(HIWORD(panelPoint))};
    ClientToScreen(panel, &at);
    RECT window{};
    GetWindowRect(tree, &window);
    return {at.x - window.left, at.y - window.top};
}

// The picture of a dragged item: the one the tree view makes, or, when it
// makes an empty list (Wine's tree view does), the item's icon and label as
// the tree shows them.
hexmoor::win::ImageList ItemDragImage(HWND tree, HTREEITEM item) {
    hexmoor::win::ImageList made(TreeView_CreateDragImage(tree, item));
    if (made && ImageList_GetImageCount(made.Get()) > 0) return made;
    RECT r{};
    if (!TreeView_GetItemRect(tree, item, &r, TRUE)) return {};
    if (HIMAGELIST icons = TreeView_GetImageList(tree, TVSIL_NORMAL)) {
        int cx = 0, cy = 0;
        ImageList_GetIconSize(icons, &cx, &cy);
        r.left = std::max<LONG>(0, r.left - cx - 3);
    }
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return {};
    hexmoor::win::WindowDC screen(tree);
    hexmoor::win::MemoryDC memory(screen.Get());
    hexmoor::win::Bitmap picture(CreateCompatibleBitmap(screen.Get(), width, height));
    if (!memory || !picture) return {};
    {
        hexmoor::win::SelectGuard into(memory.Get(), picture.Get());
        BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), r.left, r.top, SRCCOPY);
    }
    hexmoor::win::ImageList own(ImageList_Create(width, height, ILC_COLOR32, 1, 0));
    if (!own || ImageList_Add(own.Get(), picture.Get(), nullptr) < 0) return {};
    return own;
}

} // namespace

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
    dragImage_ = ItemDragImage(tree_, item);
    if (dragImage_) {
        ImageList_BeginDrag(dragImage_.Get(), 0, 0, 0);
        POINT at{};
        GetCursorPos(&at);
        ScreenToClient(Handle(), &at);
        ShowDragImage(MAKELPARAM(at.x, at.y));
    }
    SetCapture(Handle());
}

void CPanelTree::ShowDragImage(LPARAM panelPoint) {
    if (!dragImage_) return;
    const POINT at = InTreeWindow(Handle(), tree_, panelPoint);
    ImageList_DragEnter(tree_, at.x, at.y);
}

void CPanelTree::EndDragImage() {
    if (!dragImage_) return;
    ImageList_DragLeave(tree_);
    ImageList_EndDrag();
    dragImage_.Reset();
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
            // The picture is taken away while the tree draws the new drop
            // target, so that no trace of it stays in the tree.
            if (dragImage_) ImageList_DragLeave(tree_);
            dropTarget_ = over;
            TreeView_SelectDropTarget(tree_, over);
            ShowDragImage(lp);
        } else if (dragImage_) {
            const POINT at = InTreeWindow(Handle(), tree_, lp);
            ImageList_DragMove(at.x, at.y);
        }
        return true;
    case WM_LBUTTONUP: {
        EndDragImage();
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
            EndDragImage();
            dragged_ = dropTarget_ = nullptr;
            TreeView_SelectDropTarget(tree_, nullptr);
        }
        return false;
    default: return false;
    }
}

} // namespace hexmoor::shell
