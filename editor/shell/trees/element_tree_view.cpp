#include "editor/shell/trees/element_tree_view.h"

#include <commctrl.h>

#include "editor/links/link_env.h"
#include "editor/links/win/property_list.h"
#include "editor/shell/trees/element_tree.h"
#include "editor/shell/main_frame.h"
#include "editor/shell/panes/panels.h"
#include "editor/shell/trees/tree_view_store.h"
#include "framework/application.h"

namespace hexmoor::shell {

namespace {

// The item whose check box the message is about, or null.
HTREEITEM CheckTarget(HWND tree, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_KEYDOWN && wp == VK_SPACE) return TreeView_GetSelection(tree);
    // A second click soon after the first comes as a double click.
    if (msg != WM_LBUTTONDOWN && msg != WM_LBUTTONDBLCLK) return nullptr;
    TVHITTESTINFO hit{};
    hit.pt = {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    HTREEITEM item = TreeView_HitTest(tree, &hit);
    return (hit.flags & TVHT_ONITEMSTATEICON) ? item : nullptr;
}

bool ShowsCheckBox(HWND tree, HTREEITEM item) {
    return (TreeView_GetItemState(tree, item, TVIS_STATEIMAGEMASK) & TVIS_STATEIMAGEMASK) != 0;
}

bool IsChecked(HWND tree, HTREEITEM item) {
    return (TreeView_GetItemState(tree, item, TVIS_STATEIMAGEMASK) >> 12) == 2;
}

// The grid of the frame's Properties pane, when it has a window.
links::CPropertyList* PropertyGrid() {
    fw::Application* app = fw::Application::Current();
    auto* frame = app ? dynamic_cast<CMainFrame*>(app->MainWindow()) : nullptr;
    links::CPropertyList* grid = frame && frame->Properties() ? frame->Properties()->Grid() : nullptr;
    return grid && grid->Handle() ? grid : nullptr;
}

} // namespace

bool CElementTreeView::PreTranslateMessage(MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.hwnd != Handle()) return false;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (msg.wParam == VK_RETURN && !ctrl) {
        links::CPropertyList* grid = PropertyGrid();
        if (!grid) return false;
        SetFocus(grid->Handle());
        SendMessageW(grid->Handle(), LB_SETCURSEL, 0, 0);
        grid->OnSelchange();
        return false;
    }
    if (msg.wParam == VK_TAB && ctrl) {
        if (GetKeyState(VK_SHIFT) < 0) {
            if (links::OptionsPages* pages = links::Links().options) pages->FocusImagePage();
        } else if (links::CPropertyList* grid = PropertyGrid()) {
            SetFocus(grid->Handle());
        }
        return true;
    }
    return false;
}

LRESULT CElementTreeView::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    HWND tree = Handle();
    HTREEITEM item = checks_ ? CheckTarget(tree, msg, wp, lp) : nullptr;
    if (!item || !ShowsCheckBox(tree, item)) return AfterCheckBoxes(msg, wp, lp);
    const bool before = IsChecked(tree, item);
    const LRESULT result = AfterCheckBoxes(msg, wp, lp);
    // The item may be gone when the click's own handling removed it.
    TVITEMW probe{};
    probe.mask = TVIF_STATE;
    probe.hItem = item;
    if (!TreeView_GetItem(tree, &probe)) return result;
    // The box toggles here, unless the tree view already did.
    checks_->SetItemCheck(TreeViewStore::FromItem(item), IsChecked(tree, item) == before ? (before ? 0 : 1) : -1);
    RECT rc{};
    if (TreeView_GetItemRect(tree, item, &rc, FALSE)) InvalidateRect(tree, &rc, TRUE);
    return result;
}

LRESULT CElementTreeView::AfterCheckBoxes(UINT msg, WPARAM wp, LPARAM lp) {
    if (marks_ && msg == WM_LBUTTONDOWN &&
        marks_->ClickMarkAt({static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))})) {
        // The click belongs to the mark: the selection stays.
        SetFocus(Handle());
        return 0;
    }
    return BufferedPaintWindow::WindowProc(msg, wp, lp);
}

} // namespace hexmoor::shell
