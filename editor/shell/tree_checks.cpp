#include "editor/shell/tree_checks.h"

#include <commctrl.h>

#include "base/win/gdi.h"
#include "editor/shell/element_tree.h"
#include "editor/shell/tree_view_store.h"

namespace hexmoor::shell {

namespace {

constexpr UINT_PTR kCheckSubclassId = 0x17A1;

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

LRESULT CALLBACK CheckBoxProc(HWND tree, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
    HTREEITEM item = CheckTarget(tree, msg, wp, lp);
    if (!item || !ShowsCheckBox(tree, item)) {
        if (msg == WM_NCDESTROY) RemoveWindowSubclass(tree, CheckBoxProc, kCheckSubclassId);
        return DefSubclassProc(tree, msg, wp, lp);
    }
    auto* model = reinterpret_cast<ElementTree*>(data);
    const bool before = IsChecked(tree, item);
    const LRESULT result = DefSubclassProc(tree, msg, wp, lp);
    // The item may be gone when the click's own handling removed it.
    TVITEMW probe{};
    probe.mask = TVIF_STATE;
    probe.hItem = item;
    if (!TreeView_GetItem(tree, &probe)) return result;
    // The box toggles here, unless the tree view already did.
    const TreeHandle handle = TreeViewStore::FromItem(item);
    model->SetItemCheck(handle, IsChecked(tree, item) == before ? (before ? 0 : 1) : -1);
    RECT rc{};
    if (TreeView_GetItemRect(tree, item, &rc, FALSE)) InvalidateRect(tree, &rc, TRUE);
    return result;
}

} // namespace

hexmoor::win::ImageList MakeCheckBoxImages() {
    constexpr int kSide = 16;
    constexpr COLORREF kClear = RGB(255, 0, 255);
    hexmoor::win::ImageList list(ImageList_Create(kSide, kSide, ILC_COLOR24 | ILC_MASK, 3, 1));
    if (!list) return list;
    hexmoor::win::MemoryDC dc(nullptr);
    hexmoor::win::WindowDC screen(nullptr);
    hexmoor::win::Bitmap strip(CreateCompatibleBitmap(screen.Get(), kSide * 3, kSide));
    if (!dc || !strip) return list;
    {
        hexmoor::win::SelectGuard select(dc.Get(), strip.Get());
        hexmoor::win::Brush clear(CreateSolidBrush(kClear));
        RECT all{0, 0, kSide * 3, kSide};
        FillRect(dc.Get(), &all, clear.Get());
        for (int i = 1; i < 3; ++i) {
            RECT box{i * kSide + 2, 2, i * kSide + kSide - 2, kSide - 2};
            DrawFrameControl(dc.Get(), &box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (i == 2 ? DFCS_CHECKED : 0));
        }
    }
    ImageList_AddMasked(list.Get(), strip.Get(), kClear);
    return list;
}

void WatchCheckBoxes(HWND tree, ElementTree& model) {
    SetWindowSubclass(tree, CheckBoxProc, kCheckSubclassId, reinterpret_cast<DWORD_PTR>(&model));
}

} // namespace hexmoor::shell
